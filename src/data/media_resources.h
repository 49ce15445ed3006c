#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/resource_library.h"

namespace quorvin::data {

// The library files, in the order start-up loads them.
inline constexpr std::string_view kWavResFile = "WavRes.dll";
inline constexpr std::string_view kWbrc1File = "wbrc1.dll";
inline constexpr std::string_view kWbrc2File = "wbrc2.dll";

inline constexpr std::string_view kSoundType = "WAV";
inline constexpr std::string_view kAnimationType = "GIF";
inline constexpr std::string_view kHitSound = "MyWAVabc";
inline constexpr std::string_view kErrorSound = "MyWAVywerror";

// Animations below this number live in wbrc1.dll, the rest in wbrc2.dll.
inline constexpr std::int32_t kFirstWbrc2Animation = 3500;

enum class ResourceModule { WavRes, Wbrc1, Wbrc2 };

// "MywbGIF" followed by n in decimal.
std::string animationResourceName(std::int32_t n);
ResourceModule animationModule(std::int32_t n);

// The three resource libraries of a run. A module that is not loaded answers every fetch with
// nothing, which is also what a missing resource gives. Fetches may come from any thread;
// load and unloadWavRes belong to start-up and shutdown, when nothing else fetches.
struct MediaResources {
    std::optional<ResourceLibrary> WavResModule;
    std::optional<ResourceLibrary> Wbrc1Module;
    std::optional<ResourceLibrary> Wbrc2Module;

    // Loads WavRes.dll, wbrc1.dll, wbrc2.dll from the program folder in that order, dropping
    // whatever was loaded before. Stops at the first that fails, leaving it and the later ones
    // unloaded, and returns false then.
    [[nodiscard]] bool load(const std::filesystem::path& programDir);

    // Shutdown releases the sounds; the animation libraries stay until the process ends.
    void unloadWavRes();

    std::span<const std::uint8_t> fetch(ResourceModule module, std::string_view type,
                                        std::string_view name) const;

    // A "WAV" resource of WavRes.dll: the hit and error sounds and the syllables.
    std::span<const std::uint8_t> sound(std::string_view name) const;

    // Key-stroke animation n; number 0 means none and is never looked up.
    std::span<const std::uint8_t> animation(std::int32_t n) const;
};

}  // namespace quorvin::data
