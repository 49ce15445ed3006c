#include "form.h"

#include "edit.h"

namespace quorvin::ui {

Control* Form::find(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->name() == name) return c.get();
    return nullptr;
}

Timer* Form::findTimer(std::string_view name) const {
    for (const auto& t : timers_)
        if (t->name() == name) return t.get();
    return nullptr;
}

PopupMenu* Form::findMenu(std::string_view name) const {
    for (const auto& m : menus_)
        if (m->name() == name) return m.get();
    return nullptr;
}

bool Form::inputMethodAllowed(const Control& control) const {
    if (!applyImeModes_) return true;
    if (control.kind() == ControlKind::Edit)
        return static_cast<const Edit&>(control).imeMode() != ImeMode::Closed;
    return imeMode_ != ImeMode::Closed;
}

Control* Form::keyTarget() const {
    if (focused_ && focused_->visible() && focused_->enabled()) return focused_;
    return nullptr;
}

bool Form::setFocus(Control* control) {
    if (control == nullptr) {
        if (focused_ == nullptr) return true;
        focused_ = nullptr;
        notify(Property::Focus);
        return true;
    }
    if (control->form() != this || !control->focusable() || !control->visible() ||
        !control->enabled())
        return false;
    const bool moved = focused_ != control;
    focused_ = control;
    if (moved && control->kind() == ControlKind::Edit) {
        auto& edit = static_cast<Edit&>(*control);
        if (edit.autoSelect()) edit.selectAll();
    }
    notify(Property::Focus);
    return true;
}

namespace {
Edit* asEdit(Control* c) {
    return c && c->kind() == ControlKind::Edit ? static_cast<Edit*>(c) : nullptr;
}
}  // namespace

bool Form::keyDown(int key, ShiftState shift) {
    Control* target = keyTarget();
    if ((keyPreview_ || target == nullptr) && onKeyDown) onKeyDown(key, shift);
    if (key != 0) {
        if (Edit* edit = asEdit(target)) {
            if (edit->onKeyDown) edit->onKeyDown(key, shift);
            if (key != 0) edit->defaultKeyDown(key, shift);
        }
    }
    return key == 0;
}

void Form::keyPress(KeyChar ch) {
    Control* target = keyTarget();
    if ((keyPreview_ || target == nullptr) && onKeyPress) onKeyPress(ch);
    if (ch == 0) return;
    if (Edit* edit = asEdit(target)) {
        if (edit->onKeyPress) edit->onKeyPress(ch);
        if (ch != 0 && edit->enabled()) edit->typeByte(ch);
    }
}

void Form::keyUp(int key, ShiftState shift) {
    Control* target = keyTarget();
    if ((keyPreview_ || target == nullptr) && onKeyUp) onKeyUp(key, shift);
    if (key == 0) return;
    if (Edit* edit = asEdit(target)) {
        if (edit->onKeyUp) edit->onKeyUp(key, shift);
    }
}

bool Form::typeKey(int key, ShiftState shift, std::string_view text) {
    if (keyDown(key, shift)) return true;
    for (char byte : text)
        keyPress(static_cast<KeyChar>(byte));
    return false;
}

void Form::commitText(std::string_view gbk) {
    for (char byte : gbk)
        keyPress(static_cast<KeyChar>(byte));
    keyUp(vk::ProcessKey, NoModifier);
}

void Form::reportWindowState(WindowState w) {
    // What the desktop did stands as the last command: the learner may have done it.
    if (w != WindowState::Minimized) requestedWindowState_ = w;
    if (w == windowState_) return;
    const WindowState from = windowState_;
    windowState_ = w;
    if (onWindowStateChange) onWindowStateChange(from, w);
}

void Form::close() {
    if (closed_) return;
    closed_ = true;
    if (onClose) onClose();
    hide();
}

}  // namespace quorvin::ui
