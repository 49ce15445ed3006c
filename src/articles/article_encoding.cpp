#include "articles/article_encoding.h"

#include <algorithm>

#include "ui/gbk.h"

namespace quorvin::articles {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence starting at bytes[i], 0 when it is not a valid one.
std::size_t sequenceAt(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    if (at(i + 1) < low || at(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
    return length;
}

}  // namespace

bool isUtf8Text(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceAt(bytes, i);
        if (length == 0) return false;
        beyondAscii = beyondAscii || length > 1;
        i += length;
    }
    return beyondAscii;
}

std::size_t convertUtf8Article(std::string& bytes) {
    if (!isUtf8Text(bytes)) return 0;
    std::string_view text = bytes;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::string gbk = ui::toGbk(text);
    const auto marks = [](std::string_view s) { return std::count(s.begin(), s.end(), '?'); };
    const std::size_t replaced = static_cast<std::size_t>(marks(gbk) - marks(text));
    bytes = std::move(gbk);
    return replaced;
}

}  // namespace quorvin::articles
