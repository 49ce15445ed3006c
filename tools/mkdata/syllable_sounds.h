#pragma once

#include <filesystem>
#include <vector>

#include "mkdata/zip_container.h"

namespace quorvin::mkdata {

// The pronunciation of every syllable the Pinyin tables of dataSourceDir name, as WavRes.dll
// entries "WAV/MyPyWAV<syllable>" in the order of the syllables: spoken by espeak-ng (through
// the cache in cacheDir, see syllable_voice.h), then trimmed and levelled. Throws
// std::runtime_error naming a syllable that cannot be made.
std::vector<ContainerEntry> syllableSounds(const std::filesystem::path& dataSourceDir,
                                           const std::filesystem::path& cacheDir);

}  // namespace quorvin::mkdata
