#include "data/pinyin_tables.h"

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

TEST(PinyinLines, CharacterLinesShareTheirColumns) {
    struct Case {
        const char* what;
        std::string line;
        std::string spelling, character, reading, sound;
    };
    const Case cases[] = {
        {"clean layout", test::pysLine("zhōng", "中", "zhong1"), "zhong", gbk("中"), gbk("zhōng"),
         "MyPyWAVzhong1"},
        {"exactly 16 bytes", "abcdefghijklmnop", "", "lmnop", "abcdefghijkl", "MyPyWAVp"},
        // Without the blanks around it the character takes column 12 of the reading and
        // columns 16-17 of the spelling.
        {"crowded", "xxxxxxxxxxxX" + gbk("中") + " zhong1", "zhong", "X" + gbk("中") + " zh",
         "xxxxxxxxxxxX", "MyPyWAVzhong1"},
        {"trailing blanks", test::pysLine("a", "啊", "a1") + " \t", "a1", gbk("啊"), "a",
         "MyPyWAVa1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto e = parsePYsLine(c.line);
        EXPECT_EQ(e.Spelling, c.spelling);
        EXPECT_EQ(e.Char, c.character);
        EXPECT_EQ(e.Reading, c.reading);
        EXPECT_EQ(e.Sound, c.sound);
    }
}

TEST(PinyinLines, WordSoundsSplitAtTheFirstSpaceOnly) {
    struct Case {
        const char* what;
        std::string sounds;
        std::string first, second;
    };
    const Case cases[] = {
        {"two syllables", "zhong1 guo2", "MyPyWAVzhong1", "MyPyWAVguo2"},
        {"no space", "zhong1guo2", "MyPyWAV", "MyPyWAVzhong1guo2"},
        {"three syllables", "zhong1 hua2 min2", "MyPyWAVzhong1", "MyPyWAVhua2 min2"},
        {"two spaces", "zhong1  guo2", "MyPyWAVzhong1", "MyPyWAVguo2"},
        {"nothing", "", "MyPyWAV", "MyPyWAV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string line =
            ColumnLine().bytesAt(1, "zhongguo").at(13, "中国").at(19, "zhōngguó").padTo(39).str() +
            c.sounds;
        const auto e = parsePYTwoLine(line);
        EXPECT_EQ(e.Spelling, "zhongguo");
        EXPECT_EQ(e.Word, gbk("中国"));
        EXPECT_EQ(e.Reading, gbk("zhōngguó"));
        EXPECT_EQ(e.Sounds[0], c.first);
        EXPECT_EQ(e.Sounds[1], c.second);
    }
    // Column 18 belongs to word and reading.
    const auto crowded = parsePYTwoLine(std::string(12, 'a') + gbk("中国") + "XYreading" +
                                        std::string(20, ' ') + "a1 b2");
    EXPECT_EQ(crowded.Word, gbk("中国") + "XY");
    EXPECT_EQ(crowded.Reading, "Yreading");
}

TEST(PinyinLines, PhraseSoundsTakeOneSlotPerSpaceUpToTen) {
    using Sounds = std::array<std::string, kMaxPhraseSyllables>;
    struct Case {
        const char* what;
        std::string sounds;
        Sounds expected;
    };
    const Case cases[] = {
        {"nothing from column 85", "", {"MyPyWAV"}},
        {"four syllables",
         "yi1 xin1 yi1 yi4",
         {"MyPyWAVyi1", "MyPyWAVxin1", "MyPyWAVyi1", "MyPyWAVyi4"}},
        {"two spaces in a row", "a1  b2", {"MyPyWAVa1", "MyPyWAV", "MyPyWAVb2"}},
        {"twelve syllables",
         "s1 s2 s3 s4 s5 s6 s7 s8 s9 s10 s11 s12",
         {"MyPyWAVs1", "MyPyWAVs2", "MyPyWAVs3", "MyPyWAVs4", "MyPyWAVs5", "MyPyWAVs6", "MyPyWAVs7",
          "MyPyWAVs8", "MyPyWAVs9", "MyPyWAVs10"}},
        {"a tab is no separator", "a1\tb2 c3 ", {"MyPyWAVa1\tb2", "MyPyWAVc3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto e =
            parsePYMultiLine(test::pyMultiLine("yxyy", "一心一意", "yī xīn yī yì", c.sounds));
        EXPECT_EQ(e.Spelling, "yxyy");
        EXPECT_EQ(e.Phrase, gbk("一心一意"));
        EXPECT_EQ(e.Reading, gbk("yī xīn yī yì"));
        EXPECT_EQ(e.Sounds, c.expected);
    }
    // Column 32 belongs to phrase and reading; columns 82-84 to neither.
    const auto crowded = parsePYMultiLine(std::string(12, 'a') + std::string(19, 'P') + "R" +
                                          std::string(49, 'r') + "XYZ" + "s1");
    EXPECT_EQ(crowded.Phrase, std::string(19, 'P') + "R");
    EXPECT_EQ(crowded.Reading, "R" + std::string(49, 'r'));
    EXPECT_EQ(crowded.Sounds[0], "MyPyWAVs1");
    // A 40-byte line: reading from 32 on, no sounds.
    const auto shortest = parsePYMultiLine(std::string(31, ' ') + "123456789");
    EXPECT_EQ(shortest.Reading, "123456789");
    EXPECT_EQ(shortest.Sounds[0], "MyPyWAV");
}

// PYs.dat of n entries whose readings name their positions: "r1", "r2", ...
void writePYs(TempProgramFolder& folder, int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back(ColumnLine()
                            .bytesAt(1, "r" + std::to_string(i))
                            .at(13, "中")
                            .bytesAt(18, "s" + std::to_string(i) + "1")
                            .str());
    test::writeEnciphered(folder, "PYs.dat", crlfLines(lines));
}

class PinyinTablesLoad : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeEnciphered(folder_, "PYOne.dat", "");
        test::writeEnciphered(folder_, "PYTwo.dat", "");
        test::writeEnciphered(folder_, "PYMulti.dat", "");
    }

    // Members of group g as "reading/spelling/sound" per slot.
    std::vector<std::string> members(int g) const {
        const orvcharsetpy2& group = tables_.PYsGroupTable[g];
        std::vector<std::string> out;
        for (std::size_t j = 0; j < 3; ++j)
            out.push_back(group.Readings[j] + "/" + group.Spellings[j] + "/" + group.Sounds[j]);
        return out;
    }

    TempProgramFolder folder_;
    PinyinTables tables_;
};

TEST_F(PinyinTablesLoad, GroupsPairTheFirst34AndTripleThe6After) {
    writePYs(folder_, 41);
    ASSERT_EQ(tables_.load(folder_.path()), DataFileStatus::Ok);
    EXPECT_EQ(tables_.PYsTable.End(), 42);
    const std::string none = "//";
    EXPECT_EQ(members(1), (std::vector<std::string>{"r1/s1/MyPyWAVs11", "r2/s2/MyPyWAVs21", none}));
    EXPECT_EQ(members(17),
              (std::vector<std::string>{"r33/s33/MyPyWAVs331", "r34/s34/MyPyWAVs341", none}));
    EXPECT_EQ(members(18), (std::vector<std::string>{"r35/s35/MyPyWAVs351", "r36/s36/MyPyWAVs361",
                                                     "r37/s37/MyPyWAVs371"}));
    EXPECT_EQ(members(19), (std::vector<std::string>{"r38/s38/MyPyWAVs381", "r39/s39/MyPyWAVs391",
                                                     "r40/s40/MyPyWAVs401"}));
    EXPECT_EQ(members(0), (std::vector<std::string>{none, none, none}));
    EXPECT_EQ(members(20), (std::vector<std::string>{none, none, none}));
}

TEST_F(PinyinTablesLoad, MissingMembersGiveEmptyStrings) {
    writePYs(folder_, 30);
    ASSERT_EQ(tables_.load(folder_.path()), DataFileStatus::Ok);
    const std::string none = "//";
    EXPECT_EQ(members(15),
              (std::vector<std::string>{"r29/s29/MyPyWAVs291", "r30/s30/MyPyWAVs301", none}));
    for (int g = 16; g <= 19; ++g)
        EXPECT_EQ(members(g), (std::vector<std::string>{none, none, none})) << g;
}

TEST_F(PinyinTablesLoad, MinimumLengthsEndEachTable) {
    writePYs(folder_, 2);
    const std::string one = test::pysLine("zhōng", "中", "zhong1");
    const std::string two = test::pyTwoLine("zhongguo", "中国", "zhōngguó", "zhong1 guo2");
    const std::string multi = test::pyMultiLine("yxyy", "一心一意", "yī xīn yī yì", "");
    test::writeEnciphered(folder_, "PYOne.dat", crlfLines({one, one, std::string(15, 'x'), one}));
    test::writeEnciphered(folder_, "PYTwo.dat", crlfLines({two, std::string(39, 'x'), two, two}));
    test::writeEnciphered(folder_, "PYMulti.dat",
                          crlfLines({multi, std::string(40, 'x'), std::string(39, 'x'), multi}));
    ASSERT_EQ(tables_.load(folder_.path()), DataFileStatus::Ok);
    EXPECT_EQ(tables_.PYsTable.End(), 3);
    EXPECT_EQ(tables_.PYOneTable.End(), 3);
    EXPECT_EQ(tables_.PYTwoTable.End(), 2);
    EXPECT_EQ(tables_.PYTwoTable[1].Sounds[1], "MyPyWAVguo2");
    EXPECT_EQ(tables_.PYMultiTable.End(), 3);
    EXPECT_EQ(tables_.PYMultiTable[2].Spelling, "xxxxxxxxxxxx");
    for (const char* temp : {"PYsTemp.dat", "PYOneTemp.dat", "PYTwoTemp.dat", "PYMultiTemp.dat"})
        EXPECT_FALSE(fs::exists(folder_ / temp)) << temp;
}

TEST_F(PinyinTablesLoad, CapacitiesStopTheLoad) {
    std::vector<std::string> lines(3301, test::pysLine("a", "啊", "a1"));
    lines.back() = test::pysLine("o", "哦", "o2");
    test::writeEnciphered(folder_, "PYs.dat", crlfLines(lines));
    ASSERT_EQ(tables_.load(folder_.path()), DataFileStatus::Ok);
    EXPECT_EQ(tables_.PYsTable.End(), 3301);
    EXPECT_EQ(tables_.PYsTable[3300].Char, gbk("啊"));
    EXPECT_EQ(tables_.PYsTable[3301].Char, "");
}

TEST_F(PinyinTablesLoad, TheFirstMissingFileStopsTheRest) {
    writePYs(folder_, 2);
    test::writeEnciphered(folder_, "PYTwo.dat",
                          test::pyTwoLine("zhongguo", "中国", "zhōngguó", "zhong1 guo2") + "\r\n");
    fs::remove(folder_ / "PYOne.dat");
    EXPECT_EQ(tables_.load(folder_.path()), DataFileStatus::Unreadable);
    EXPECT_EQ(tables_.PYsTable.End(), 3);
    EXPECT_EQ(tables_.PYsGroupTable[1].Readings[1], "r2");
    EXPECT_EQ(tables_.PYTwoTable.End(), 1);
}

}  // namespace
}  // namespace quorvin::data
