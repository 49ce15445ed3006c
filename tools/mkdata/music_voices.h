#pragma once

#include "mkdata/synth_voice.h"

// The instruments of the background music. Partials fall off steeply and the upper ones die
// first, so nothing is bright for long: music under a typing lesson must not tire the ear.
namespace quorvin::mkdata::voices {

// A warm string pad, held for as long as its chord lasts.
inline constexpr Partial kPadPartials[] = {
    {1.0, 1.0, 0.0},  {2.0, 0.45, 0.0}, {3.0, 0.22, 6.0},
    {4.0, 0.12, 4.0}, {5.0, 0.06, 3.0}, {6.0, 0.03, 2.0},
};
inline constexpr Voice kPad{kPadPartials, 0.9, 1.4, 9.0};

// A tine piano: a round fundamental and a short bell-like shimmer on the attack.
inline constexpr Partial kElectricPianoPartials[] = {
    {1.0, 1.0, 2.4}, {2.0, 0.32, 0.8}, {3.0, 0.1, 0.35}, {4.0, 0.05, 0.15}, {7.0, 0.04, 0.05},
};
inline constexpr Voice kElectricPiano{kElectricPianoPartials, 0.006, 0.5, 4.0};

// A breathy flute for the idle melody, with a slow vibrato that sets in late.
inline constexpr Partial kFlutePartials[] = {
    {1.0, 1.0, 0.0},
    {2.0, 0.16, 0.0},
    {3.0, 0.06, 0.0},
    {4.0, 0.02, 0.0},
};
inline constexpr Voice kFlute{kFlutePartials, 0.09, 0.3, 0.0, 4.8, 12.0, 0.3};

// A round upright-like bass that rings under a whole bar.
inline constexpr Partial kSoftBassPartials[] = {
    {1.0, 1.0, 3.0},
    {2.0, 0.35, 1.2},
    {3.0, 0.1, 0.5},
};
inline constexpr Voice kSoftBass{kSoftBassPartials, 0.02, 0.3};

// A nylon-string pluck for the drill's arpeggios.
inline constexpr Partial kPluckPartials[] = {
    {1.0, 1.0, 0.9},  {2.0, 0.5, 0.45},  {3.0, 0.26, 0.3},
    {4.0, 0.13, 0.2}, {5.0, 0.06, 0.14}, {6.0, 0.03, 0.1},
};
inline constexpr Voice kPluck{kPluckPartials, 0.003, 0.3};

// A short electric bass under the drill.
inline constexpr Partial kPluckedBassPartials[] = {
    {1.0, 1.0, 0.8},
    {2.0, 0.45, 0.35},
    {3.0, 0.16, 0.2},
    {4.0, 0.05, 0.12},
};
inline constexpr Voice kPluckedBass{kPluckedBassPartials, 0.008, 0.08};

// A soft mallet for the drill's melody: its partials at two octaves and a little above, as on
// a tuned bar.
inline constexpr Partial kMalletPartials[] = {
    {1.0, 1.0, 1.3},
    {2.0, 0.08, 0.5},
    {4.0, 0.22, 0.25},
    {10.0, 0.02, 0.04},
};
inline constexpr Voice kMallet{kMalletPartials, 0.004, 0.35};

}  // namespace quorvin::mkdata::voices
