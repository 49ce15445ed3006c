#pragma once

#include <string>
#include <vector>

#include "control.h"

namespace quorvin::ui {

// One line of rich text whose bytes each carry a colour. Positions are byte positions of the
// GBK text; a double-byte character shows in the colour of its first byte.
class RichLine : public Control {
  public:
    explicit RichLine(std::string name) : Control(ControlKind::RichLine, std::move(name)) {}

    const std::string& text() const { return text_; }
    // Replaces the content; every byte takes the control's colour.
    void setText(std::string text);

    const std::vector<Colour>& charColours() const { return charColours_; }
    Colour charColour(std::size_t pos) const { return charColours_.at(pos); }
    // Paints bytes [pos, pos + length) in the given colour; parts past the text are ignored.
    void paint(std::size_t pos, std::size_t length, Colour colour);

  private:
    std::string text_;
    std::vector<Colour> charColours_;
};

}  // namespace quorvin::ui
