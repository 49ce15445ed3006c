#include "menu.h"

#include "text.h"

namespace quorvin::ui::qt {

std::unique_ptr<QMenu> makeMenu(const ui::PopupMenu& menu) {
    auto result = std::make_unique<QMenu>();
    result->setObjectName(QString::fromStdString(menu.name()));
    const auto& items = menu.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].caption == "-") {
            result->addSeparator();
            continue;
        }
        QAction* action = result->addAction(toQt(items[i].caption));
        action->setObjectName(QString::fromStdString(items[i].name));
        action->setData(static_cast<int>(i));
    }
    return result;
}

}  // namespace quorvin::ui::qt
