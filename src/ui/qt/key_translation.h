#pragma once

#include <Qt>
#include <optional>
#include <string>

#include "ui/keys.h"

class QKeyEvent;

namespace quorvin::ui::qt {

// A key as the model's window keys know it.
struct KeyStroke {
    int key = 0;  // virtual-key code
    ui::ShiftState shift = ui::NoModifier;
    std::string text;  // the GBK characters the press types
    bool operator==(const KeyStroke&) const = default;
};

// The virtual-key code of a Qt key; 0 when it has none.
int virtualKey(Qt::Key key, Qt::KeyboardModifiers modifiers);

// Translates a key press or release; nothing for keys without a virtual-key code and text.
std::optional<KeyStroke> translateKey(const QKeyEvent& event);

}  // namespace quorvin::ui::qt
