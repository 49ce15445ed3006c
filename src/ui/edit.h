#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "control.h"
#include "keys.h"

namespace quorvin::ui {

class Clipboard;

// A single-line edit box. The model owns its text, caret and selection; the toolkit only
// shows them. All positions are byte positions on character boundaries, so a double-byte
// character is never split, and the length limit counts bytes.
class Edit : public Control {
  public:
    explicit Edit(std::string name) : Control(ControlKind::Edit, std::move(name)) {}

    const std::string& text() const { return text_; }
    // Replaces the text; the caret goes to the start and nothing is selected.
    void setText(std::string text);
    void clear() { setText({}); }

    // Selection as start and length; the caret stands at the end the user moves.
    std::size_t selStart() const { return std::min(anchor_, caret_); }
    std::size_t selLength() const { return anchor_ > caret_ ? anchor_ - caret_ : caret_ - anchor_; }
    std::size_t caret() const { return caret_; }
    void setSelection(std::size_t start, std::size_t length);
    void selectAll() { setSelection(0, text_.size()); }
    std::string selectedText() const { return text_.substr(selStart(), selLength()); }

    // Most bytes the user can type; 0 means no limit. Text set by the program may be longer.
    std::size_t maxLength() const { return maxLength_; }
    void setMaxLength(std::size_t n) { set(maxLength_, n, Property::MaxLength); }

    ImeMode imeMode() const { return imeMode_; }
    void setImeMode(ImeMode m) { set(imeMode_, m, Property::ImeMode); }

    // Selects the whole text whenever the box takes the focus.
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool a) { autoSelect_ = a; }

    // While blocked, cut, copy and paste do nothing.
    bool clipboardBlocked() const { return clipboardBlocked_; }
    void setClipboardBlocked(bool b) { set(clipboardBlocked_, b, Property::ClipboardBlocked); }

    // Handlers; a key-down handler consumes its key by setting it to 0, a key-press handler
    // swallows its character likewise.
    std::function<void(int& key, ShiftState shift)> onKeyDown;
    std::function<void(KeyChar& ch)> onKeyPress;
    std::function<void(int& key, ShiftState shift)> onKeyUp;
    std::function<void()> onChange;

    // Editing as the keyboard does it (used by the form's key routing).
    enum class Motion { Left, Right, Home, End };
    void moveCaret(Motion motion, bool extendSelection);
    // Inserts whole characters in place of the selection, as many as the limit allows.
    void insert(std::string_view gbk);
    void backspace();
    void deleteForward();
    void cut();
    void copy();
    void paste();
    // One byte of typed text: a lead byte waits for its trail byte.
    void typeByte(KeyChar ch);
    // The default reaction to a key the handlers left alone.
    void defaultKeyDown(int key, ShiftState shift);

    bool focusable() const override { return true; }

  private:
    void replaceSelection(std::string_view with);
    Clipboard* clipboard() const;

    std::string text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::size_t maxLength_ = 0;
    ImeMode imeMode_ = ImeMode::Default;
    bool autoSelect_ = true;
    bool clipboardBlocked_ = false;
    int pendingLead_ = -1;
};

}  // namespace quorvin::ui
