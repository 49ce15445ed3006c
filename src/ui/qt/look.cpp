#include "look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "fonts.h"

namespace quorvin::ui::qt {

void useQuorvinLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        app.setStyle(fusion);
        app.setPalette(fusion->standardPalette());
    }
    app.setFont(toQFont(ui::Font{}));
}

}  // namespace quorvin::ui::qt
