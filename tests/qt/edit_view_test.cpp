#include <QClipboard>
#include <QInputMethodEvent>
#include <string>
#include <vector>

#include "ui/edit.h"
#include "ui/qt/edit_widget.h"
#include "view_fixture.h"

namespace quorvin::ui::qt {
namespace {

// Records every handler call as "who:what".
class EditViewTest : public ViewTest {
  protected:
    EditViewTest() : edit(form.add<Edit>("Edit1")), other(form.add<Edit>("Edit2")) {
        edit.setBounds(10, 10, 300, 30);
        other.setBounds(10, 50, 300, 30);
        form.setClientSize(400, 100);
        form.setClipboard(&platform.clipboard());
        form.onKeyDown = [this](int& key, ShiftState) {
            log.push_back("form:down:" + std::to_string(key));
            if (key == consumeInForm) key = 0;
        };
        form.onKeyPress = [this](KeyChar& ch) { log.push_back(press("form", ch)); };
        form.onKeyUp = [this](int& key, ShiftState) {
            log.push_back("form:up:" + std::to_string(key));
        };
        edit.onKeyDown = [this](int& key, ShiftState) {
            log.push_back("edit:down:" + std::to_string(key));
        };
        edit.onKeyPress = [this](KeyChar& ch) { log.push_back(press("edit", ch)); };
        edit.onKeyUp = [this](int& key, ShiftState) {
            log.push_back("edit:up:" + std::to_string(key));
        };
    }

    static std::string press(const char* who, KeyChar ch) {
        return std::string(who) + ":press:" +
               (ch >= 0x20 && ch < 0x7F ? std::string(1, static_cast<char>(ch))
                                        : std::to_string(ch));
    }

    EditWidget& box() { return widget<EditWidget>(edit); }

    // The point between characters `before` and the next one of the shown text.
    QPoint pointAfter(const QString& before) {
        const QRect contents = box().contentsRect();
        return {contents.x() + 2 + box().fontMetrics().horizontalAdvance(before),
                contents.center().y()};
    }

    Edit& edit;
    Edit& other;
    std::vector<std::string> log;
    int consumeInForm = -1;
};

TEST_F(EditViewTest, TypedKeyRunsTheWindowsRouteThenShowsTheModelsText) {
    form.setKeyPreview(true);
    open();
    form.setFocus(edit);
    QTest::keyClick(&box(), Qt::Key_A);
    EXPECT_EQ(log, (std::vector<std::string>{"form:down:65", "edit:down:65", "form:press:a",
                                             "edit:press:a", "form:up:65", "edit:up:65"}));
    EXPECT_EQ(edit.text(), "a");
    EXPECT_EQ(box().text(), "a");
    EXPECT_EQ(box().cursorPosition(), 1);
}

TEST_F(EditViewTest, AKeyConsumedByTheFormNeverReachesTheEdit) {
    form.setKeyPreview(true);
    consumeInForm = 'B';
    open();
    form.setFocus(edit);
    QTest::keyClick(&box(), Qt::Key_B);
    EXPECT_EQ(log, (std::vector<std::string>{"form:down:66", "form:up:66", "edit:up:66"}));
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(box().text(), "");
}

TEST_F(EditViewTest, EditingKeysWorkOnlyThroughTheModel) {
    open();
    form.setFocus(edit);
    edit.setText(gbk("a中b"));
    edit.moveCaret(Edit::Motion::End, false);
    QTest::keyClick(&box(), Qt::Key_Left);
    QTest::keyClick(&box(), Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "ab");
    EXPECT_EQ(box().text(), "ab");
    QTest::keyClick(&box(), Qt::Key_Z, Qt::ControlModifier);  // no undo of Qt's own
    EXPECT_EQ(box().text(), "ab");
    EXPECT_EQ(box().cursorPosition(), 1);
}

TEST_F(EditViewTest, CommittedInputMethodTextReachesTheFocusedEditAsGbk) {
    form.setKeyPreview(true);
    open();
    form.setFocus(edit);
    QInputMethodEvent composing(QString::fromUtf8("nihao"), {});
    QCoreApplication::sendEvent(&box(), &composing);
    EXPECT_EQ(box().composing(), "nihao");
    EXPECT_EQ(edit.text(), "");

    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("你好"));
    QCoreApplication::sendEvent(&box(), &commit);
    EXPECT_EQ(edit.text(), gbk("你好"));
    EXPECT_EQ(box().text(), QString::fromUtf8("你好"));
    EXPECT_TRUE(box().composing().isEmpty());
    EXPECT_EQ(log.back(), "edit:up:229");
    EXPECT_TRUE(other.text().empty());
}

TEST_F(EditViewTest, ShowsTheModelsSelectionOverDoubleByteCharacters) {
    open();
    edit.setText(gbk("a中文b"));
    edit.setSelection(1, 4);
    EXPECT_EQ(box().selectedText(), QString::fromUtf8("中文"));
    EXPECT_EQ(box().cursorPosition(), 3);
    // Extending leftwards leaves the caret at the selection's start.
    edit.setSelection(6, 0);
    edit.moveCaret(Edit::Motion::Left, true);
    edit.moveCaret(Edit::Motion::Left, true);
    EXPECT_EQ(box().selectedText(), QString::fromUtf8("文b"));
    EXPECT_EQ(box().cursorPosition(), 2);
}

TEST_F(EditViewTest, MouseClicksAndDragsSelectThroughTheModel) {
    open();
    view->show();
    edit.setText("hello");
    QTest::mouseClick(&box(), Qt::LeftButton, {}, pointAfter("he"));
    EXPECT_EQ(edit.caret(), 2u);
    EXPECT_EQ(edit.selLength(), 0u);
    QTest::mouseClick(&box(), Qt::LeftButton, Qt::ShiftModifier, pointAfter("hell"));
    EXPECT_EQ(edit.selectedText(), "ll");
    EXPECT_EQ(box().selectedText(), "ll");

    QTest::mousePress(&box(), Qt::LeftButton, {}, pointAfter("h"));
    QMouseEvent drag(QEvent::MouseMove, pointAfter("hel"), box().mapToGlobal(pointAfter("hel")),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box(), &drag);
    QTest::mouseRelease(&box(), Qt::LeftButton, {}, pointAfter("hel"));
    EXPECT_EQ(edit.selectedText(), "el");
    EXPECT_EQ(box().text(), "hello");
}

TEST_F(EditViewTest, ClipboardKeysGoToTheModelWhichMayRefuseThem) {
    open();
    form.setFocus(edit);
    edit.setText("copy me");
    edit.selectAll();
    QTest::keyClick(&box(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "copy me");

    QGuiApplication::clipboard()->setText(QString::fromUtf8("粘贴"));
    edit.setClipboardBlocked(true);
    edit.selectAll();
    QTest::keyClick(&box(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&box(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "copy me");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("粘贴"));

    edit.setClipboardBlocked(false);
    edit.setSelection(7, 0);
    QTest::keyClick(&box(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "copy me" + gbk("粘贴"));
    EXPECT_EQ(box().text(), QString::fromUtf8("copy me粘贴"));
    EXPECT_EQ(box().contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(EditViewTest, InputMethodIsAllowedExactlyWhenTheFormSaysSo) {
    edit.setImeMode(ImeMode::Closed);
    open();
    form.setFocus(edit);
    const auto allowed = [this](Edit& e) {
        auto& w = widget<EditWidget>(e);
        EXPECT_EQ(w.inputMethodQuery(Qt::ImEnabled).toBool(),
                  w.testAttribute(Qt::WA_InputMethodEnabled));
        return w.testAttribute(Qt::WA_InputMethodEnabled);
    };
    EXPECT_FALSE(allowed(edit));
    EXPECT_TRUE(allowed(other));
    form.setApplyImeModes(false);
    EXPECT_TRUE(allowed(edit));
    form.setApplyImeModes(true);
    EXPECT_FALSE(allowed(edit));
    edit.setImeMode(ImeMode::Default);
    EXPECT_TRUE(allowed(edit));
}

}  // namespace
}  // namespace quorvin::ui::qt
