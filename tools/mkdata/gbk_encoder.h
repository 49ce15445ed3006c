#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace quorvin::mkdata {

// UTF-8 to GBK (code page 936), strictly: text that GBK cannot hold, or holds only by mapping
// some other character to the same bytes, is refused rather than replaced. One converter
// serves a whole build, since opening one costs more than converting a field.
class GbkEncoder {
  public:
    GbkEncoder();
    ~GbkEncoder();
    GbkEncoder(const GbkEncoder&) = delete;
    GbkEncoder& operator=(const GbkEncoder&) = delete;

    // Throws std::runtime_error naming the first character that has no GBK code.
    std::string encode(std::string_view utf8);

  private:
    iconv_t toGbk_;
    iconv_t fromGbk_;
};

}  // namespace quorvin::mkdata
