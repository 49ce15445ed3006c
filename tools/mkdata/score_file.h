#pragma once

#include <filesystem>
#include <string_view>

namespace quorvin::mkdata {

inline constexpr std::string_view kScoreFile = "orvScore.dat";

// The score history of a fresh installation: its two header lines and no results.
void buildScoreFile(const std::filesystem::path& outDir);

}  // namespace quorvin::mkdata
