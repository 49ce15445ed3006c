#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/gbk.h"

namespace quorvin::ui {
namespace {

// Records every handler call as "who:what".
class KeyRoutingTest : public ::testing::Test {
  protected:
    KeyRoutingTest() : edit(form.add<Edit>("Edit1")) {
        form.onKeyDown = [this](int& key, ShiftState) {
            log.push_back("form:down:" + std::to_string(key));
            if (key == consumeInForm) key = 0;
        };
        form.onKeyPress = [this](KeyChar& ch) {
            log.push_back(std::string("form:press:") + static_cast<char>(ch));
            if (ch == swallowInForm) ch = 0;
        };
        form.onKeyUp = [this](int& key, ShiftState) {
            log.push_back("form:up:" + std::to_string(key));
        };
        edit.onKeyDown = [this](int& key, ShiftState) {
            log.push_back("edit:down:" + std::to_string(key));
        };
        edit.onKeyPress = [this](KeyChar& ch) {
            log.push_back(std::string("edit:press:") + static_cast<char>(ch));
        };
        edit.onKeyUp = [this](int& key, ShiftState) {
            log.push_back("edit:up:" + std::to_string(key));
        };
        form.setFocus(edit);
    }

    Form form{"Form"};
    Edit& edit;
    std::vector<std::string> log;
    int consumeInForm = -1;
    int swallowInForm = -1;
};

TEST_F(KeyRoutingTest, KeyPreviewShowsTheFormEveryKeyFirst) {
    form.setKeyPreview(true);
    form.typeKey('A', NoModifier, "a");
    form.keyUp('A', NoModifier);
    EXPECT_EQ(log, (std::vector<std::string>{"form:down:65", "edit:down:65", "form:press:a",
                                             "edit:press:a", "form:up:65", "edit:up:65"}));
    EXPECT_EQ(edit.text(), "a");
}

TEST_F(KeyRoutingTest, WithoutKeyPreviewOnlyTheFocusedControlSeesKeys) {
    form.setKeyPreview(false);
    form.typeKey('B', NoModifier, "b");
    form.keyUp('B', NoModifier);
    EXPECT_EQ(log, (std::vector<std::string>{"edit:down:66", "edit:press:b", "edit:up:66"}));
}

TEST_F(KeyRoutingTest, AConsumedKeyDownReachesNothingElseAndTypesNothing) {
    form.setKeyPreview(true);
    consumeInForm = vk::Escape;
    form.typeKey(vk::Escape, NoModifier, "\x1b");
    EXPECT_EQ(log, (std::vector<std::string>{"form:down:27"}));
}

TEST_F(KeyRoutingTest, ASwallowedCharacterIsNotTyped) {
    form.setKeyPreview(true);
    swallowInForm = 'x';
    form.typeKey('X', NoModifier, "x");
    form.typeKey('Y', NoModifier, "y");
    EXPECT_EQ(edit.text(), "y");
    EXPECT_EQ(std::count(log.begin(), log.end(), "edit:press:x"), 0);
}

TEST_F(KeyRoutingTest, KeysGoToTheFormWhenTheFocusedControlCannotTakeThem) {
    form.setKeyPreview(false);
    edit.setEnabled(false);
    form.typeKey('A', NoModifier, "a");
    edit.setEnabled(true);
    edit.hide();
    form.keyUp('A', NoModifier);
    EXPECT_EQ(log, (std::vector<std::string>{"form:down:65", "form:press:a", "form:up:65"}));
    EXPECT_EQ(edit.text(), "");
}

TEST_F(KeyRoutingTest, DefaultKeyDownEditsOnlyWhenHandlersLeaveTheKey) {
    form.setKeyPreview(true);
    edit.setText("abc");
    edit.moveCaret(Edit::Motion::End, false);
    form.keyDown(vk::Left, NoModifier);
    form.keyDown(vk::Delete, NoModifier);
    EXPECT_EQ(edit.text(), "ab");
    consumeInForm = vk::Delete;
    edit.moveCaret(Edit::Motion::Home, false);
    form.keyDown(vk::Delete, NoModifier);
    EXPECT_EQ(edit.text(), "ab");
}

TEST_F(KeyRoutingTest, CommittedInputMethodTextArrivesAsGbkThenAKeyUp) {
    form.setKeyPreview(false);
    form.commitText(toGbk("你好"));
    EXPECT_EQ(fromGbk(edit.text()), "你好");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "edit:up:" + std::to_string(vk::ProcessKey));
}

TEST_F(KeyRoutingTest, FocusIsRefusedForHiddenOrDisabledControls) {
    Edit& other = form.add<Edit>("Edit2");
    other.hide();
    EXPECT_FALSE(form.setFocus(other));
    other.show();
    other.setEnabled(false);
    EXPECT_FALSE(form.setFocus(other));
    other.setEnabled(true);
    other.setText("carried");
    EXPECT_TRUE(form.setFocus(other));
    // Taking the focus selects the text, so the next key replaces it.
    EXPECT_EQ(other.selLength(), 7u);
    form.typeKey('Z', NoModifier, "z");
    EXPECT_EQ(other.text(), "z");
}

TEST(InputMethodPolicy, ClosedModeAppliesOnlyWhileTheSwitchIsOn) {
    Form form("Form");
    Edit& closed = form.add<Edit>("Edit1");
    Edit& open = form.add<Edit>("Edit2");
    closed.setImeMode(ImeMode::Closed);
    EXPECT_FALSE(form.inputMethodAllowed(closed));
    EXPECT_TRUE(form.inputMethodAllowed(open));
    form.setApplyImeModes(false);
    EXPECT_TRUE(form.inputMethodAllowed(closed));
}

}  // namespace
}  // namespace quorvin::ui
