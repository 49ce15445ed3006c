#include <gtest/gtest.h>

#include <QKeyEvent>
#include <optional>
#include <string>

#include "ui/gbk.h"
#include "ui/qt/key_translation.h"

namespace quorvin::ui::qt {
namespace {

struct KeyCase {
    const char* name;
    QEvent::Type type;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString qtText;
    std::optional<KeyStroke> expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

KeyStroke stroke(int key, ShiftState shift, std::string text = {}) {
    return KeyStroke{key, shift, std::move(text)};
}

class KeyTranslationTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTranslationTest, GivesTheWindowKeyAndItsCharacters) {
    const KeyCase& c = GetParam();
    const QKeyEvent event(c.type, c.qtKey, c.modifiers, c.qtText);
    const auto result = translateKey(event);
    ASSERT_EQ(result.has_value(), c.expected.has_value());
    if (!result) return;
    EXPECT_EQ(result->key, c.expected->key);
    EXPECT_EQ(result->shift, c.expected->shift);
    EXPECT_EQ(result->text, c.expected->text);
}

constexpr auto Press = QEvent::KeyPress;
constexpr auto Release = QEvent::KeyRelease;
constexpr auto None = Qt::NoModifier;
constexpr auto Shift = Qt::ShiftModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTranslationTest,
    ::testing::Values(
        KeyCase{"LowerLetter", Press, Qt::Key_A, None, "a", stroke('A', NoModifier, "a")},
        KeyCase{"UpperLetter", Press, Qt::Key_A, Shift, "A", stroke('A', ShiftDown, "A")},
        KeyCase{"Digit", Press, Qt::Key_5, None, "5", stroke('5', NoModifier, "5")},
        // Shift+5 reports '%'; the key is still the digit's.
        KeyCase{"ShiftedDigit", Press, Qt::Key_Percent, Shift, "%", stroke('5', ShiftDown, "%")},
        KeyCase{"Space", Press, Qt::Key_Space, None, " ", stroke(vk::Space, NoModifier, " ")},
        KeyCase{"Escape", Press, Qt::Key_Escape, None, "", stroke(vk::Escape, NoModifier, "\x1b")},
        KeyCase{"ShiftEscape", Press, Qt::Key_Escape, Shift, "\x1b",
                stroke(vk::Escape, ShiftDown, "\x1b")},
        KeyCase{"Return", Press, Qt::Key_Return, None, "\r", stroke(vk::Return, NoModifier, "\r")},
        KeyCase{"KeypadEnter", Press, Qt::Key_Enter, Qt::KeypadModifier, "\r",
                stroke(vk::Return, NoModifier, "\r")},
        KeyCase{"Backspace", Press, Qt::Key_Backspace, None, "\b",
                stroke(vk::Back, NoModifier, "\b")},
        // X11 gives Delete the text DEL; a window's Delete types nothing.
        KeyCase{"Delete", Press, Qt::Key_Delete, None, "\x7f", stroke(vk::Delete, NoModifier)},
        KeyCase{"Tab", Press, Qt::Key_Tab, None, "\t", stroke(vk::Tab, NoModifier, "\t")},
        KeyCase{"Backtab", Press, Qt::Key_Backtab, Shift, "", stroke(vk::Tab, ShiftDown, "\t")},
        KeyCase{"CtrlC", Press, Qt::Key_C, Qt::ControlModifier, "c", stroke('C', CtrlDown, "\x03")},
        KeyCase{"CtrlV", Press, Qt::Key_V, Qt::ControlModifier, "", stroke('V', CtrlDown, "\x16")},
        KeyCase{"CtrlDigitTypesNothing", Press, Qt::Key_1, Qt::ControlModifier, "1",
                stroke('1', CtrlDown)},
        KeyCase{"AltLetterTypesNothing", Press, Qt::Key_A, Qt::AltModifier, "a",
                stroke('A', AltDown)},
        KeyCase{"F1", Press, Qt::Key_F1, None, "", stroke(vk::F1, NoModifier)},
        KeyCase{"F12", Press, Qt::Key_F12, None, "", stroke(123, NoModifier)},
        KeyCase{"Left", Press, Qt::Key_Left, None, "", stroke(vk::Left, NoModifier)},
        KeyCase{"ShiftEnd", Press, Qt::Key_End, Shift, "", stroke(vk::End, ShiftDown)},
        KeyCase{"Semicolon", Press, Qt::Key_Semicolon, None, ";", stroke(186, NoModifier, ";")},
        KeyCase{"Colon", Press, Qt::Key_Colon, Shift, ":", stroke(186, ShiftDown, ":")},
        KeyCase{"Apostrophe", Press, Qt::Key_Apostrophe, None, "'", stroke(222, NoModifier, "'")},
        KeyCase{"KeypadDigit", Press, Qt::Key_5, Qt::KeypadModifier, "5",
                stroke(101, NoModifier, "5")},
        // A character from another layout keeps its text under a key code of its own.
        KeyCase{"ForeignCharacter", Press, 0x4E2D, None, QString::fromUtf8("中"),
                stroke(223, NoModifier, toGbk("中"))},
        KeyCase{"ShiftDownHoldsShift", Press, Qt::Key_Shift, None, "",
                stroke(vk::Shift, ShiftDown)},
        KeyCase{"ShiftUpReleasesShift", Release, Qt::Key_Shift, Shift, "",
                stroke(vk::Shift, NoModifier)},
        KeyCase{"ReleaseTypesNothing", Release, Qt::Key_A, None, "a", stroke('A', NoModifier)},
        KeyCase{"UnknownSilentKey", Press, Qt::Key_MediaPlay, None, "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvin::ui::qt
