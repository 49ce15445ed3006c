#include "mkdata/syllable_sounds.h"

#include <stdexcept>
#include <string>

#include "data/media_resources.h"
#include "data/pinyin_tables.h"
#include "mkdata/parallel_for.h"
#include "mkdata/pinyin_syllables.h"
#include "mkdata/speech_cleanup.h"
#include "mkdata/syllable_voice.h"

namespace quorvin::mkdata {

std::vector<ContainerEntry> syllableSounds(const std::filesystem::path& dataSourceDir,
                                           const std::filesystem::path& cacheDir) {
    const std::vector<std::string> syllables = pinyinTableSyllables(dataSourceDir);
    const std::vector<PcmSound> recordings = speakSyllables(syllables, cacheDir);
    std::vector<ContainerEntry> entries(syllables.size());
    parallelFor(syllables.size(), [&](std::size_t i) {
        PcmSound sound;
        try {
            sound = cleanUpSpeech(recordings[i]);
        } catch (const std::runtime_error& error) {
            throw std::runtime_error("syllable " + syllables[i] + ": " + error.what());
        }
        entries[i] = {std::string(data::kSoundType) + "/" +
                          std::string(data::kSyllableSoundPrefix) + syllables[i],
                      encodeWave(sound)};
    });
    return entries;
}

}  // namespace quorvin::mkdata
