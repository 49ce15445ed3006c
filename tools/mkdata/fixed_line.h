#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvin::mkdata {

// One line of a practice table under construction: fields at byte columns counted from 1,
// blanks between. The program's loaders trim each field of bytes up to 32 and read some
// columns into two fields, so a field is refused (std::runtime_error naming it) unless it
// reads back exactly: it fits its columns, has no control byte, does not start or end with a
// blank, and lies past everything placed before it.
class FixedLine {
  public:
    // Text in columns first..last, from the left.
    FixedLine& left(std::string_view name, std::string_view text, std::size_t first,
                    std::size_t last);
    // Text in columns first..last, to the right (a number in a raw record).
    FixedLine& right(std::string_view name, std::string_view text, std::size_t first,
                     std::size_t last);
    // Text filling columns first..last exactly (a character or key of a raw record).
    FixedLine& exact(std::string_view name, std::string_view text, std::size_t first,
                     std::size_t last);
    // Text from column first to the end of the line; nothing may follow it.
    FixedLine& rest(std::string_view name, std::string_view text, std::size_t first);

    std::size_t size() const { return text_.size(); }
    // The line with its CR LF.
    std::string crlf() const { return text_ + "\r\n"; }

  private:
    void place(std::string_view name, std::string_view text, std::size_t at);

    std::string text_;
    bool closed_ = false;
};

}  // namespace quorvin::mkdata
