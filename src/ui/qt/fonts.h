#pragma once

#include <QFont>
#include <QStringList>

#include "ui/control.h"

namespace quorvin::ui::qt {

// Installed faces that stand in for the designed Song faces (宋体, 新宋体), best first.
QStringList songFamilies();

// The designed font as a Qt font: the face mapped to installed ones, the character height as the
// pixel size.
QFont toQFont(const ui::Font& font);

// How many pixels higher than its own ascent text must be drawn so that its baseline sits where
// the designed Song face puts it. The stand-in faces have taller ascents, and the design fits
// captions tightly into their boxes.
int ascentExcess(const QFont& font);

}  // namespace quorvin::ui::qt
