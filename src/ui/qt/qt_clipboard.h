#pragma once

#include "ui/clipboard.h"

namespace quorvin::ui::qt {

// The desktop clipboard's text, in GBK.
class QtClipboard final : public ui::Clipboard {
  public:
    std::string text() override;
    void setText(const std::string& gbk) override;
};

}  // namespace quorvin::ui::qt
