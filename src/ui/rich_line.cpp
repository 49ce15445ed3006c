#include "rich_line.h"

#include <algorithm>

namespace quorvin::ui {

void RichLine::setText(std::string text) {
    text_ = std::move(text);
    charColours_.assign(text_.size(), colour());
    notify(Property::Text);
}

void RichLine::paint(std::size_t pos, std::size_t length, Colour colour) {
    if (pos >= text_.size()) return;
    const std::size_t end = std::min(text_.size(), pos + length);
    bool changed = false;
    for (std::size_t i = pos; i < end; ++i) {
        if (charColours_[i] != colour) {
            charColours_[i] = colour;
            changed = true;
        }
    }
    if (changed) notify(Property::CharColours);
}

}  // namespace quorvin::ui
