#include "drills/key_draw.h"

namespace quorvin::drills {

char drawKey(ui::Platform& platform, const KeySet& set, char avoid) {
    const char drawn = static_cast<char>(set.first + platform.random(set.size));
    if (drawn != avoid) return drawn;
    const char last = static_cast<char>(set.first + set.size - 1);
    return drawn == last ? set.afterLast : static_cast<char>(drawn + 1);
}

}  // namespace quorvin::drills
