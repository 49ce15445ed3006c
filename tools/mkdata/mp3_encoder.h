#pragma once

#include <filesystem>

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

// Encodes the sound as a mono constant-bit-rate MP3 with Debian's lame and puts it at
// target. The file appears complete or not at all: lame writes a temporary file that is
// renamed into place only on success. Throws std::runtime_error when lame is missing or fails.
void encodeMp3(const PcmSound& sound, const std::filesystem::path& target);

}  // namespace quorvin::mkdata
