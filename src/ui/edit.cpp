#include "edit.h"

#include <algorithm>

#include "clipboard.h"
#include "form.h"
#include "gbk.h"

namespace quorvin::ui {

void Edit::setText(std::string text) {
    pendingLead_ = -1;
    const bool changed = text != text_;
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    notify(Property::Text);
    if (changed && onChange) onChange();
}

void Edit::setSelection(std::size_t start, std::size_t length) {
    start = std::min(start, text_.size());
    std::size_t end = std::min(text_.size(), start + length);
    if (!isGbkBoundary(text_, start)) start = gbkPreviousBoundary(text_, start);
    if (!isGbkBoundary(text_, end)) end = std::min(text_.size(), end + 1);
    anchor_ = start;
    caret_ = end;
    notify(Property::Selection);
}

void Edit::moveCaret(Motion motion, bool extendSelection) {
    std::size_t to = caret_;
    switch (motion) {
        case Motion::Left:
            if (!extendSelection && selLength() > 0)
                to = selStart();
            else if (caret_ > 0)
                to = gbkPreviousBoundary(text_, caret_);
            break;
        case Motion::Right:
            if (!extendSelection && selLength() > 0)
                to = selStart() + selLength();
            else if (caret_ < text_.size())
                to = caret_ + gbkCharLength(text_, caret_);
            break;
        case Motion::Home:
            to = 0;
            break;
        case Motion::End:
            to = text_.size();
            break;
    }
    caret_ = to;
    if (!extendSelection) anchor_ = to;
    notify(Property::Selection);
}

void Edit::replaceSelection(std::string_view with) {
    const std::size_t start = selStart();
    text_.replace(start, selLength(), with);
    anchor_ = caret_ = start + with.size();
    notify(Property::Text);
    if (onChange) onChange();
}

void Edit::insert(std::string_view gbk) {
    if (maxLength_ > 0) {
        const std::size_t kept = text_.size() - selLength();
        const std::size_t room = maxLength_ > kept ? maxLength_ - kept : 0;
        gbk = gbkPrefix(gbk, room);
        if (gbk.empty() && selLength() == 0) return;
    }
    replaceSelection(gbk);
}

void Edit::backspace() {
    if (selLength() == 0) {
        if (caret_ == 0) return;
        anchor_ = gbkPreviousBoundary(text_, caret_);
    }
    replaceSelection({});
}

void Edit::deleteForward() {
    if (selLength() == 0) {
        if (caret_ >= text_.size()) return;
        anchor_ = caret_ + gbkCharLength(text_, caret_);
    }
    replaceSelection({});
}

Clipboard* Edit::clipboard() const {
    return form() ? form()->clipboard() : nullptr;
}

void Edit::copy() {
    Clipboard* board = clipboard();
    if (clipboardBlocked_ || !board || selLength() == 0) return;
    board->setText(selectedText());
}

void Edit::cut() {
    if (clipboardBlocked_ || selLength() == 0) return;
    copy();
    replaceSelection({});
}

void Edit::paste() {
    Clipboard* board = clipboard();
    if (clipboardBlocked_ || !board) return;
    std::string text = board->text();
    // A single-line box takes the pasted text up to its first line break.
    text = text.substr(0, text.find_first_of("\r\n"));
    insert(text);
}

void Edit::typeByte(KeyChar ch) {
    if (pendingLead_ >= 0) {
        const char pair[2] = {static_cast<char>(pendingLead_), static_cast<char>(ch)};
        pendingLead_ = -1;
        insert(std::string_view(pair, 2));
        return;
    }
    switch (ch) {
        case 0x08:
            backspace();
            return;
        case 0x03:  // Ctrl+C
            copy();
            return;
        case 0x16:  // Ctrl+V
            paste();
            return;
        case 0x18:  // Ctrl+X
            cut();
            return;
        default:
            break;
    }
    if (ch < 0x20 || ch == 0x7F) return;  // other control characters are not text
    if (isGbkLeadByte(ch)) {
        pendingLead_ = ch;
        return;
    }
    const char single = static_cast<char>(ch);
    insert(std::string_view(&single, 1));
}

void Edit::defaultKeyDown(int key, ShiftState shift) {
    const bool extend = (shift & ShiftDown) != 0;
    switch (key) {
        case vk::Delete:
            if (shift & ShiftDown)
                cut();
            else
                deleteForward();
            break;
        case vk::Left:
            moveCaret(Motion::Left, extend);
            break;
        case vk::Right:
            moveCaret(Motion::Right, extend);
            break;
        case vk::Home:
            moveCaret(Motion::Home, extend);
            break;
        case vk::End:
            moveCaret(Motion::End, extend);
            break;
        default:
            break;
    }
}

}  // namespace quorvin::ui
