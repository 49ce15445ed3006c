#pragma once

#include <cstdio>
#include <filesystem>

namespace quorvin::mkdata {

// `mkdata decipher FILE`: writes the plaintext of an enciphered data file to out, padding
// zeros included, so the shipped tables can be read with ordinary tools. Returns the exit
// status; a file that cannot be read is reported on err.
int decipherCommand(const std::filesystem::path& file, std::FILE* out, std::FILE* err);

}  // namespace quorvin::mkdata
