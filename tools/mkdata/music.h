#pragma once

#include <filesystem>
#include <string_view>

namespace quorvin::mkdata {

inline constexpr std::string_view kIdleMusicFile = "Test1.mp3";
inline constexpr std::string_view kDrillMusicFile = "Test0.mp3";

// The two background-music loops of the program folder, synthesised and encoded to MP3.
void buildMusic(const std::filesystem::path& outDir);

}  // namespace quorvin::mkdata
