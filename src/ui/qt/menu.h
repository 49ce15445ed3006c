#pragma once

#include <QMenu>
#include <memory>

#include "ui/popup_menu.h"

namespace quorvin::ui::qt {

// The menu's items as a QMenu: GBK captions converted, "-" a separator. Each action's data is
// the index of its item, so the choice can be run after the menu has closed.
std::unique_ptr<QMenu> makeMenu(const ui::PopupMenu& menu);

}  // namespace quorvin::ui::qt
