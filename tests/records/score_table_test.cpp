#include <gtest/gtest.h>

#include "records/score_store.h"
#include "records_fixtures.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

using records::ScoreField;
using records::ScoreTable;

TEST(ScoreTable, AppendsAtTheNextPositionAndReadsEveryFieldBack) {
    ScoreTable table;
    const auto first = result("abc", "英文(大)", "8字");
    const auto second = result("张三", "五笔文章", "100字", "岳阳楼记");
    EXPECT_TRUE(table.append(first));
    EXPECT_TRUE(table.append(second));
    ASSERT_EQ(table.ScoreCount(), 2);
    EXPECT_EQ(table.at(1), first);
    EXPECT_EQ(table.at(2), second);
    EXPECT_EQ(table.field(2, ScoreField::Article), ui::toGbk("岳阳楼记"));
    EXPECT_EQ(table.field(1, ScoreField::Date), ui::toGbk("2024年9月1日10时30分 星期日"));
    EXPECT_THROW(table.at(0), std::out_of_range);
    EXPECT_THROW(table.at(3), std::out_of_range);
}

struct CutCase {
    const char* name;
    ScoreField field;
    std::string text;      // GBK
    std::string expected;  // GBK
};
void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.name;
}

class FieldCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(FieldCut, ALongFieldIsCutToItsWidthWithoutSplittingACharacter) {
    ScoreTable table;
    auto record = result("abc", "拼音文章");
    records::fieldOf(record, GetParam().field) = GetParam().text;
    ASSERT_TRUE(table.append(record));
    EXPECT_EQ(table.field(1, GetParam().field), GetParam().expected);
    // The other fields are untouched.
    EXPECT_EQ(table.field(1, ScoreField::TypeName), ui::toGbk("拼音文章"));
}

const std::string kFiftyOneHan = [] {
    std::string s;
    for (int i = 0; i < 51; ++i)
        s += ui::toGbk("字");
    return s;
}();

INSTANTIATE_TEST_SUITE_P(
    Widths, FieldCut,
    ::testing::Values(CutCase{"ArticleOfHanEndsOnAWholeCharacter", ScoreField::Article,
                              kFiftyOneHan, kFiftyOneHan.substr(0, 100)},
                      // One Latin byte first: byte 100 would be the first half of a character.
                      CutCase{"ArticleShiftedByOneByteDropsTheSplitCharacter", ScoreField::Article,
                              "x" + kFiftyOneHan, "x" + kFiftyOneHan.substr(0, 98)},
                      CutCase{"ArticleOfExactlyItsWidthStays", ScoreField::Article,
                              std::string(100, 'a'), std::string(100, 'a')},
                      CutCase{"UserLongerThanItsColumn", ScoreField::User, std::string(130, 'u'),
                              std::string(100, 'u')},
                      CutCase{"DateCutAtForty", ScoreField::Date, std::string(41, '9'),
                              std::string(40, '9')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScoreTable, DeletingOneClearsItsFieldsAndKeepsEveryPosition) {
    ScoreTable table;
    table.append(result("a1", "英文(大)"));
    table.append(result("a2", "英文(小)"));
    table.append(result("a3", "数字练习"));
    table.clear(2);
    ASSERT_EQ(table.ScoreCount(), 3);
    EXPECT_TRUE(table.deleted(2));
    EXPECT_EQ(table.at(2), records::orvScoreSet{});
    EXPECT_EQ(table.field(3, ScoreField::User), "a3");
    EXPECT_EQ(table.field(1, ScoreField::User), "a1");
    // A later append goes after the cleared position, not into it.
    table.append(result("a4", "数字游戏"));
    EXPECT_EQ(table.field(4, ScoreField::User), "a4");
    EXPECT_TRUE(table.deleted(2));
}

TEST(ScoreTable, DeletingAllEmptiesTheTable) {
    ScoreTable table;
    table.ScoreHeader1 = kHeader1;
    table.append(result("abc", "英文(大)"));
    table.append(result("abc", "英文(小)"));
    table.clearAll();
    EXPECT_EQ(table.ScoreCount(), 0);
    EXPECT_EQ(table.ScoreHeader1, kHeader1);
    table.append(result("bob", "英文(小)"));
    EXPECT_EQ(table.field(1, ScoreField::User), "bob");
}

TEST(ScoreTable, AFullTableRefusesAnAppendWithoutHarm) {
    ScoreTable table;
    for (int i = 0; i < ScoreTable::Capacity; ++i)
        ASSERT_TRUE(table.append({"u", "t", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(table.full());
    EXPECT_FALSE(table.append(result("abc", "英文(大)")));
    EXPECT_EQ(table.ScoreCount(), ScoreTable::Capacity);
    EXPECT_EQ(table.field(ScoreTable::Capacity, ScoreField::User), "u");
    // Deleted entries still hold their positions.
    table.clear(1);
    EXPECT_FALSE(table.append(result("abc", "英文(大)")));
}

TEST(ScoreTable, EntriesWithNoBytesReadBackEmptyWhereverTheyFall) {
    // 256-byte entries fill the table's storage blocks exactly, so an empty entry after the
    // last of a block starts right at the block's end.
    ScoreTable table;
    const records::orvScoreSet wide{std::string(100, 'u'), std::string(16, 't'), "", "", "", "", "",
                                    std::string(40, 'w'),  std::string(100, 'a')};
    for (int i = 0; i < 5000; ++i) {
        table.append(wide);
        table.append(records::orvScoreSet{});
    }
    for (int position = 1; position <= table.ScoreCount(); position += 2) {
        ASSERT_EQ(table.at(position), wide) << position;
        ASSERT_TRUE(table.deleted(position + 1));
        ASSERT_EQ(table.at(position + 1), records::orvScoreSet{});
    }
}

}  // namespace
}  // namespace quorvin::testing
