#include "mkdata/gbk_encoder.h"

#include <cerrno>
#include <stdexcept>

namespace quorvin::mkdata {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// The UTF-8 sequence that starts at the front of text.
std::string_view firstCharacter(std::string_view text) {
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return text.substr(0, length);
}

// Converts all of in: 0, or the iconv error with failedAt at the first byte not converted.
int convert(iconv_t converter, std::string_view in, std::string& out, std::size_t& failedAt) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string input(in);
    out.assign(input.size() * 2 + 4, '\0');
    char* from = input.data();
    char* to = out.data();
    std::size_t fromLeft = input.size();
    std::size_t toLeft = out.size();
    const int error =
        iconv(converter, &from, &fromLeft, &to, &toLeft) == static_cast<std::size_t>(-1) ? errno
                                                                                         : 0;
    out.resize(out.size() - toLeft);
    failedAt = input.size() - fromLeft;
    return error;
}

}  // namespace

GbkEncoder::GbkEncoder()
    : toGbk_(iconv_open("GBK", "UTF-8")), fromGbk_(iconv_open("UTF-8", "GBK")) {
    if (toGbk_ == kNoConverter || fromGbk_ == kNoConverter) {
        if (toGbk_ != kNoConverter) iconv_close(toGbk_);
        if (fromGbk_ != kNoConverter) iconv_close(fromGbk_);
        throw std::runtime_error("the system has no GBK converter (iconv)");
    }
}

GbkEncoder::~GbkEncoder() {
    iconv_close(toGbk_);
    iconv_close(fromGbk_);
}

std::string GbkEncoder::encode(std::string_view utf8) {
    std::string gbk;
    std::size_t failedAt = 0;
    if (const int error = convert(toGbk_, utf8, gbk, failedAt)) {
        const std::string_view bad = firstCharacter(utf8.substr(failedAt));
        throw std::runtime_error("\"" + std::string(utf8) + "\": \"" + std::string(bad) +
                                 (error == EILSEQ ? "\" has no GBK code" : "\" is not UTF-8"));
    }
    // iconv maps a few characters onto the code of a look-alike; only a round trip shows it.
    std::string back;
    if (convert(fromGbk_, gbk, back, failedAt) != 0 || back != utf8)
        throw std::runtime_error("\"" + std::string(utf8) + "\" does not survive GBK unchanged");
    return gbk;
}

}  // namespace quorvin::mkdata
