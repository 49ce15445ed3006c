#pragma once

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

// The music of the idle window: slow, calm, in F major, one loop of under a minute.
PcmSound composeIdleMusic();

}  // namespace quorvin::mkdata
