#include "data/fixed_columns.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quorvin::data {
namespace {

TEST(FixedColumns, ColumnsClipToTheBytesPresent) {
    const std::string_view line = "abcdefgh";
    struct Case {
        std::size_t first, last;
        std::string_view expected;
    };
    const Case cases[] = {
        {1, 4, "abcd"}, {5, 8, "efgh"}, {6, 20, "fgh"},
        {8, 8, "h"},    {9, 12, ""},    {4, 3, ""},
        {0, 3, ""},     {20, 30, ""},   {1, std::numeric_limits<std::size_t>::max(), "abcdefgh"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + "-" + std::to_string(c.last));
        EXPECT_EQ(columns(line, c.first, c.last), c.expected);
    }
    EXPECT_EQ(fromColumn(line, 3), "cdefgh");
    EXPECT_EQ(fromColumn(line, 9), "");
}

TEST(FixedColumns, TrimmingTakesBytesUpToSpaceFromBothEndsOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"  ab  ", "ab"},
        {std::string("\0\t\r\x1f a b \x20\n", 12), "a b"},
        {"\x21x\x21", "\x21x\x21"},
        // GBK bytes are above 127 and stay.
        {" \xd6\xd0 ", "\xd6\xd0"},
        {"    ", ""},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(trimField(in), out);
    EXPECT_EQ(field("  gg    x", 1, 4), "gg");
    EXPECT_EQ(fieldFrom("  gg    x ", 5), "x");
}

TEST(FixedColumns, DecimalsAreStrictSigned32BitNumbers) {
    struct Case {
        std::string_view text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"123", 123},
        {"-45", -45},
        {"+45", 45},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", -1},
        {"12a", -1},
        {"a12", -1},
        {"1 2", -1},
        {"", -1},
        {"-", -1},
        {"+", -1},
        {"+-5", -1},
        {"0x10", -1},
        {"1.5", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(decimalOr(c.text, -1), c.expected);
    }
}

}  // namespace
}  // namespace quorvin::data
