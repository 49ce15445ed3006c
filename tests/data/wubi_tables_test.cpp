#include "data/wubi_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "program_folder.h"
#include "table_files.h"

namespace quorvin::data {
namespace {

namespace fs = std::filesystem;
using test::ColumnLine;
using test::crlfLines;
using test::gbk;
using testing::TempProgramFolder;
using Codes = std::array<std::string, 4>;

TEST(WubiLines, WbOneTakesFourCodesAndTheCharacter) {
    const auto e = parseWbOneLine(test::wbOneLine({"g", "gg", "ggg", "gggg"}, "一"));
    EXPECT_EQ(e.Codes, (Codes{"g", "gg", "ggg", "gggg"}));
    EXPECT_EQ(e.Char, gbk("一"));
    // Exactly 16 bytes: nothing from column 24.
    const auto bare = parseWbOneLine("abcdefghijklmnop");
    EXPECT_EQ(bare.Codes, (Codes{"abcd", "efgh", "ijkl", "mnop"}));
    EXPECT_EQ(bare.Char, "");
    // Columns 17-23 are not read; the character ends at column 28.
    const auto wide = parseWbOneLine(
        ColumnLine().bytesAt(1, "khk").bytesAt(17, "XXXXXXX").at(24, "中").bytesAt(29, "zz").str());
    EXPECT_EQ(wide.Codes, (Codes{"khk", "", "", ""}));
    EXPECT_EQ(wide.Char, gbk("中"));
}

TEST(WubiLines, WbsAnimationNumbersAndTheSharedColumn) {
    struct Case {
        const char* what;
        std::string line;
        std::string character;
        std::int32_t animationNo;
    };
    const std::string codes = "k   khk         ";  // columns 1-16
    const Case cases[] = {
        {"clean layout", test::wbsLine({"k", "khk"}, "中", 2345), gbk("中"), 2345},
        {"exactly 24 bytes", codes + "       X", "X", 1},
        {"number then letter", codes + "       " + gbk("中") + "   12a", gbk("中"), 1},
        {"no number", codes + "       " + gbk("中"), gbk("中"), 1},
        {"negative", codes + "       " + gbk("中") + "   -7", gbk("中"), -7},
        {"too big", codes + "       " + gbk("中") + "   99999999999", gbk("中"), 1},
        // Column 28 belongs to both fields.
        {"shared column", codes + "       " + gbk("中") + "  42", gbk("中") + "  4", 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto e = parseWbsLine(c.line);
        EXPECT_EQ(e.Codes, (Codes{"k", "khk", "", ""}));
        EXPECT_EQ(e.Char, c.character);
        EXPECT_EQ(e.AnimationNo, c.animationNo);
    }
}

TEST(WubiLines, WordAndPhraseLinesSplitAtColumn13) {
    const auto two = parseWbTwoLine(test::wbCodeLine("khlg", "中国"));
    EXPECT_EQ(two.Code, "khlg");
    EXPECT_EQ(two.Word, gbk("中国"));
    const auto multi = parseWbMultiLine(test::wbCodeLine("gngu", "一心一意") + "  \t");
    EXPECT_EQ(multi.Code, "gngu");
    EXPECT_EQ(multi.Phrase, gbk("一心一意"));
    // A code of twelve letters runs into the text column without a gap.
    const auto full = parseWbTwoLine("abcdefghijkl" + gbk("中国"));
    EXPECT_EQ(full.Code, "abcdefghijkl");
    EXPECT_EQ(full.Word, gbk("中国"));
    // Exactly the minimum.
    EXPECT_EQ(parseWbTwoLine("   abc      ").Word, "");
}

TEST(WubiRawTables, CountsAreWholeRecordsAndTheBufferEndsInZero) {
    TempProgramFolder folder;
    folder.write("wb1.dat", crlfLines({gbk("工a"), gbk("了b")}) + "xy");  // 12 bytes
    const std::string wb2Record = ColumnLine().at(1, "五gg").bytesAt(9, "    1234").str() + "\r\n";
    folder.write("wb2.dat", wb2Record + wb2Record + std::string(17, 'z'));
    WubiTables tables;
    ASSERT_EQ(tables.loadRawTables(folder.path()), DataFileStatus::Ok);

    EXPECT_EQ(tables.Wb1Table.count(), 2);
    EXPECT_EQ(tables.Wb1Table.bytes().size(), 12u);
    EXPECT_EQ(tables.Wb1Table.record(1), gbk("了b") + "\r\n");
    EXPECT_EQ(tables.Wb1Table.record(2), "xy");
    EXPECT_EQ(std::string(tables.Wb1Table.c_str()), folder.read("wb1.dat"));

    EXPECT_EQ(tables.Wb2Table.count(), 2);
    EXPECT_EQ(tables.Wb2Table.record(0).substr(8, 8), "    1234");
    EXPECT_EQ(tables.Wb2Table.c_str()[tables.Wb2Table.bytes().size()], '\0');

    tables.releaseRawTables();
    EXPECT_EQ(tables.Wb1Table.count(), 0);
    EXPECT_TRUE(tables.Wb2Table.bytes().empty());
    EXPECT_STREQ(tables.Wb2Table.c_str(), "");
}

TEST(WubiRawTables, TheFirstFileThatDoesNotOpenStopsTheLoad) {
    struct Case {
        const char* what;
        bool wb1, wb2;
        std::int64_t wb1Count, wb2Count;
    };
    const Case cases[] = {
        {"wb1 missing", false, true, 0, 0},
        {"wb2 missing", true, false, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        if (c.wb1) folder.write("wb1.dat", gbk("工a") + "\r\n");
        if (c.wb2) folder.write("wb2.dat", std::string(36, ' '));
        WubiTables tables;
        EXPECT_EQ(tables.loadRawTables(folder.path()), DataFileStatus::Unreadable);
        EXPECT_EQ(tables.Wb1Table.count(), c.wb1Count);
        EXPECT_EQ(tables.Wb2Table.count(), c.wb2Count);
    }
}

// N records of 5 bytes and f filler bytes: the last record can be drawn only from f = 5 on.
TEST(WubiRadicals, FillerDecidesWhetherTheLastRecordCounts) {
    constexpr int kRecords = 4;
    std::string records;
    for (int i = 0; i < kRecords; ++i)
        records += gbk("王g") + "\r\n";
    for (int filler = 0; filler <= 7; ++filler) {
        SCOPED_TRACE(filler);
        std::string plain = records + std::string(static_cast<std::size_t>(filler), ' ');
        const RawTable table = makeWbzgTable({plain.begin(), plain.end()});
        EXPECT_EQ(table.count(), filler < 5 ? kRecords - 1 : kRecords);
        EXPECT_EQ(table.bytes(), plain);
        EXPECT_EQ(table.c_str()[plain.size()], '\0');
    }
    EXPECT_EQ(makeWbzgTable({}).count(), -1);
}

TEST(WubiRadicals, TheFileIsDecipheredInMemoryWithItsPadding) {
    struct Case {
        const char* what;
        std::string plaintext;
        std::int64_t count;
        std::size_t length;
    };
    const std::string radical = gbk("王g") + "\r\n";
    const Case cases[] = {
        // 2 records + 6 filler bytes = 16: both records count.
        {"filler of six", radical + radical + "\r\n    ", 2, 16},
        // 3 records = 15 bytes, padded to 16: one filler byte, the last record is lost.
        {"padding only", radical + radical + radical, 2, 16},
        {"empty", "", -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        test::writeEnciphered(folder, "wbzg.dat", c.plaintext);
        WubiTables tables;
        ASSERT_EQ(tables.loadRadicals(folder.path()), DataFileStatus::Ok);
        EXPECT_EQ(tables.WbzgTable.count(), c.count);
        EXPECT_EQ(tables.WbzgTable.bytes().size(), c.length);
        EXPECT_EQ(tables.WbzgTable.bytes().substr(0, c.plaintext.size()), c.plaintext);
        EXPECT_EQ(fs::directory_iterator(folder.path())->path().filename(), "wbzg.dat");
    }
    TempProgramFolder empty;
    WubiTables tables;
    EXPECT_EQ(tables.loadRadicals(empty.path()), DataFileStatus::Unreadable);
}

class WubiLineTables : public ::testing::Test {
  protected:
    // Writes the four line files, each given lines or empty.
    void write(const std::vector<std::string>& one, const std::vector<std::string>& s = {},
               const std::vector<std::string>& two = {},
               const std::vector<std::string>& multi = {}) {
        test::writeEnciphered(folder_, "wbOne.dat", crlfLines(one));
        test::writeEnciphered(folder_, "wbs.dat", crlfLines(s));
        test::writeEnciphered(folder_, "wbTwo.dat", crlfLines(two));
        test::writeEnciphered(folder_, "wbMulti.dat", crlfLines(multi));
    }
    DataFileStatus load() { return tables_.loadLineTables(folder_.path()); }

    TempProgramFolder folder_;
    WubiTables tables_;
};

TEST_F(WubiLineTables, AShortLineEndsTheTableWhateverFollows) {
    const std::string one = test::wbOneLine({"g"}, "一");
    write({one, test::wbOneLine({"khk"}, "中"), std::string(15, 'a'), one, one},
          {test::wbsLine({"g"}, "一", 1), std::string(23, 'b'), test::wbsLine({"g"}, "一", 1)}, {},
          {std::string(11, 'c'), test::wbCodeLine("gngu", "一心一意")});
    ASSERT_EQ(load(), DataFileStatus::Ok);
    EXPECT_EQ(tables_.WbOneTable.End(), 3);
    EXPECT_EQ(tables_.WbOneTable[2].Char, gbk("中"));
    EXPECT_EQ(tables_.WbOneTable[3].Char, "");
    EXPECT_EQ(tables_.WbsTable.End(), 2);
    EXPECT_EQ(tables_.WbTwoTable.End(), 1);
    EXPECT_EQ(tables_.WbMultiTable.End(), 1);
    for (const char* temp : {"wbOneTemp.dat", "wbsTemp.dat", "wbTwoTemp.dat", "wbMultiTemp.dat"})
        EXPECT_FALSE(fs::exists(folder_ / temp)) << temp;
}

TEST_F(WubiLineTables, PositionsCountFromOneAndOthersReadEmpty) {
    write({test::wbOneLine({"g", "gggg"}, "一"), test::wbOneLine({"khk"}, "中")});
    ASSERT_EQ(load(), DataFileStatus::Ok);
    EXPECT_EQ(tables_.WbOneTable[1].Codes, (Codes{"g", "gggg", "", ""}));
    for (int position : {0, 3, 6999, 7000, 7001, -1})
        EXPECT_EQ(tables_.WbOneTable[position].Char, "") << position;
}

TEST_F(WubiLineTables, AFileBeyondTheCapacityStopsAtIt) {
    std::vector<std::string> multi;
    for (int i = 1; i <= 1502; ++i)
        multi.push_back(test::wbCodeLine("c" + std::to_string(i), "一心一意"));
    write({}, {}, {}, multi);
    ASSERT_EQ(load(), DataFileStatus::Ok);
    EXPECT_EQ(tables_.WbMultiTable.capacity(), 1500);
    EXPECT_EQ(tables_.WbMultiTable.End(), 1501);
    EXPECT_EQ(tables_.WbMultiTable[1500].Code, "c1500");
    EXPECT_EQ(tables_.WbMultiTable[1501].Code, "");
}

TEST_F(WubiLineTables, TheFirstMissingFileStopsTheRest) {
    write({test::wbOneLine({"g"}, "一")}, {test::wbsLine({"g"}, "一", 1)},
          {test::wbCodeLine("khlg", "中国")});
    fs::remove(folder_ / "wbs.dat");
    EXPECT_EQ(load(), DataFileStatus::Unreadable);
    EXPECT_EQ(tables_.WbOneTable.End(), 2);
    EXPECT_EQ(tables_.WbTwoTable.End(), 1);
}

}  // namespace
}  // namespace quorvin::data
