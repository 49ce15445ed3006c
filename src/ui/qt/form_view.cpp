#include "form_view.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScreen>

#include "fonts.h"
#include "palette.h"
#include "qt_platform.h"
#include "text.h"

namespace quorvin::ui::qt {

FormView::FormView(ui::Form& form, QtPlatform& platform, QWidget* owner)
    : QWidget(owner, Qt::Window), form_(&form), platform_(platform) {
    setObjectName(QString::fromStdString(form.name()));
    for (const auto& control : form.controls()) {
        auto view = makeControlView(*control, *this);
        if (!view) continue;
        view->updateAll();
        byControl_[control.get()] = view.get();
        byWidget_[&view->widget()] = view.get();
        control->setObserver(this);
        views_.push_back(std::move(view));
    }
    watch(*this);
    form.setObserver(this);
    for (const auto property : {ui::Property::Caption, ui::Property::Colour, ui::Property::Font,
                                ui::Property::BorderStyle})
        formChanged(property);
    updateInputMethods();
    showModelFocus();
    platform_.registerView(form, *this);
}

FormView::~FormView() {
    detach();
}

QWidget* FormView::widgetFor(const ui::Control& control) const {
    const auto found = byControl_.find(&control);
    return found == byControl_.end() ? nullptr : &found->second->widget();
}

void FormView::detach() {
    if (!form_) return;
    ui::Form& form = *form_;
    form_ = nullptr;
    for (const auto& view : views_) {
        if (view->control().observer() == this) view->control().setObserver(nullptr);
        view->release();
    }
    if (form.observer() == this) form.setObserver(nullptr);
    platform_.unregisterView(form, *this);
    emit closed();
}

void FormView::changed(ui::Control& control, ui::Property property) {
    if (&control == form_) {
        formChanged(property);
        return;
    }
    const auto found = byControl_.find(&control);
    if (found == byControl_.end()) return;
    found->second->update(property);
    if (property == ui::Property::ImeMode) updateInputMethods();
}

void FormView::formChanged(ui::Property property) {
    switch (property) {
        case ui::Property::Caption:
            setWindowTitle(toQt(form_->caption()));
            break;
        case ui::Property::Colour:
            setBackgroundColour(*this, form_->background());
            setTextColour(*this, form_->colour());
            break;
        case ui::Property::Font:
            setFont(toQFont(form_->font()));
            break;
        case ui::Property::Geometry:
            applySize();
            if (placed_ && form_->position() == ui::FormPosition::Designed)
                move(form_->left(), form_->top());
            break;
        case ui::Property::BorderStyle:
            applyFrame();
            break;
        case ui::Property::WindowState:
            applyWindowState();
            break;
        case ui::Property::Visible:
            if (form_->visible())
                show();
            else if (!form_->closed())
                hide();
            else if (!closingFromWindow_)
                close();
            break;
        case ui::Property::Focus:
            showModelFocus();
            updateInputMethods();
            break;
        case ui::Property::ImeMode:
        case ui::Property::ApplyImeModes:
            updateInputMethods();
            break;
        default:
            break;
    }
}

// Every widget of the window, present and future, passes its keys, input-method text and
// focus changes through eventFilter first.
void FormView::watch(QWidget& widget) {
    widget.installEventFilter(this);
    for (QWidget* child : widget.findChildren<QWidget*>())
        child->installEventFilter(this);
}

ControlView* FormView::viewOf(const QWidget* widget) const {
    for (; widget && widget != this; widget = widget->parentWidget()) {
        const auto found = byWidget_.find(widget);
        if (found != byWidget_.end()) return found->second;
    }
    return nullptr;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto& widget = static_cast<QWidget&>(*watched);
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) watch(static_cast<QWidget&>(*child));
        return false;
    }
    // Pop-ups of the widgets (a combo box's list) are windows of their own.
    if (!form_ || widget.window() != this) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (forwardingKey_) return false;
            return deliverKey(widget, static_cast<QKeyEvent&>(*event));
        case QEvent::InputMethod: {
            const QString commit = static_cast<QInputMethodEvent&>(*event).commitString();
            if (!commit.isEmpty()) form_->commitText(toGbkBytes(commit));
            return false;  // the widget still shows what is being composed
        }
        case QEvent::FocusIn:
            deliverFocusIn(widget, static_cast<QFocusEvent&>(*event));
            return false;
        default:
            return false;
    }
}

bool FormView::deliverKey(QWidget& receiver, QKeyEvent& event) {
    event.accept();
    const bool press = event.type() == QEvent::KeyPress;
    // A held key repeats its key-down and characters; it is released once.
    if (!press && event.isAutoRepeat()) return true;
    const auto stroke = translateKey(event);
    bool consumed = false;
    if (stroke && press) {
        // Whether the key-down was consumed decides Qt's share below.
        consumed = form_->typeKey(stroke->key, stroke->shift, stroke->text);
    } else if (stroke) {
        form_->keyUp(stroke->key, stroke->shift);
    }
    if (consumed || !form_ || (stroke && stroke->key == ui::vk::Tab)) return true;
    // What the model left alone works a focused non-edit widget the Qt way (arrows in a radio
    // group, Space on a button). Edit boxes took their keys in the model already.
    const ControlView* view = viewOf(&receiver);
    if (!view || view->ownsKeys() || focusWidget() != &receiver) return true;
    forwardingKey_ = true;
    QCoreApplication::sendEvent(&receiver, &event);
    forwardingKey_ = false;
    // Handled here or not, the key must not travel on to the parents, which would deliver it
    // to the model again.
    event.accept();
    return true;
}

void FormView::deliverFocusIn(QWidget& receiver, const QFocusEvent& event) {
    if (movingFocus_ || event.reason() == Qt::PopupFocusReason) return;
    ControlView* view = viewOf(&receiver);
    const ui::Control* focused = form_->focusedControl();
    if (event.reason() == Qt::ActiveWindowFocusReason) {
        // An activated window restores its focus, or Qt picks the first widget that takes one;
        // the model's focus stands. Moved once Qt has finished activating.
        const bool agrees = view ? &view->control() == focused : focused == nullptr;
        if (!agrees)
            QMetaObject::invokeMethod(
                this, [this] { showModelFocus(); }, Qt::QueuedConnection);
        return;
    }
    if (!view || focused == &view->control()) return;
    // The user clicked a control: the model decides whether it takes the focus.
    if (!form_->setFocus(view->control())) showModelFocus();
}

void FormView::showModelFocus() {
    if (!form_) return;
    ui::Control* focused = form_->focusedControl();
    const auto found = focused ? byControl_.find(focused) : byControl_.end();
    movingFocus_ = true;
    if (found == byControl_.end()) {
        if (QWidget* current = focusWidget()) current->clearFocus();
    } else if (viewOf(focusWidget()) != found->second) {
        found->second->focusTarget().setFocus(Qt::OtherFocusReason);
    }
    movingFocus_ = false;
}

void FormView::updateInputMethods() {
    if (!form_) return;
    for (const auto& view : views_) {
        if (view->ownsKeys())
            view->widget().setAttribute(Qt::WA_InputMethodEnabled,
                                        form_->inputMethodAllowed(view->control()));
    }
    setAttribute(Qt::WA_InputMethodEnabled, form_->inputMethodAllowed(*form_));
}

bool FormView::focusNextPrevChild(bool) {
    return true;
}

void FormView::closeEvent(QCloseEvent* event) {
    if (form_ && !form_->closed()) {
        closingFromWindow_ = true;
        form_->close();
        closingFromWindow_ = false;
    }
    detach();
    event->accept();
}

void FormView::showEvent(QShowEvent* event) {
    if (!placed_ && form_) {
        place();
        placed_ = true;
    }
    QWidget::showEvent(event);
}

void FormView::applyFrame() {
    // Without a border the window covers the screen, and the desktop's full-screen state draws
    // no frame: re-creating the window without one would race the desktop's own state changes.
    if (form_->borderStyle() == ui::BorderStyle::None) {
        applyWindowState();
        return;
    }
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (form_->borderStyle()) {
        case ui::BorderStyle::Sizeable:
            flags |= Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
            break;
        case ui::BorderStyle::Single:
            flags |= Qt::WindowMinimizeButtonHint;
            if (form_->maximizeBox()) flags |= Qt::WindowMaximizeButtonHint;
            break;
        case ui::BorderStyle::Dialog:
            break;
        case ui::BorderStyle::None:
            break;
    }
    if (flags != windowFlags()) {
        // Changing the flags hides a shown window.
        const bool shown = isVisible();
        setWindowFlags(flags);
        if (shown) show();
    }
    applyWindowState();
}

void FormView::applySize() {
    if (form_->requestedWindowState() == ui::WindowState::Maximized) return;
    const QSize size(form_->clientWidth(), form_->clientHeight());
    // A fixed size would also keep the desktop from maximising the window.
    if (form_->borderStyle() == ui::BorderStyle::Sizeable || form_->maximizeBox()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    } else {
        setFixedSize(size);
    }
}

namespace {

constexpr Qt::WindowStates kCovering = Qt::WindowMaximized | Qt::WindowFullScreen;

ui::WindowState modelState(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return ui::WindowState::Minimized;
    if (states & kCovering) return ui::WindowState::Maximized;
    return ui::WindowState::Normal;
}

}  // namespace

void FormView::applyWindowState() {
    const Qt::WindowStates states = windowState();
    const bool wasCovering = states & (kCovering | Qt::WindowMinimized);
    if (form_->requestedWindowState() == ui::WindowState::Maximized) {
        // A fixed size would keep the window from covering the screen. Without a border it
        // covers the desktop's panels too.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const Qt::WindowState covering = form_->borderStyle() == ui::BorderStyle::None
                                             ? Qt::WindowFullScreen
                                             : Qt::WindowMaximized;
        setWindowState((states & ~(kCovering | Qt::WindowMinimized)) | covering);
        return;
    }
    // A desktop may bring back the state the window had before full screen (maximised); the
    // restore is then asked for again when that state arrives.
    restoreRetries_ = wasCovering ? 2 : 0;
    setWindowState(states & ~(kCovering | Qt::WindowMinimized));
    applySize();
    if (wasCovering && placed_) place();
}

void FormView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !form_) return;
    // Told once the desktop has finished with the window, and then as it stands: one command
    // can pass through states of its own on the way.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!form_) return;
            const Qt::WindowStates states = windowState();
            if (restoreRetries_ > 0 && (states & kCovering) &&
                form_->requestedWindowState() == ui::WindowState::Normal) {
                --restoreRetries_;
                setWindowState(states & ~kCovering);
                return;
            }
            restoreRetries_ = 0;
            form_->reportWindowState(modelState(states));
        },
        Qt::QueuedConnection);
}

void FormView::place() {
    QRect area = screen()->availableGeometry();
    switch (form_->position()) {
        case ui::FormPosition::Designed:
            move(form_->left(), form_->top());
            return;
        case ui::FormPosition::ScreenCenter:
            break;
        case ui::FormPosition::MainFormCenter:
            if (const FormView* main = platform_.mainView(); main && main != this)
                area = main->geometry();
            break;
    }
    move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace quorvin::ui::qt
