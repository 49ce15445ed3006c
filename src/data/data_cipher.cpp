#include "data/data_cipher.h"

#include <algorithm>
#include <cstddef>

namespace quorvin::data {

namespace {

constexpr std::uint32_t kDelta = 0x9E3779B9u;
constexpr int kRounds = 32;
constexpr std::size_t kBlock = 8;

std::uint32_t mix(std::uint32_t v, std::uint32_t sum, std::uint32_t ka, std::uint32_t kb) {
    return (v << 4) + (ka ^ v) + ((v >> 5) ^ sum) + kb;
}

std::uint32_t loadWord(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

void storeWord(std::uint32_t v, std::uint8_t* p) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

template <typename BlockFn>
std::vector<std::uint8_t> transform(std::span<const std::uint8_t> bytes, BlockFn block) {
    std::vector<std::uint8_t> out((bytes.size() + kBlock - 1) / kBlock * kBlock);
    std::copy(bytes.begin(), bytes.end(), out.begin());
    for (std::size_t at = 0; at < out.size(); at += kBlock) {
        std::uint32_t y = loadWord(&out[at]);
        std::uint32_t z = loadWord(&out[at + 4]);
        block(y, z);
        storeWord(y, &out[at]);
        storeWord(z, &out[at + 4]);
    }
    return out;
}

}  // namespace

void decipherBlock(std::uint32_t& y, std::uint32_t& z, const CipherKey& key) {
    std::uint32_t sum = kDelta * kRounds;  // 0xC6EF3720, wrapping
    for (int i = 0; i < kRounds; ++i) {
        z -= mix(y, sum, key[2], key[3]);
        y -= mix(z, sum, key[0], key[1]);
        sum -= kDelta;
    }
}

void encipherBlock(std::uint32_t& y, std::uint32_t& z, const CipherKey& key) {
    std::uint32_t sum = 0;
    for (int i = 0; i < kRounds; ++i) {
        sum += kDelta;
        y += mix(z, sum, key[0], key[1]);
        z += mix(y, sum, key[2], key[3]);
    }
}

std::vector<std::uint8_t> decipher(std::span<const std::uint8_t> bytes, const CipherKey& key) {
    return transform(bytes, [&](std::uint32_t& y, std::uint32_t& z) { decipherBlock(y, z, key); });
}

std::vector<std::uint8_t> encipher(std::span<const std::uint8_t> bytes, const CipherKey& key) {
    return transform(bytes, [&](std::uint32_t& y, std::uint32_t& z) { encipherBlock(y, z, key); });
}

}  // namespace quorvin::data
