#include "gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace quorvin::ui {

bool isGbkLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

std::size_t gbkCharLength(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && isGbkLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
    return 1;
}

std::size_t gbkPreviousBoundary(std::string_view text, std::size_t pos) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < pos && i < text.size();) {
        start = i;
        i += gbkCharLength(text, i);
    }
    return start;
}

bool isGbkBoundary(std::string_view text, std::size_t pos) {
    std::size_t i = 0;
    while (i < pos && i < text.size())
        i += gbkCharLength(text, i);
    return i == pos;
}

std::string_view gbkPrefix(std::string_view text, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t next = i + gbkCharLength(text, i);
        if (next > maxBytes) break;
        i = next;
    }
    return text.substr(0, i);
}

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts, replacing each unconvertible or invalid input sequence by `replacement`.
    std::string run(std::string_view in, std::string_view replacement, bool* ok) {
        std::string out;
        out.reserve(in.size() * 2);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: skip one input unit (a whole UTF-8 sequence where possible).
            if (ok) *ok = false;
            out.append(replacement);
            std::size_t skip = 1;
            const auto lead = static_cast<unsigned char>(*src);
            if (replacement == "?") {  // input is UTF-8
                if (lead >= 0xF0)
                    skip = 4;
                else if (lead >= 0xE0)
                    skip = 3;
                else if (lead >= 0xC0)
                    skip = 2;
            }
            skip = std::min(skip, srcLeft);
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

}  // namespace

std::string toGbk(std::string_view utf8, bool* ok) {
    if (ok) *ok = true;
    Converter converter("GBK", "UTF-8");
    return converter.run(utf8, "?", ok);
}

std::string fromGbk(std::string_view gbk) {
    Converter converter("UTF-8", "GBK");
    return converter.run(gbk, "\xEF\xBF\xBD", nullptr);
}

}  // namespace quorvin::ui
