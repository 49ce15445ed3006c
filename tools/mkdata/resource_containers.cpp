#include "mkdata/resource_containers.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mkdata/sound_effects.h"
#include "mkdata/wave_file.h"
#include "mkdata/zip_container.h"

namespace quorvin::mkdata {

namespace {

ContainerEntry textEntry(std::string name, std::string_view text) {
    return {std::move(name), std::vector<std::uint8_t>(text.begin(), text.end())};
}

// A container must not be empty, and a reader listing it should learn what it is for.
constexpr std::string_view kWbrc1Readme =
    "wbrc1.dll: key-stroke animations of the Wubi drills, GIF/MywbGIF<n> for n below 3500.\n";
constexpr std::string_view kWbrc2Readme =
    "wbrc2.dll: key-stroke animations of the Wubi drills, GIF/MywbGIF<n> for n from 3500 on.\n";

}  // namespace

void buildResourceContainers(const std::filesystem::path& outDir) {
    std::filesystem::create_directories(outDir);
    writeContainer(outDir / "WavRes.dll",
                   {
                       {"WAV/MyWAVabc", encodeWave(synthesizeHitSound())},
                       {"WAV/MyWAVywerror", encodeWave(synthesizeErrorSound())},
                   });
    writeContainer(outDir / "wbrc1.dll", {textEntry("INFO/README", kWbrc1Readme)});
    writeContainer(outDir / "wbrc2.dll", {textEntry("INFO/README", kWbrc2Readme)});
}

}  // namespace quorvin::mkdata
