#include "ui/edit.h"

#include <gtest/gtest.h>

#include "ui/clipboard.h"
#include "ui/form.h"
#include "ui/gbk.h"

namespace quorvin::ui {
namespace {

class MemoryClipboard : public Clipboard {
  public:
    std::string text() override { return content; }
    void setText(const std::string& gbk) override { content = gbk; }
    std::string content;
};

class EditTest : public ::testing::Test {
  protected:
    EditTest() : edit(form.add<Edit>("Edit1")) { form.setClipboard(&clipboard); }

    void type(const char* utf8) {
        for (char byte : toGbk(utf8))
            edit.typeByte(static_cast<KeyChar>(byte));
    }
    std::string text() const { return fromGbk(edit.text()); }

    Form form{"Form"};
    MemoryClipboard clipboard;
    Edit& edit;
};

TEST_F(EditTest, TypedDoubleByteCharactersArriveWhole) {
    type("a中b");
    EXPECT_EQ(text(), "a中b");
    EXPECT_EQ(edit.caret(), 4u);
}

TEST_F(EditTest, BackspaceRemovesAWholeCharacter) {
    type("ab中文");
    edit.backspace();
    EXPECT_EQ(text(), "ab中");
    edit.typeByte(0x08);
    EXPECT_EQ(text(), "ab");
    edit.backspace();
    EXPECT_EQ(text(), "a");
}

TEST_F(EditTest, DeleteAndCaretMovesStepOverWholeCharacters) {
    type("中a文");
    edit.moveCaret(Edit::Motion::Home, false);
    edit.moveCaret(Edit::Motion::Right, false);
    EXPECT_EQ(edit.caret(), 2u);
    edit.moveCaret(Edit::Motion::Right, false);
    edit.deleteForward();
    EXPECT_EQ(text(), "中a");
    edit.moveCaret(Edit::Motion::Left, false);
    EXPECT_EQ(edit.caret(), 2u);
    edit.moveCaret(Edit::Motion::Left, false);
    EXPECT_EQ(edit.caret(), 0u);
}

struct LimitCase {
    std::size_t limit;
    const char* typed;
    const char* expected;
};

class EditLimit : public EditTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(EditLimit, LimitCountsBytesAndNeverSplitsACharacter) {
    edit.setMaxLength(GetParam().limit);
    type(GetParam().typed);
    EXPECT_EQ(text(), GetParam().expected);
    EXPECT_LE(edit.text().size(), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditLimit,
                         ::testing::Values(LimitCase{3, "abcd", "abc"},
                                           LimitCase{3, "a中文", "a中"},
                                           LimitCase{4, "a中文", "a中"},
                                           LimitCase{5, "a中文", "a中文"}, LimitCase{1, "中", ""},
                                           LimitCase{2, "中a", "中"}));

TEST_F(EditTest, InsertReplacesTheSelectionWithinTheLimit) {
    edit.setMaxLength(4);
    type("abcd");
    edit.setSelection(1, 2);
    edit.insert(toGbk("中文"));
    // Two bytes were selected, so only one double-byte character fits.
    EXPECT_EQ(text(), "a中d");
}

TEST_F(EditTest, SelectionSnapsToCharacterBoundaries) {
    type("中文");
    edit.setSelection(1, 2);
    EXPECT_EQ(edit.selStart(), 0u);
    EXPECT_EQ(edit.selLength(), 4u);
    edit.setSelection(2, 1);
    EXPECT_EQ(edit.selStart(), 2u);
    EXPECT_EQ(edit.selLength(), 2u);
}

TEST_F(EditTest, SetTextPutsTheCaretAtTheStart) {
    edit.setText(toGbk("中文"));
    EXPECT_EQ(edit.caret(), 0u);
    EXPECT_EQ(edit.selLength(), 0u);
}

TEST_F(EditTest, ClipboardCharactersCopyCutAndPaste) {
    type("ab中");
    edit.selectAll();
    edit.typeByte(0x03);
    EXPECT_EQ(fromGbk(clipboard.content), "ab中");
    edit.typeByte(0x18);
    EXPECT_EQ(text(), "");
    clipboard.content = toGbk("文字\r\nnext line");
    edit.typeByte(0x16);
    EXPECT_EQ(text(), "文字");
}

TEST_F(EditTest, BlockedClipboardChangesNeitherTheLineNorTheClipboard) {
    type("abc");
    edit.setClipboardBlocked(true);
    clipboard.content = "pasted";
    edit.selectAll();
    edit.typeByte(0x03);
    edit.typeByte(0x18);
    edit.typeByte(0x16);
    EXPECT_EQ(text(), "abc");
    EXPECT_EQ(clipboard.content, "pasted");
}

TEST_F(EditTest, ControlCharactersAreNotText) {
    type("a");
    for (KeyChar ch : {KeyChar{0x0D}, KeyChar{0x1B}, KeyChar{0x09}, KeyChar{0x7F}})
        edit.typeByte(ch);
    EXPECT_EQ(text(), "a");
}

TEST_F(EditTest, OnChangeRunsForEveryEditButNotForACaretMove) {
    int changes = 0;
    edit.onChange = [&] { ++changes; };
    type("ab");
    edit.moveCaret(Edit::Motion::Left, false);
    edit.backspace();
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace quorvin::ui
