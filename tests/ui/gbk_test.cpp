#include "ui/gbk.h"

#include <gtest/gtest.h>

namespace quorvin::ui {
namespace {

TEST(Gbk, RoundTripsChineseAndAscii) {
    const std::string utf8 = "打字练习 abc 123，。";
    const std::string gbk = toGbk(utf8);
    // Six Chinese characters and punctuation marks take two bytes each, the rest one.
    EXPECT_EQ(gbk.size(), 6u * 2 + 8);
    EXPECT_EQ(fromGbk(gbk), utf8);
    EXPECT_EQ(gbk.substr(0, 2), "\xB4\xF2");  // 打
}

TEST(Gbk, CharactersOutsideGbkAreReported) {
    bool ok = true;
    const std::string gbk = toGbk("a\xF0\x9F\x98\x80z", &ok);  // an emoji between two letters
    EXPECT_FALSE(ok);
    EXPECT_EQ(gbk, "a?z");
    toGbk("中文", &ok);
    EXPECT_TRUE(ok);
}

TEST(Gbk, InvalidBytesDecodeToReplacementCharacter) {
    EXPECT_EQ(fromGbk(std::string("a\xFF") + "b"),
              "a\xEF\xBF\xBD"
              "b");
}

struct BoundaryCase {
    const char* utf8;
    std::size_t pos;
    bool boundary;
    std::size_t previous;
};

class GbkBoundaries : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(GbkBoundaries, WalkFromTheStart) {
    const auto& c = GetParam();
    const std::string text = toGbk(c.utf8);
    EXPECT_EQ(isGbkBoundary(text, c.pos), c.boundary) << c.utf8 << " @" << c.pos;
    EXPECT_EQ(gbkPreviousBoundary(text, c.pos), c.previous) << c.utf8 << " @" << c.pos;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GbkBoundaries,
    ::testing::Values(BoundaryCase{"中文", 1, false, 0}, BoundaryCase{"中文", 2, true, 0},
                      BoundaryCase{"中文", 4, true, 2}, BoundaryCase{"a中", 2, false, 1},
                      BoundaryCase{"a中", 3, true, 1}, BoundaryCase{"1中2", 4, true, 3},
                      BoundaryCase{"1中2", 3, true, 1}, BoundaryCase{"ab", 2, true, 1}));

TEST(Gbk, PrefixNeverSplitsACharacter) {
    const std::string text = toGbk("a中文");
    EXPECT_EQ(gbkPrefix(text, 0), "");
    EXPECT_EQ(gbkPrefix(text, 1), "a");
    EXPECT_EQ(gbkPrefix(text, 2), "a");
    EXPECT_EQ(gbkPrefix(text, 3), toGbk("a中"));
    EXPECT_EQ(gbkPrefix(text, 4), toGbk("a中"));
    EXPECT_EQ(gbkPrefix(text, 99), text);
}

TEST(Gbk, LoneLeadByteAtTheEndCountsAsOneByte) {
    const std::string text = std::string("a") + '\xD6';
    EXPECT_EQ(gbkCharLength(text, 1), 1u);
    EXPECT_TRUE(isGbkBoundary(text, 2));
}

}  // namespace
}  // namespace quorvin::ui
