#include "drills/hit_display.h"

namespace quorvin::drills {

ui::Timer& HitDisplay::timer(int slot) {
    ui::Timer* timers[] = {&form_.Timer3, &form_.Timer4, &form_.Timer5, &form_.Timer6};
    return *timers[slot - 1];
}

void HitDisplay::show(int slot) {
    label(slot).setColour(HitColour);
    timer(slot).setEnabled(true);
}

void HitDisplay::end(int slot) {
    label(slot).setColour(ui::colours::Highlight);
    if (board_) {
        label(slot).setCaption(board_->slotTarget(slot));
        board_->hitDisplayEnded(slot);
    }
    timer(slot).setEnabled(false);
}

}  // namespace quorvin::drills
