#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control.h"
#include "keys.h"
#include "popup_menu.h"
#include "timer.h"

namespace quorvin::ui {

class Clipboard;

enum class BorderStyle { Sizeable, Single, Dialog, None };
enum class WindowState { Normal, Maximized, Minimized };
enum class FormPosition { Designed, ScreenCenter, MainFormCenter };

// A window: owns its controls, timers and menus, holds the keyboard focus and routes keys.
// Its geometry is the client area (left and top on the desktop).
//
// Key routing: a key-down goes to the form's handler first when key preview is on (or when no
// control can take keys), then to the focused control's handler, then to the control's
// default processing; any of them consumes it by setting it to 0. The characters of a key
// whose key-down was consumed are not delivered. A character goes the same way, and what
// survives is typed into the focused edit box. Key-ups follow the key-down route.
class Form : public Control {
  public:
    explicit Form(std::string name) : Control(ControlKind::Form, std::move(name)) {}

    template <typename T>
    T& add(std::string name) {
        auto control = std::make_unique<T>(std::move(name));
        T& ref = *control;
        ref.attachTo(this);
        controls_.push_back(std::move(control));
        return ref;
    }
    Timer& addTimer(std::string name) {
        timers_.push_back(std::make_unique<Timer>(std::move(name)));
        return *timers_.back();
    }
    PopupMenu& addMenu(std::string name) {
        menus_.push_back(std::make_unique<PopupMenu>(std::move(name)));
        return *menus_.back();
    }

    // Controls in creation order (which is also the drawing order: later ones lie on top).
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
    Control* find(std::string_view name) const;
    Timer* findTimer(std::string_view name) const;
    PopupMenu* findMenu(std::string_view name) const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { set(caption_, std::move(c), Property::Caption); }

    int clientWidth() const { return geometry().width; }
    int clientHeight() const { return geometry().height; }
    void setClientSize(int width, int height) {
        setGeometry({geometry().left, geometry().top, width, height});
    }

    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle b) { set(borderStyle_, b, Property::BorderStyle); }
    // Whether the desktop may maximise the window from its frame (a fixed border keeps its
    // size otherwise).
    bool maximizeBox() const { return maximizeBox_; }
    void setMaximizeBox(bool m) { set(maximizeBox_, m, Property::BorderStyle); }

    // The state the desktop last reported for the window.
    WindowState windowState() const { return windowState_; }
    // Asks the desktop to maximise or restore the window, as a command: it is sent even when
    // the window is in that state already, and its outcome arrives through reportWindowState.
    void setWindowState(WindowState w) {
        requestedWindowState_ = w;
        notify(Property::WindowState);
    }
    WindowState requestedWindowState() const { return requestedWindowState_; }
    // What the desktop did to the window, whoever asked: the learner's own maximise, restore
    // or minimise included. Runs onWindowStateChange on a change.
    void reportWindowState(WindowState w);
    std::function<void(WindowState from, WindowState to)> onWindowStateChange;
    FormPosition position() const { return position_; }
    void setPosition(FormPosition p) { position_ = p; }

    // Background colour of the window.
    Colour background() const { return background_; }
    void setBackground(Colour c) { set(background_, c, Property::Colour); }

    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool k) { set(keyPreview_, k, Property::KeyPreview); }

    ImeMode imeMode() const { return imeMode_; }
    void setImeMode(ImeMode m) { set(imeMode_, m, Property::ImeMode); }

    // The process-wide input-method switch, carried by the main window whose controls it
    // governs: when on, a control's input-method mode is applied as it takes the focus; when
    // off, the input method stays as the learner set it.
    bool applyImeModes() const { return applyImeModes_; }
    void setApplyImeModes(bool a) { set(applyImeModes_, a, Property::ApplyImeModes); }
    // Whether the input method may compose text for this control now.
    bool inputMethodAllowed(const Control& control) const;

    // The focused control, whether or not it can take keys now.
    Control* focusedControl() const { return focused_; }
    // The control that receives keys: the focused one while it is shown and enabled.
    Control* keyTarget() const;
    // Gives a focusable, shown and enabled control the focus; returns whether it did.
    bool setFocus(Control* control);
    bool setFocus(Control& control) { return setFocus(&control); }

    Clipboard* clipboard() const { return clipboard_; }
    void setClipboard(Clipboard* clipboard) { clipboard_ = clipboard; }

    std::function<void(int& key, ShiftState shift)> onKeyDown;
    std::function<void(KeyChar& ch)> onKeyPress;
    std::function<void(int& key, ShiftState shift)> onKeyUp;
    std::function<void()> onClose;

    // Key delivery, the same for the toolkit and for tests.
    // A key-down; returns true when a handler consumed it.
    bool keyDown(int key, ShiftState shift);
    void keyPress(KeyChar ch);
    void keyUp(int key, ShiftState shift);
    // A key press with the GBK text it produces: key-down, then each byte unless consumed.
    // Returns whether the key-down was consumed.
    bool typeKey(int key, ShiftState shift, std::string_view text);
    // Text committed by an input method: its bytes as characters, then a key-up so that
    // handlers judging on key release see it.
    void commitText(std::string_view gbk);

    // Closes the window: runs onClose once, then hides it.
    void close();
    bool closed() const { return closed_; }

    // Result a modal window leaves for its opener.
    int modalResult() const { return modalResult_; }
    void setModalResult(int r) { modalResult_ = r; }

  private:
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::vector<std::unique_ptr<PopupMenu>> menus_;
    std::string caption_;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    WindowState windowState_ = WindowState::Normal;
    WindowState requestedWindowState_ = WindowState::Normal;
    bool maximizeBox_ = false;
    FormPosition position_ = FormPosition::Designed;
    Colour background_ = colours::ButtonFace;
    bool keyPreview_ = false;
    ImeMode imeMode_ = ImeMode::Default;
    bool applyImeModes_ = true;
    Control* focused_ = nullptr;
    Clipboard* clipboard_ = nullptr;
    bool closed_ = false;
    int modalResult_ = 0;
};

}  // namespace quorvin::ui
