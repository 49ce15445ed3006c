#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

// espeak-ng's Mandarin voice reading Pinyin ("cmn-latn-pinyin"; plain "cmn" reads Latin
// letters as English), reading one syllable with its tone digit at a time.
//
// Each syllable is spoken once per espeak-ng installation: the recordings are kept in a folder
// of cacheDir named after the espeak-ng version, its voice data and the settings used, so a
// rebuild, or another build sharing the cache, only speaks syllables it has not heard before.
// Missing ones are spoken in parallel, one espeak-ng process (no shell) per syllable.
//
// Returns the recordings (espeak-ng's own 22.05 kHz, untrimmed) in the order of syllables.
// Throws std::runtime_error naming the syllable when espeak-ng is missing or fails, or when
// it does not read a syllable as one Mandarin syllable of the tone asked for.
std::vector<PcmSound> speakSyllables(std::span<const std::string> syllables,
                                     const std::filesystem::path& cacheDir);

// The folder of cacheDir that speakSyllables uses with the installed espeak-ng.
std::filesystem::path syllableCacheFolder(const std::filesystem::path& cacheDir);

}  // namespace quorvin::mkdata
