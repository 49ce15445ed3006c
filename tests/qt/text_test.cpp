#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/gbk.h"
#include "ui/qt/text.h"

namespace quorvin::ui::qt {
namespace {

TEST(TextTest, GbkAndQtTextRoundTrip) {
    const std::string gbk = toGbk("你好, Quorvin");
    EXPECT_EQ(toQt(gbk), QString::fromUtf8("你好, Quorvin"));
    EXPECT_EQ(toGbkBytes(QString::fromUtf8("你好, Quorvin")), gbk);
    // A character GBK cannot hold becomes a question mark rather than vanishing.
    EXPECT_EQ(toGbkBytes(QString::fromUtf8("a😀b")), "a?b");
}

struct PositionCase {
    const char* name;
    std::string gbk;
    QString shown;
    std::vector<std::pair<std::size_t, int>> byteToUnit;
    std::vector<std::pair<int, std::size_t>> unitToByte;
};

void PrintTo(const PositionCase& c, std::ostream* out) {
    *out << c.name;
}

class DisplayTextTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(DisplayTextTest, MapsPositionsBetweenBytesAndUnits) {
    const PositionCase& c = GetParam();
    const DisplayText display(c.gbk);
    EXPECT_EQ(display.text(), c.shown);
    for (const auto& [byte, unit] : c.byteToUnit)
        EXPECT_EQ(display.unitAt(byte), unit) << "byte " << byte;
    for (const auto& [unit, byte] : c.unitToByte)
        EXPECT_EQ(display.byteAt(unit), byte) << "unit " << unit;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayTextTest,
    ::testing::Values(PositionCase{"Empty", "", QString(), {{0, 0}, {3, 0}}, {{0, 0}, {2, 0}}},
                      PositionCase{
                          "Ascii", "abc", "abc", {{0, 0}, {2, 2}, {3, 3}}, {{1, 1}, {3, 3}}},
                      // 中 takes bytes 1-2 and one unit; a byte inside it maps to its start.
                      PositionCase{"Mixed",
                                   toGbk("a中b"),
                                   QString::fromUtf8("a中b"),
                                   {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 3}},
                                   {{0, 0}, {1, 1}, {2, 3}, {3, 4}}},
                      // An invalid pair still counts as one character of two bytes.
                      PositionCase{"InvalidPair",
                                   std::string("\x81\x20x", 3),
                                   QString::fromUtf8("\xEF\xBF\xBD x"),
                                   {{1, 0}, {2, 2}, {3, 3}},
                                   {{1, 0}, {2, 2}, {3, 3}}},
                      PositionCase{"LoneLeadAtEnd",
                                   std::string("ab\x81", 3),
                                   QString::fromUtf8("ab\xEF\xBF\xBD"),
                                   {{2, 2}, {3, 3}},
                                   {{2, 2}, {3, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvin::ui::qt
