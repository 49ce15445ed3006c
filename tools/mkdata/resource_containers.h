#pragma once

#include <filesystem>

namespace quorvin::mkdata {

// WavRes.dll (the sounds), wbrc1.dll and wbrc2.dll (the key-stroke animations) in outDir.
void buildResourceContainers(const std::filesystem::path& outDir);

}  // namespace quorvin::mkdata
