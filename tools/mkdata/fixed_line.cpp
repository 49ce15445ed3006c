#include "mkdata/fixed_line.h"

#include <stdexcept>

namespace quorvin::mkdata {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string span(std::size_t first, std::size_t last) {
    return "columns " + std::to_string(first) + "-" + std::to_string(last) + " hold " +
           std::to_string(last - first + 1);
}

void checkClean(std::string_view name, std::string_view text) {
    if (text.empty()) return;
    if (isBlank(text.front()) || isBlank(text.back()))
        throw std::runtime_error(std::string(name) + " starts or ends blank");
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 32)
            throw std::runtime_error(std::string(name) + " has a control byte");
    }
}

void checkFits(std::string_view name, std::string_view text, std::size_t first, std::size_t last) {
    if (text.size() > last - first + 1) {
        throw std::runtime_error(std::string(name) + " is " + std::to_string(text.size()) +
                                 " bytes in GBK, " + span(first, last));
    }
}

}  // namespace

void FixedLine::place(std::string_view name, std::string_view text, std::size_t at) {
    checkClean(name, text);
    if (closed_ || at < text_.size() + 1) {
        throw std::runtime_error(std::string(name) + " at column " + std::to_string(at) +
                                 " would overlap the field before it");
    }
    if (text.empty()) return;
    text_.resize(at - 1, ' ');
    text_ += text;
}

FixedLine& FixedLine::left(std::string_view name, std::string_view text, std::size_t first,
                           std::size_t last) {
    checkFits(name, text, first, last);
    place(name, text, first);
    return *this;
}

FixedLine& FixedLine::right(std::string_view name, std::string_view text, std::size_t first,
                            std::size_t last) {
    checkFits(name, text, first, last);
    place(name, text, last + 1 - text.size());
    return *this;
}

FixedLine& FixedLine::exact(std::string_view name, std::string_view text, std::size_t first,
                            std::size_t last) {
    if (text.size() != last - first + 1) {
        throw std::runtime_error(std::string(name) + " is " + std::to_string(text.size()) +
                                 " bytes in GBK, " + span(first, last) + " exactly");
    }
    place(name, text, first);
    return *this;
}

FixedLine& FixedLine::rest(std::string_view name, std::string_view text, std::size_t first) {
    place(name, text, first);
    closed_ = true;
    return *this;
}

}  // namespace quorvin::mkdata
