#pragma once

#include <span>

#include "mkdata/music_track.h"

namespace quorvin::mkdata {

// One sine component of a voice.
struct Partial {
    double ratio;  // to the note's frequency
    double amplitude;
    double decaySeconds;  // time constant of its exponential decay; 0 holds it
};

// A tonal instrument: a sum of partials under one attack/release envelope. Soft attacks and
// partials that die faster the higher they are keep every timbre mellow.
struct Voice {
    std::span<const Partial> partials;
    double attackSeconds;
    double releaseSeconds;
    // Two copies a few cents apart beat slowly against each other, which makes a held tone
    // breathe instead of standing still.
    double detuneCents = 0.0;
    double vibratoHz = 0.0;
    double vibratoCents = 0.0;
    double vibratoDelaySeconds = 0.0;
};

struct Note {
    double startSeconds;
    double holdSeconds;  // the release begins after this
    double midiNote;
    double gain;
};

// Mixes the note into the track; whatever would sound past the track's end is dropped.
void addNote(Track& track, const Voice& voice, const Note& note);

}  // namespace quorvin::mkdata
