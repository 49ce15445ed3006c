#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvin::mkdata {

struct ContainerEntry {
    std::string name;  // TYPE/NAME
    std::vector<std::uint8_t> bytes;
};

// Writes a ZIP archive holding the entries, in order. The archive is completed under a
// temporary name beside the target and only then renamed over it, so an interrupted build never
// leaves a damaged container in the program folder. Throws std::runtime_error on failure.
void writeContainer(const std::filesystem::path& file, const std::vector<ContainerEntry>& entries);

}  // namespace quorvin::mkdata
