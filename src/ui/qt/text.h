#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The model speaks GBK bytes; Qt speaks UTF-16. These are the only crossings.
namespace quorvin::ui::qt {

QString toQt(std::string_view gbk);
// Characters GBK cannot hold become '?'.
std::string toGbkBytes(const QString& text);

// GBK text as shown in a widget, with the start of every character both in bytes and in UTF-16
// units, so that byte positions of the model and positions of the widget map onto each other.
// Each GBK character is converted on its own, so even invalid bytes keep their place.
class DisplayText {
  public:
    DisplayText() = default;
    explicit DisplayText(std::string_view gbk);

    const QString& text() const { return text_; }
    std::size_t characterCount() const { return bytes_.size() - 1; }
    std::size_t byteStart(std::size_t character) const { return bytes_.at(character); }
    int unitStart(std::size_t character) const { return units_.at(character); }

    // A byte position inside a character maps to the character's start.
    int unitAt(std::size_t bytePos) const;
    // A UTF-16 position inside a character (a surrogate pair) maps to the character's start.
    std::size_t byteAt(int unitPos) const;

  private:
    QString text_;
    std::vector<std::size_t> bytes_{0};  // per character, then the end
    std::vector<int> units_{0};
};

}  // namespace quorvin::ui::qt
