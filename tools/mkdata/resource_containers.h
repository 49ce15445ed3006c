#pragma once

#include <filesystem>

namespace quorvin::mkdata {

struct ResourceSources {
    std::filesystem::path dataSourceDir;  // the Wubi and Pinyin tables (data-src/)
    std::filesystem::path soundCacheDir;  // syllable recordings kept between builds
};

// WavRes.dll (the effects and the pronunciation of every syllable of the Pinyin tables),
// wbrc1.dll and wbrc2.dll (the key-stroke animation of every position of wbOne.tsv) in outDir.
void buildResourceContainers(const std::filesystem::path& outDir, const ResourceSources& sources);

}  // namespace quorvin::mkdata
