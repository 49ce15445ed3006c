#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The container of the nine enciphered data files: bare 8-byte blocks, no header, under one
// fixed 128-bit key. The block transformation is a TEA variant whose round adds its four terms
// (textbook TEA XORs them), so a textbook implementation does not read these files.
namespace quorvin::data {

using CipherKey = std::array<std::uint32_t, 4>;

// The key of every shipped file. The builder and the program must agree on it.
inline constexpr CipherKey kDataFileKey = {0x0DA8B0B0u, 0x7553C256u, 0xB7BC2E9Au, 0x3357BF1Du};

// One block, words little-endian: y from bytes 0-3, z from bytes 4-7.
void decipherBlock(std::uint32_t& y, std::uint32_t& z, const CipherKey& key);
void encipherBlock(std::uint32_t& y, std::uint32_t& z, const CipherKey& key);

// A whole file. A final partial block is padded with zeros and all 8 bytes of its result are
// kept, so the output length is the input length rounded up to a multiple of 8.
std::vector<std::uint8_t> decipher(std::span<const std::uint8_t> bytes,
                                   const CipherKey& key = kDataFileKey);
std::vector<std::uint8_t> encipher(std::span<const std::uint8_t> bytes,
                                   const CipherKey& key = kDataFileKey);

}  // namespace quorvin::data
