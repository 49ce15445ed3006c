#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "records/row_sort.h"
#include "records_fixtures.h"

namespace quorvin::testing {
namespace {

TEST(RowSort, CompareText) {
    using records::TextOrder;
    struct Case {
        std::string a;
        std::string b;
        TextOrder order;
        int sign;
    };
    const Case cases[] = {
        {"abc", "ABD", TextOrder::LatinCaseFolded, -1},
        {"Bob", "alice", TextOrder::LatinCaseFolded, 1},
        {"a", "A", TextOrder::LatinCaseFolded, 0},
        {"a", "A", TextOrder::Bytes, 1},
        {"8", "100", TextOrder::LatinCaseFolded, 1},
        {"ab", "abc", TextOrder::LatinCaseFolded, -1},
        // Folded Latin letters sort as capitals: before "_" (0x5F), not after it.
        {"a", "_", TextOrder::LatinCaseFolded, -1},
        // Second bytes of characters are not letters: 丄 (81 41) and 乤 (81 61) differ.
        {ui::toGbk("丄"), ui::toGbk("乤"), TextOrder::LatinCaseFolded, -1},
        {ui::toGbk("x丄"), ui::toGbk("X乤"), TextOrder::LatinCaseFolded, -1},
        {ui::toGbk("拼音文章"), ui::toGbk("数字练习"), TextOrder::Bytes, -1},
    };
    for (const Case& c : cases) {
        const int got = records::compareText(c.a, c.b, c.order);
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << ui::fromGbk(c.a) << " / " << ui::fromGbk(c.b);
    }
}

TEST(RowSort, LongTextsThatShareTheirFirstBytes) {
    records::ScoreTable table;
    const char* dates[] = {"2024年9月1日10时30分 星期日", "2024年9月1日9时5分 星期日",
                           "2024年10月2日8时0分 星期三", "2024年9月1日10时30分 星期六"};
    for (const char* date : dates) {
        auto record = result("abc", "英文(大)");
        record.Date = ui::toGbk(date);
        table.append(record);
    }
    std::vector<int> rows = {1, 2, 3, 4};
    records::sortRows(rows, table, records::ScoreField::Date, records::TextOrder::LatinCaseFolded,
                      true);
    // "1" before "9" in the month, then the day's hour "10" before "9", then the weekday.
    EXPECT_EQ(rows, (std::vector<int>{3, 4, 1, 2}));
}

// The sort orders rows eight bytes at a time; it must agree with comparing whole texts,
// whatever the texts share.
TEST(RowSort, AgreesWithComparingWholeTexts) {
    std::mt19937 random(7);
    // Pieces that make long shared starts, case pairs, digits, characters whose second byte
    // is a Latin letter (丄 81 41, 乤 81 61), and bytes around the padding value.
    const std::vector<std::string> pieces = {"a",
                                             "A",
                                             "b",
                                             "B",
                                             "_",
                                             "1",
                                             "10",
                                             "9",
                                             "learner",
                                             ui::toGbk("丄"),
                                             ui::toGbk("乤"),
                                             ui::toGbk("字"),
                                             ui::toGbk("2024年9月"),
                                             std::string(1, '\0'),
                                             "\x01"};
    records::ScoreTable table;
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        const int count = static_cast<int>(random() % 8);
        for (int p = 0; p < count; ++p)
            text += pieces[random() % pieces.size()];
        auto record = result("abc", "英文(大)");
        record.Article = ui::gbkPrefix(text, 100);
        table.append(record);
    }
    std::vector<int> all(static_cast<std::size_t>(table.ScoreCount()));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i) + 1;
    std::shuffle(all.begin(), all.end(), random);

    for (const auto order : {records::TextOrder::Bytes, records::TextOrder::LatinCaseFolded}) {
        for (const bool ascending : {true, false}) {
            std::vector<int> expected = all;
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const int c =
                    records::compareText(table.field(a, records::ScoreField::Article),
                                         table.field(b, records::ScoreField::Article), order);
                return ascending ? c < 0 : c > 0;
            });
            std::vector<int> rows = all;
            records::sortRows(rows, table, records::ScoreField::Article, order, ascending);
            EXPECT_EQ(rows, expected) << static_cast<int>(order) << " " << ascending;
        }
    }
}

}  // namespace
}  // namespace quorvin::testing
