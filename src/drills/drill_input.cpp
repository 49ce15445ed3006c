#include "drills/drill_input.h"

#include <cctype>

namespace quorvin::drills {

bool acceptsDrillKey(ui::KeyChar ch) {
    return ch == '\b' || ch == ' ' || ch == '.' || (ch >= 'A' && ch <= 'Z') ||
           (ch >= 'a' && ch <= 'z');
}

std::string submittedCode(std::string_view text, LetterCase letterCase) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    std::string code(text);
    for (char& c : code) {
        const auto byte = static_cast<unsigned char>(c);
        // Only ASCII letters change: the bytes of a double-byte character stay as they are.
        if (byte < 0x80)
            c = static_cast<char>(letterCase == LetterCase::Upper ? std::toupper(byte)
                                                                  : std::tolower(byte));
    }
    return code;
}

bool filterDrillKey(ui::Edit& box, ui::KeyChar& ch) {
    if (!acceptsDrillKey(ch)) {
        ch = 0;
        return false;
    }
    if (ch == '.') box.clear();
    return true;
}

std::string withTarget(const std::string& code, const std::string& target) {
    return code + "(" + target + ")";
}

}  // namespace quorvin::drills
