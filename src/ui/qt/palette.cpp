#include "palette.h"

#include <QApplication>
#include <QWidget>
#include <array>
#include <utility>

namespace quorvin::ui::qt {

QPalette::ColorRole systemColourRole(ui::Colour colour) {
    static constexpr std::array<std::pair<int, QPalette::ColorRole>, 18> kRoles{{
        {1, QPalette::Window},            // desktop
        {4, QPalette::Window},            // menu
        {5, QPalette::Base},              // window (the inside of edit boxes)
        {6, QPalette::Shadow},            // window frame
        {7, QPalette::WindowText},        // menu text
        {8, QPalette::WindowText},        // window text
        {9, QPalette::HighlightedText},   // caption text
        {13, QPalette::Highlight},        // highlight
        {14, QPalette::HighlightedText},  // highlight text
        {15, QPalette::Button},           // button face
        {16, QPalette::Dark},             // button shadow
        {17, QPalette::PlaceholderText},  // grey text
        {18, QPalette::ButtonText},       // button text
        {20, QPalette::Light},            // button highlight
        {21, QPalette::Shadow},           // 3-D dark shadow
        {22, QPalette::Midlight},         // 3-D light
        {23, QPalette::ToolTipText},      // info text
        {26, QPalette::Link},             // hot-tracked item
    }};
    const int index = static_cast<int>(colour & 0xFFu);
    for (const auto& [systemIndex, role] : kRoles)
        if (systemIndex == index) return role;
    return QPalette::WindowText;
}

QColor toQColor(ui::Colour colour, const QPalette& palette) {
    if (ui::isSystemColour(colour)) return palette.color(systemColourRole(colour));
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

// System colours come from the application's palette: the widget's own may already carry an
// earlier colour in the very role being resolved.
void setTextColour(QWidget& widget, ui::Colour colour) {
    QPalette palette = widget.palette();
    const QColor qcolour = toQColor(colour, QApplication::palette(&widget));
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(group, role, qcolour);
    }
    widget.setPalette(palette);
}

void setBackgroundColour(QWidget& widget, ui::Colour colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour, QApplication::palette(&widget)));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace quorvin::ui::qt
