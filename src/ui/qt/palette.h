#pragma once

#include <QColor>
#include <QPalette>

#include "ui/colour.h"

class QWidget;

namespace quorvin::ui::qt {

// A model colour as a Qt colour; system colours are taken from the palette.
QColor toQColor(ui::Colour colour, const QPalette& palette);

// The palette role that plays a system colour's part (by its index in the low byte).
QPalette::ColorRole systemColourRole(ui::Colour colour);

// Paints the widget's text in the colour while it is enabled; disabled text stays greyed.
void setTextColour(QWidget& widget, ui::Colour colour);

// Fills the widget's background with the colour.
void setBackgroundColour(QWidget& widget, ui::Colour colour);

}  // namespace quorvin::ui::qt
