#pragma once

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

// The music of a typing drill: livelier than the idle music, in G major, a plucked arpeggio
// over a bass line with light percussion, one loop of under a minute.
PcmSound composeDrillMusic();

}  // namespace quorvin::mkdata
