#include "data/data_cipher.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace quorvin::data {
namespace {

constexpr CipherKey kZeroKey = {0, 0, 0, 0};
constexpr CipherKey kCountingKey = {0x01234567u, 0x89ABCDEFu, 0xFEDCBA98u, 0x76543210u};

std::vector<std::uint8_t> counting(std::size_t n, std::uint8_t first = 1) {
    std::vector<std::uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

// Expected words were worked out from the steps of the transformation alone (an independent
// evaluation, not this code); the first round of the zero case by hand: z = -0xC6EF3720 =
// 0x3910C8E0 before y is touched.
TEST(DataCipherBlock, KnownAnswers) {
    struct Case {
        const char* what;
        CipherKey key;
        std::uint32_t y, z;
        std::uint32_t plainY, plainZ;    // decipherBlock(y, z)
        std::uint32_t cipherY, cipherZ;  // encipherBlock(y, z)
    };
    const Case cases[] = {
        {"zero key, zero block", kZeroKey, 0, 0, 0xE28C46E7u, 0x0236E322u, 0xF88B1C2Du,
         0x0684458Eu},
        {"zero key", kZeroKey, 0x04030201u, 0x08070605u, 0x930E351Bu, 0x3E2CD790u, 0xE66E63D9u,
         0x055BBC5Bu},
        {"counting key, zero block", kCountingKey, 0, 0, 0xB9AC9F7Cu, 0xF271B133u, 0xD55C2191u,
         0x54CCC0FFu},
        {"counting key", kCountingKey, 0x04030201u, 0x08070605u, 0x8B5463FAu, 0x7D1BBD37u,
         0xFC9D7BECu, 0xB039E252u},
        {"data file key", kDataFileKey, 0x04030201u, 0x08070605u, 0x2495DC22u, 0xC1097D19u,
         0x70F2C677u, 0xF0D1B74Bu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::uint32_t y = c.y, z = c.z;
        decipherBlock(y, z, c.key);
        EXPECT_EQ(y, c.plainY);
        EXPECT_EQ(z, c.plainZ);
        y = c.y, z = c.z;
        encipherBlock(y, z, c.key);
        EXPECT_EQ(y, c.cipherY);
        EXPECT_EQ(z, c.cipherZ);
    }
}

TEST(DataCipherBlock, TextbookTeaDoesNotReadTheFiles) {
    // Textbook TEA of a zero block under the zero key; the variant must not undo it.
    std::uint32_t y = 0x41EA3A0Au, z = 0x94BAA940u;
    decipherBlock(y, z, kZeroKey);
    EXPECT_FALSE(y == 0 && z == 0);
}

TEST(DataCipherFile, WordsAreLittleEndianAndBlocksIndependent) {
    // Two identical blocks give identical output: no chaining between blocks.
    std::vector<std::uint8_t> in = {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8};
    const auto out = decipher(in);
    const std::vector<std::uint8_t> expected = {0x22, 0xDC, 0x95, 0x24, 0x19, 0x7D, 0x09, 0xC1};
    ASSERT_EQ(out.size(), 16u);
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin(), out.begin() + 8), expected);
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin() + 8, out.end()), expected);
}

TEST(DataCipherFile, LengthsRoundUpToWholeBlocks) {
    struct Case {
        std::size_t in, out;
    };
    const Case cases[] = {{0, 0}, {1, 8}, {7, 8}, {8, 8}, {13, 16}, {16, 16}, {17, 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(decipher(counting(c.in)).size(), c.out);
        EXPECT_EQ(encipher(counting(c.in)).size(), c.out);
    }
}

TEST(DataCipherFile, APartialBlockIsDecipheredWithZerosAndKeptWhole) {
    const auto thirteen = counting(13);
    auto padded = thirteen;
    padded.resize(16, 0);
    const auto out = decipher(thirteen);
    EXPECT_EQ(out, decipher(padded));
    // The block of bytes 9-13 plus three zeros, worked out independently.
    const std::vector<std::uint8_t> tail = {0x10, 0x9F, 0x2B, 0x9F, 0x0E, 0xCE, 0xEE, 0x1D};
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin() + 8, out.end()), tail);
}

TEST(DataCipherFile, EncipherUndoesDecipherAndBackForAnyLength) {
    for (std::size_t n : {0u, 5u, 8u, 13u, 64u, 1001u}) {
        SCOPED_TRACE(n);
        auto plain = counting(n, 7);
        auto padded = plain;
        padded.resize((n + 7) / 8 * 8, 0);
        EXPECT_EQ(decipher(encipher(plain)), padded);
        EXPECT_EQ(encipher(decipher(plain)), padded);
        if (n > 0) {
            EXPECT_NE(encipher(plain), padded);
        }
    }
}

TEST(DataCipherFile, TheKeyMatters) {
    const auto plain = counting(32);
    const auto sealed = encipher(plain, kCountingKey);
    EXPECT_EQ(decipher(sealed, kCountingKey), plain);
    EXPECT_NE(decipher(sealed), plain);
}

}  // namespace
}  // namespace quorvin::data
