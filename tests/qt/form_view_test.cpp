#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/qt/edit_widget.h"
#include "ui/qt/radio_group_widget.h"
#include "ui/radio_group.h"
#include "view_fixture.h"

namespace quorvin::ui::qt {
namespace {

class FormWindowTest : public ViewTest {
  protected:
    FormWindowTest() : label(form.add<Label>("Label1")) {
        form.setCaption(gbk("Quorvin     2024年9月1日版"));
        form.setClientSize(961, 521);
        form.setBorderStyle(BorderStyle::Single);
        form.setPosition(FormPosition::ScreenCenter);
        form.onClose = [this] { ++closes; };
    }

    Label& label;
    int closes = 0;
};

TEST_F(FormWindowTest, WindowTakesTheFormsCaptionClientSizeAndBorder) {
    open();
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("Quorvin     2024年9月1日版"));
    EXPECT_EQ(view->size(), QSize(961, 521));
    // A single border is fixed: no resizing, no maximise box.
    EXPECT_EQ(view->minimumSize(), view->maximumSize());
    EXPECT_FALSE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(view->windowFlags() & Qt::WindowMinimizeButtonHint);

    form.setCaption(gbk("Quorvin----张三"));
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("Quorvin----张三"));
    form.setBorderStyle(BorderStyle::Sizeable);
    EXPECT_NE(view->minimumSize(), view->maximumSize());
    EXPECT_TRUE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(FormWindowTest, WindowCommandsAndTheDesktopsOwnChangesReachTheForm) {
    form.setMaximizeBox(true);
    std::vector<std::pair<WindowState, WindowState>> changes;
    form.onWindowStateChange = [&](WindowState from, WindowState to) {
        changes.emplace_back(from, to);
    };
    // The desktop's changes arrive queued.
    const auto reaches = [&](WindowState state) {
        return QTest::qWaitFor([&] { return form.windowState() == state; }, 2000);
    };
    open();
    view->show();
    // A single border with a maximise box lets the desktop maximise the window.
    EXPECT_TRUE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(view->minimumSize(), view->maximumSize());

    form.setBorderStyle(BorderStyle::None);
    form.setWindowState(WindowState::Maximized);
    EXPECT_TRUE(view->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(reaches(WindowState::Maximized));

    // The learner minimises and brings the window back from the taskbar.
    view->setWindowState(view->windowState() | Qt::WindowMinimized);
    EXPECT_TRUE(reaches(WindowState::Minimized));
    view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
    EXPECT_TRUE(reaches(WindowState::Maximized));

    form.setBorderStyle(BorderStyle::Single);
    form.setWindowState(WindowState::Normal);
    EXPECT_TRUE(reaches(WindowState::Normal));
    EXPECT_EQ(view->size(), QSize(961, 521));
    const std::vector<std::pair<WindowState, WindowState>> expected{
        {WindowState::Normal, WindowState::Maximized},
        {WindowState::Maximized, WindowState::Minimized},
        {WindowState::Minimized, WindowState::Maximized},
        {WindowState::Maximized, WindowState::Normal}};
    EXPECT_EQ(changes, expected);
}

TEST_F(FormWindowTest, BackgroundIsTheFormsColour) {
    form.setBackground(colours::Teal);
    open();
    EXPECT_EQ(view->palette().color(QPalette::Window), QColor(0, 128, 128));
    form.setBackground(colours::ButtonFace);
    EXPECT_EQ(view->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
}

TEST_F(FormWindowTest, OpensCentredOnTheScreen) {
    open();
    view->show();
    const QRect screen = view->screen()->availableGeometry();
    EXPECT_NEAR(view->geometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(view->geometry().center().y(), screen.center().y(), 2);
}

TEST_F(FormWindowTest, ClosingTheWindowClosesTheFormOnce) {
    open();
    view->show();
    QSignalSpy closed(view.get(), &FormView::closed);
    view->close();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form.closed());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(view->form(), nullptr);
    EXPECT_EQ(platform.viewOf(form), nullptr);
    // The form is let go: its later changes reach no widget.
    label.setCaption("late");
    EXPECT_NE(widget<QLabel>(label).text(), "late");
    EXPECT_EQ(label.observer(), nullptr);
}

TEST_F(FormWindowTest, ClosingTheFormClosesTheWindow) {
    open();
    view->show();
    QSignalSpy closed(view.get(), &FormView::closed);
    form.close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(FormWindowTest, HidingTheFormOnlyHidesTheWindow) {
    open();
    view->show();
    QSignalSpy closed(view.get(), &FormView::closed);
    form.hide();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(closed.count(), 0);
    form.show();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(closes, 0);
}

// Keys reaching any widget of the window go to the model's routing; what the model leaves
// alone works the focused non-edit widget as Qt would.
class WindowKeysTest : public ViewTest {
  protected:
    WindowKeysTest()
        : edit(form.add<Edit>("Edit1")),
          button(form.add<Button>("Button1")),
          group(form.add<RadioGroup>("RadioGroup1")) {
        edit.setBounds(10, 10, 200, 30);
        button.setBounds(10, 50, 80, 30);
        button.onClick = [this] { ++clicks; };
        group.setBounds(10, 90, 200, 120);
        group.setItems({"a", "b", "c"});
        group.setItemIndex(0);
        form.setClientSize(400, 300);
        form.onKeyDown = [this](int& key, ShiftState shift) {
            downs.push_back({key, shift});
            if (key == consume) key = 0;
        };
        form.setKeyPreview(true);
    }

    struct Down {
        int key;
        ShiftState shift;
        bool operator==(const Down&) const = default;
    };

    Edit& edit;
    Button& button;
    RadioGroup& group;
    std::vector<Down> downs;
    int consume = -1;
    int clicks = 0;
};

TEST_F(WindowKeysTest, EscapeAndShiftEscapeReachTheFormWithTheirShiftState) {
    openActive();
    form.setFocus(edit);
    auto& target = widget<EditWidget>(edit);
    QTest::keyClick(&target, Qt::Key_Escape);
    QTest::keyClick(&target, Qt::Key_Escape, Qt::ShiftModifier);  // Shift goes down first
    EXPECT_EQ(downs,
              (std::vector<Down>{
                  {vk::Escape, NoModifier}, {vk::Shift, ShiftDown}, {vk::Escape, ShiftDown}}));
}

TEST_F(WindowKeysTest, TabIsAKeyForTheModelAndMovesNoFocus) {
    openActive();
    form.setFocus(edit);
    auto& target = widget<EditWidget>(edit);
    ASSERT_EQ(QApplication::focusWidget(), &target);
    QTest::keyClick(&target, Qt::Key_Tab);
    QTest::keyClick(&target, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(downs, (std::vector<Down>{
                         {vk::Tab, NoModifier}, {vk::Shift, ShiftDown}, {vk::Tab, ShiftDown}}));
    EXPECT_EQ(QApplication::focusWidget(), &target);
    EXPECT_EQ(form.focusedControl(), &edit);
}

TEST_F(WindowKeysTest, TheModelsFocusBecomesQtsFocus) {
    openActive();
    form.setFocus(button);
    EXPECT_EQ(QApplication::focusWidget(), &widget<QPushButton>(button));
    form.setFocus(edit);
    EXPECT_EQ(QApplication::focusWidget(), &widget<EditWidget>(edit));
    form.setFocus(group);
    EXPECT_EQ(QApplication::focusWidget(),
              static_cast<QWidget*>(widget<RadioGroupWidget>(group).buttons()[0]));
}

TEST_F(WindowKeysTest, ActivatingTheWindowKeepsTheModelsFocus) {
    // Qt would give the first widget that takes a focus (the edit box) the focus; the model's
    // focus is nowhere, so keys go to the window.
    openActive();
    QCoreApplication::processEvents();
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == nullptr || focus == view.get());
    QTest::keyClick(focus ? focus : view.get(), Qt::Key_Down);
    EXPECT_EQ(group.itemIndex(), 0);
    EXPECT_EQ(downs, (std::vector<Down>{{vk::Down, NoModifier}}));
}

TEST_F(WindowKeysTest, ClickingAControlGivesTheModelItsFocus) {
    openActive();
    form.setFocus(edit);
    QTest::mouseClick(&widget<QPushButton>(button), Qt::LeftButton);
    EXPECT_EQ(form.focusedControl(), &button);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowKeysTest, KeysTheModelLeavesWorkTheFocusedWidget) {
    openActive();
    form.setFocus(group);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(group.itemIndex(), 1);
    form.setFocus(button);
    QTest::keyClick(&widget<QPushButton>(button), Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs.size(), 2u);
}

TEST_F(WindowKeysTest, KeysTheModelConsumesNeverReachTheWidget) {
    openActive();
    form.setFocus(button);
    consume = vk::Space;
    QTest::keyClick(&widget<QPushButton>(button), Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
    form.setFocus(group);
    consume = vk::Down;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(group.itemIndex(), 0);
}

TEST_F(WindowKeysTest, AKeyIsDeliveredOnceThoughItTravelsUpTheParents) {
    openActive();
    form.setFocus(group);
    // Escape means nothing to a radio button, so Qt passes it on to the group and the window.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(downs, (std::vector<Down>{{vk::Escape, NoModifier}}));
}

}  // namespace
}  // namespace quorvin::ui::qt
