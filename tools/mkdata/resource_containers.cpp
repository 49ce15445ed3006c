#include "mkdata/resource_containers.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mkdata/sound_effects.h"
#include "mkdata/syllable_sounds.h"
#include "mkdata/wave_file.h"
#include "mkdata/wubi_animations.h"
#include "mkdata/zip_container.h"

namespace quorvin::mkdata {

namespace {

ContainerEntry textEntry(std::string name, std::string_view text) {
    return {std::move(name), std::vector<std::uint8_t>(text.begin(), text.end())};
}

// A reader listing a container should learn what it is for.
constexpr std::string_view kWbrc1Readme =
    "wbrc1.dll: key-stroke animations of the Wubi drills, GIF/MywbGIF<n> for n below 3500.\n";
constexpr std::string_view kWbrc2Readme =
    "wbrc2.dll: key-stroke animations of the Wubi drills, GIF/MywbGIF<n> for n from 3500 on.\n";

}  // namespace

void buildResourceContainers(const std::filesystem::path& outDir, const ResourceSources& sources) {
    // Everything is made before the first container is written, so a source that fails leaves
    // the containers of the last good build in place.
    std::vector<ContainerEntry> sounds = {
        {"WAV/MyWAVabc", encodeWave(synthesizeHitSound())},
        {"WAV/MyWAVywerror", encodeWave(synthesizeErrorSound())},
    };
    for (ContainerEntry& entry : syllableSounds(sources.dataSourceDir, sources.soundCacheDir)) {
        sounds.push_back(std::move(entry));
    }
    AnimationEntries animations = keystrokeAnimations(sources.dataSourceDir / "wbOne.tsv");
    animations.wbrc1.insert(animations.wbrc1.begin(), textEntry("INFO/README", kWbrc1Readme));
    animations.wbrc2.insert(animations.wbrc2.begin(), textEntry("INFO/README", kWbrc2Readme));

    std::filesystem::create_directories(outDir);
    writeContainer(outDir / "WavRes.dll", sounds);
    writeContainer(outDir / "wbrc1.dll", animations.wbrc1);
    writeContainer(outDir / "wbrc2.dll", animations.wbrc2);
}

}  // namespace quorvin::mkdata
