#include "key_translation.h"

#include <QKeyEvent>
#include <utility>

#include "text.h"

namespace quorvin::ui::qt {

namespace {

// Window keyboards name punctuation keys by their place on the US layout.
constexpr int kOem1 = 186;       // ;:
constexpr int kOemPlus = 187;    // =+
constexpr int kOemComma = 188;   // ,<
constexpr int kOemMinus = 189;   // -_
constexpr int kOemPeriod = 190;  // .>
constexpr int kOem2 = 191;       // /?
constexpr int kOem3 = 192;       // `~
constexpr int kOem4 = 219;       // [{
constexpr int kOem5 = 220;       // \|
constexpr int kOem6 = 221;       // ]}
constexpr int kOem7 = 222;       // '"
// A character key outside the US layout.
constexpr int kOem8 = 223;

constexpr std::pair<Qt::Key, int> kKeys[] = {
    {Qt::Key_Backspace, vk::Back},
    {Qt::Key_Tab, vk::Tab},
    {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},
    {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control},
    {Qt::Key_Alt, vk::Menu},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, vk::Delete},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // Shifted digits report their symbol; the key is the digit's.
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, kOem1},
    {Qt::Key_Colon, kOem1},
    {Qt::Key_Equal, kOemPlus},
    {Qt::Key_Plus, kOemPlus},
    {Qt::Key_Comma, kOemComma},
    {Qt::Key_Less, kOemComma},
    {Qt::Key_Minus, kOemMinus},
    {Qt::Key_Underscore, kOemMinus},
    {Qt::Key_Period, kOemPeriod},
    {Qt::Key_Greater, kOemPeriod},
    {Qt::Key_Slash, kOem2},
    {Qt::Key_Question, kOem2},
    {Qt::Key_QuoteLeft, kOem3},
    {Qt::Key_AsciiTilde, kOem3},
    {Qt::Key_BracketLeft, kOem4},
    {Qt::Key_BraceLeft, kOem4},
    {Qt::Key_Backslash, kOem5},
    {Qt::Key_Bar, kOem5},
    {Qt::Key_BracketRight, kOem6},
    {Qt::Key_BraceRight, kOem6},
    {Qt::Key_Apostrophe, kOem7},
    {Qt::Key_QuoteDbl, kOem7},
};

// Keys of the numeric keypad with their own codes.
int keypadKey(Qt::Key key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}

ui::ShiftState shiftState(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    auto state = ui::NoModifier;
    if (modifiers & Qt::ShiftModifier) state = state | ui::ShiftDown;
    if (modifiers & Qt::ControlModifier) state = state | ui::CtrlDown;
    if (modifiers & Qt::AltModifier) state = state | ui::AltDown;
    // A modifier key counts itself as held while it goes down, and no longer once it is up.
    const bool press = event.type() == QEvent::KeyPress;
    const auto own = event.key() == Qt::Key_Shift     ? ui::ShiftDown
                     : event.key() == Qt::Key_Control ? ui::CtrlDown
                     : event.key() == Qt::Key_Alt     ? ui::AltDown
                                                      : ui::NoModifier;
    if (press) return state | own;
    return static_cast<ui::ShiftState>(state & ~own);
}

// The characters a press types, as a window's keyboard makes them.
std::string typedText(const QKeyEvent& event, ui::ShiftState shift) {
    if (event.type() != QEvent::KeyPress) return {};
    const auto key = static_cast<Qt::Key>(event.key());
    switch (key) {
        case Qt::Key_Backspace:
            return "\b";
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return "\r";
        case Qt::Key_Escape:
            return "\x1b";
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return "\t";
        case Qt::Key_Delete:
            return {};
        default:
            break;
    }
    if (shift & ui::AltDown) return {};
    if (shift & ui::CtrlDown) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::string(1, char(key - Qt::Key_A + 1));
        return {};
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7F)
        return {};
    return toGbkBytes(text);
}

}  // namespace

int virtualKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = keypadKey(key)) return code;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::F1 + (key - Qt::Key_F1);
    for (const auto& [qtKey, code] : kKeys)
        if (qtKey == key) return code;
    return 0;
}

std::optional<KeyStroke> translateKey(const QKeyEvent& event) {
    KeyStroke stroke;
    stroke.shift = shiftState(event);
    stroke.key = virtualKey(static_cast<Qt::Key>(event.key()), event.modifiers());
    stroke.text = typedText(event, stroke.shift);
    if (stroke.key == 0) {
        if (stroke.text.empty() && event.text().isEmpty()) return std::nullopt;
        stroke.key = kOem8;
    }
    return stroke;
}

}  // namespace quorvin::ui::qt
