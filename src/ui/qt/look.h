#pragma once

class QApplication;

namespace quorvin::ui::qt {

// The program's look: the Fusion style with its light palette, and the designed default font,
// so that windows look the same whatever desktop theme is set.
void useQuorvinLook(QApplication& app);

}  // namespace quorvin::ui::qt
