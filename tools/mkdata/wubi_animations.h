#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "mkdata/zip_container.h"

namespace quorvin::mkdata {

// The full code of every character of wbOne.tsv, in table order: element 0 is position 1 of
// the program's WbOneTable. A character's full code is its longest code. Throws
// std::runtime_error naming the line of a character without a usable code.
std::vector<std::string> wubiFullCodes(const std::filesystem::path& wbOneTable);

// Key-stroke animation n for every position n of wbOne.tsv, as "GIF/MywbGIF<n>" entries:
// those below 3500 for wbrc1.dll, the others for wbrc2.dll, in ascending order.
struct AnimationEntries {
    std::vector<ContainerEntry> wbrc1;
    std::vector<ContainerEntry> wbrc2;
};
AnimationEntries keystrokeAnimations(const std::filesystem::path& wbOneTable);

}  // namespace quorvin::mkdata
