#include <stdexcept>

#include "mkdata/table_layout.h"

namespace quorvin::mkdata {

namespace {

bool isLowerLetters(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < 'a' || c > 'z') return false;
    }
    return true;
}

// "zhong1": letters, then the tone, 5 standing for the neutral tone.
bool isSyllable(std::string_view text) {
    return text.size() >= 2 && text.back() >= '1' && text.back() <= '5' &&
           isLowerLetters(text.substr(0, text.size() - 1));
}

std::runtime_error unusable(std::string_view column, std::string_view value, const char* want) {
    return std::runtime_error(std::string(column) + " \"" + std::string(value) + "\" is not " +
                              want);
}

}  // namespace

std::string SourceRecord::text(std::string_view column) const {
    if (raw(column).empty()) throw std::runtime_error(std::string(column) + " is empty");
    return optionalText(column);
}

std::string SourceRecord::optionalText(std::string_view column) const {
    try {
        return gbk_.encode(raw(column));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(std::string(column) + " " + error.what());
    }
}

std::string SourceRecord::letters(std::string_view column) const {
    const std::string_view value = raw(column);
    if (!isLowerLetters(value)) throw unusable(column, value, "lower-case letters");
    return std::string(value);
}

std::string SourceRecord::optionalLetters(std::string_view column) const {
    return raw(column).empty() ? std::string() : letters(column);
}

std::string SourceRecord::number(std::string_view column) const {
    const std::string_view value = raw(column);
    const bool digits = !value.empty() && value.find_first_not_of("0123456789") == value.npos;
    if (!digits || value.front() == '0') throw unusable(column, value, "a positive number");
    return std::string(value);
}

std::string SourceRecord::syllables(std::string_view column, std::size_t minCount,
                                    std::size_t maxCount) const {
    const std::string_view value = raw(column);
    std::size_t count = 0;
    for (std::string_view rest = value;;) {
        const std::size_t space = rest.find(' ');
        if (!isSyllable(rest.substr(0, space)))
            throw unusable(column, value, "syllables with tones, one space apart");
        ++count;
        if (space == std::string_view::npos) break;
        rest.remove_prefix(space + 1);
    }
    if (count < minCount || count > maxCount) {
        throw std::runtime_error(std::string(column) + " \"" + std::string(value) + "\" has " +
                                 std::to_string(count) + " syllables, the program takes " +
                                 std::to_string(minCount) + " to " + std::to_string(maxCount));
    }
    return std::string(value);
}

}  // namespace quorvin::mkdata
