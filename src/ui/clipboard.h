#pragma once

#include <string>

namespace quorvin::ui {

// The desktop clipboard, in GBK.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual std::string text() = 0;
    virtual void setText(const std::string& gbk) = 0;
};

}  // namespace quorvin::ui
