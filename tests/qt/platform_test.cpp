#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <set>
#include <thread>

#include "ui/form.h"
#include "ui/gbk.h"
#include "ui/popup_menu.h"
#include "ui/qt/form_view.h"
#include "ui/qt/menu.h"
#include "ui/qt/message_box.h"
#include "ui/qt/qt_platform.h"

namespace quorvin::ui::qt {
namespace {

struct BoxCase {
    MessageIcon icon;
    MessageButtons buttons;
    QMessageBox::Icon qtIcon;
    QMessageBox::StandardButtons qtButtons;
    QMessageBox::StandardButton defaultButton;
};

TEST(MessageBoxTest, ShowsTheModelsCaptionTextIconAndButtons) {
    const BoxCase cases[] = {
        {MessageIcon::None, MessageButtons::Ok, QMessageBox::NoIcon, QMessageBox::Ok,
         QMessageBox::Ok},
        {MessageIcon::Information, MessageButtons::Ok, QMessageBox::Information, QMessageBox::Ok,
         QMessageBox::Ok},
        {MessageIcon::Warning, MessageButtons::OkCancel, QMessageBox::Warning,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok},
        {MessageIcon::Error, MessageButtons::Ok, QMessageBox::Critical, QMessageBox::Ok,
         QMessageBox::Ok},
        {MessageIcon::Question, MessageButtons::YesNo, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.icon));
        const auto box = makeMessageBox(toGbk("文件打开失败！"), toGbk("错误"), c.icon, c.buttons);
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8("错误"));
        EXPECT_EQ(box->text(), QString::fromUtf8("文件打开失败！"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), c.qtIcon);
        EXPECT_EQ(box->standardButtons(), c.qtButtons);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
        EXPECT_EQ(box->parentWidget(), nullptr);
    }
}

TEST(MessageBoxTest, AnswersFollowTheButtonPressedOrTheEscapeButton) {
    EXPECT_EQ(toAnswer(QMessageBox::Ok, MessageButtons::OkCancel), MessageAnswer::Ok);
    EXPECT_EQ(toAnswer(QMessageBox::Cancel, MessageButtons::OkCancel), MessageAnswer::Cancel);
    EXPECT_EQ(toAnswer(QMessageBox::Yes, MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(toAnswer(QMessageBox::No, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(toAnswer(QMessageBox::NoButton, MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(toAnswer(QMessageBox::NoButton, MessageButtons::OkCancel), MessageAnswer::Cancel);
    EXPECT_EQ(toAnswer(QMessageBox::NoButton, MessageButtons::YesNo), MessageAnswer::No);
}

TEST(MessageBoxTest, RunsModallyAndReturnsTheAnswer) {
    QtPlatform platform;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.messageBox(toGbk("删除吗？"), toGbk("提示"), MessageIcon::Question,
                                  MessageButtons::YesNo),
              MessageAnswer::No);
}

class MenuTest : public ::testing::Test {
  protected:
    MenuTest() {
        menu.add("N1", toGbk("使用帮助")).onClick = [this] { chosen.push_back("N1"); };
        menu.add("N2", "-");
        menu.add("N3", toGbk("关于")).onClick = [this] { chosen.push_back("N3"); };
    }

    PopupMenu menu{"PopupMenu2"};
    std::vector<std::string> chosen;
};

TEST_F(MenuTest, ItemsBecomeActionsAndDashesSeparators) {
    const auto shown = makeMenu(menu);
    const QList<QAction*> actions = shown->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QString::fromUtf8("使用帮助"));
    EXPECT_EQ(actions[0]->data().toInt(), 0);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), QString::fromUtf8("关于"));
    EXPECT_EQ(actions[2]->data().toInt(), 2);
}

TEST_F(MenuTest, ChoosingAnItemRunsItsHandlerAfterTheMenuCloses) {
    QtPlatform platform;
    bool menuWasOpen = false;
    QTimer::singleShot(0, [&] {
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(open, nullptr);
        menuWasOpen = chosen.empty();
        open->setActiveAction(open->actions()[2]);
        QTest::keyClick(open, Qt::Key_Return);
    });
    platform.popupMenu(menu, {100, 120});
    EXPECT_TRUE(menuWasOpen);
    EXPECT_EQ(chosen, std::vector<std::string>{"N3"});
}

class WindowsTest : public ::testing::Test {
  protected:
    WindowsTest() {
        main.setClientSize(600, 400);
        dialog.setClientSize(200, 100);
        dialog.setPosition(FormPosition::MainFormCenter);
        dialog.onClose = [this] { ++dialogCloses; };
        platform.setMainForm(main);
    }

    QtPlatform platform;
    Form main{"TForm1"};
    Form dialog{"TForm3"};
    int dialogCloses = 0;
};

TEST_F(WindowsTest, ModalFormRunsUntilItClosesAndGivesItsResult) {
    FormView mainView(main, platform);
    mainView.move(50, 60);
    mainView.show();
    bool wasModal = false;
    QPoint offCentre;
    QTimer::singleShot(0, [&] {
        FormView* shown = platform.viewOf(dialog);
        ASSERT_NE(shown, nullptr);
        wasModal = shown->isModal() && shown->isVisible();
        offCentre = shown->geometry().center() - mainView.geometry().center();
        dialog.setModalResult(7);
        dialog.close();
    });
    EXPECT_EQ(platform.showModal(dialog), 7);
    EXPECT_TRUE(wasModal);
    EXPECT_LE(offCentre.manhattanLength(), 2);
    EXPECT_EQ(dialogCloses, 1);
    EXPECT_EQ(platform.viewOf(dialog), nullptr);
}

TEST_F(WindowsTest, ModalFormClosedByItsWindowEndsTheWait) {
    QTimer::singleShot(0, [&] { platform.viewOf(dialog)->close(); });
    EXPECT_EQ(platform.showModal(dialog), 0);
    EXPECT_EQ(dialogCloses, 1);
    EXPECT_TRUE(dialog.closed());
}

TEST_F(WindowsTest, ModelessFormShowsAndGoesAwayWhenItCloses) {
    platform.showModeless(dialog);
    QPointer<FormView> shown = platform.viewOf(dialog);
    ASSERT_FALSE(shown.isNull());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(shown->isModal());
    dialog.close();
    EXPECT_EQ(dialogCloses, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.isNull(); }, 1000));
}

TEST_F(WindowsTest, ClosingTheMainWindowLetsTheOthersGoUnclosed) {
    auto mainView = std::make_unique<FormView>(main, platform);
    platform.showModeless(dialog);
    QPointer<FormView> other = platform.viewOf(dialog);
    mainView->close();
    EXPECT_TRUE(main.closed());
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(dialogCloses, 0);
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(other->form(), nullptr);
    EXPECT_FALSE(other->isVisible());
}

TEST(PlatformTest, CallsPostedFromAnotherThreadRunLaterOnTheUserInterfaceThread) {
    QtPlatform platform;
    const QThread* uiThread = QThread::currentThread();
    std::atomic<const QThread*> ranOn = nullptr;
    std::atomic<bool> posted = false;
    std::thread worker = platform.startThread([&] {
        platform.postToUiThread([&] { ranOn = QThread::currentThread(); });
        posted = true;  // the post returns without waiting for the call
    });
    worker.join();
    EXPECT_TRUE(posted);
    EXPECT_EQ(ranOn.load(), nullptr);  // not before the event loop runs
    EXPECT_TRUE(QTest::qWaitFor([&] { return ranOn.load() != nullptr; }, 2000));
    EXPECT_EQ(ranOn.load(), uiThread);
}

TEST(PlatformTest, RandomDrawsCoverTheRangeAndNothingElse) {
    QtPlatform platform;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i)
        seen.insert(platform.random(6));
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(platform.random(1), 0);
    EXPECT_EQ(platform.random(0), 0);
}

TEST(PlatformTest, LocalTimeCountsWeekdaysFromSunday) {
    QtPlatform platform;
    const LocalTime now = platform.localTime();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(now.year, today.year());
    EXPECT_EQ(now.month, today.month());
    EXPECT_EQ(now.dayOfWeek, today.dayOfWeek() % 7);
    EXPECT_EQ(QDate(2024, 9, 1).dayOfWeek() % 7, 0);  // a Sunday
}

TEST(PlatformTest, ClipboardSpeaksGbk) {
    QtPlatform platform;
    platform.clipboard().setText(toGbk("中文"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("中文"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("拼音"));
    EXPECT_EQ(platform.clipboard().text(), toGbk("拼音"));
}

TEST(PlatformTest, TerminateIsRememberedForMain) {
    QtPlatform platform;
    EXPECT_FALSE(platform.terminated());
    platform.terminate();
    EXPECT_TRUE(platform.terminated());
}

}  // namespace
}  // namespace quorvin::ui::qt
