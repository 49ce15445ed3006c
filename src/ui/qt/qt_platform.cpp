#include "qt_platform.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QScreen>
#include <QThread>
#include <QUrl>

#include "form_view.h"
#include "ini_settings_store.h"
#include "menu.h"
#include "message_box.h"

namespace quorvin::ui::qt {

namespace {

// Ends the running event loops. Outside any loop it does nothing: an exit there would make every
// later loop, modal ones included, end at once.
void exitEventLoops() {
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

}  // namespace

QtPlatform::QtPlatform() {
    monotonic_.start();
}

std::unique_ptr<ui::SettingsStore> QtPlatform::openSettingsStore(
    const std::filesystem::path& file) {
    return std::make_unique<IniSettingsStore>(file);
}

QtPlatform::~QtPlatform() {
    for (const QPointer<FormView>& view : modeless_)
        delete view.data();
}

ui::MessageAnswer QtPlatform::messageBox(const std::string& text, const std::string& caption,
                                         ui::MessageIcon icon, ui::MessageButtons buttons) {
    const auto box = makeMessageBox(text, caption, icon, buttons);
    return toAnswer(static_cast<QMessageBox::StandardButton>(box->exec()), buttons);
}

int QtPlatform::showModal(ui::Form& form) {
    if (form.closed()) return form.modalResult();
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = mainView();
    FormView view(form, *this, owner);
    view.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&view, &FormView::closed, &loop, &QEventLoop::quit);
    view.show();
    if (view.form()) loop.exec(QEventLoop::DialogExec);
    return form.modalResult();
}

void QtPlatform::showModeless(ui::Form& form) {
    if (viewOf(form)) {
        bringToFront(form);
        return;
    }
    auto* view = new FormView(form, *this);
    view->setAttribute(Qt::WA_DeleteOnClose);
    std::erase_if(modeless_, [](const QPointer<FormView>& gone) { return gone.isNull(); });
    modeless_.emplace_back(view);
    view->show();
}

void QtPlatform::popupMenu(ui::PopupMenu& menu, ui::Point at) {
    const auto shown = makeMenu(menu);
    const QAction* chosen = shown->exec(QPoint(at.x, at.y));
    if (!chosen) return;
    // The handler runs after the menu has gone, and may change the menu itself.
    const auto index = static_cast<std::size_t>(chosen->data().toInt());
    if (index >= menu.items().size()) return;
    const auto handler = menu.items()[index].onClick;
    if (handler) handler();
}

ui::Point QtPlatform::cursorPosition() {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

bool QtPlatform::openDocument(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A scheme of one letter is a drive, not an address.
    const QUrl address(text);
    const bool isAddress = address.isValid() && address.scheme().size() > 1;
    return QDesktopServices::openUrl(isAddress ? address : QUrl::fromLocalFile(text));
}

void QtPlatform::bringToFront(ui::Form& form) {
    FormView* view = viewOf(form);
    if (!view) return;
    view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
    view->raise();
    view->activateWindow();
}

ui::Size QtPlatform::screenSize() {
    const FormView* main = mainView();
    const QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

ui::LocalTime QtPlatform::localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(),   date.month(),  date.day(),  time.hour(),
            time.minute(), time.second(), time.msec(), date.dayOfWeek() % 7};
}

int QtPlatform::random(int range) {
    if (range <= 1) return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(random_);
}

void QtPlatform::postToUiThread(std::function<void()> call) {
    QMetaObject::invokeMethod(uiThread_.get(), std::move(call), Qt::QueuedConnection);
}

std::thread QtPlatform::startThread(std::function<void()> body) {
    return std::thread(std::move(body));
}

void QtPlatform::terminate() {
    terminated_ = true;
    QMetaObject::invokeMethod(uiThread_.get(), &exitEventLoops, Qt::QueuedConnection);
}

FormView* QtPlatform::mainView() const {
    return mainForm_ ? viewOf(*mainForm_) : nullptr;
}

FormView* QtPlatform::viewOf(const ui::Form& form) const {
    const auto found = views_.find(&form);
    return found == views_.end() ? nullptr : found->second;
}

void QtPlatform::registerView(const ui::Form& form, FormView& view) {
    views_[&form] = &view;
}

void QtPlatform::unregisterView(const ui::Form& form, FormView& view) {
    const auto found = views_.find(&form);
    if (found != views_.end() && found->second == &view) views_.erase(found);
    if (&form != mainForm_ || !form.closed()) return;
    // The program ends with its main window; the other windows go with it, their forms unclosed.
    const auto others = views_;
    for (const auto& [otherForm, other] : others) {
        other->detach();
        other->close();
    }
    exitEventLoops();
}

}  // namespace quorvin::ui::qt
