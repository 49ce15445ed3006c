// The builder's table writer on small source tables of our own: what it writes is what the
// program reads, and every row it cannot write fails the build by name.
#include "mkdata/practice_tables_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/data_cipher.h"
#include "data/practice_tables.h"
#include "program_folder.h"
#include "ui/gbk.h"

namespace quorvin::mkdata {
namespace {

namespace fs = std::filesystem;
using testing::TempProgramFolder;

using Sources = std::map<std::string, std::string>;

// Two rows each; the second row is line 3 of its file.
Sources validSources() {
    return {
        {"wb1.tsv", "char\tcode\n工\ta\n了\tb\n"},
        {"wb2.tsv", "char\tcode\tanimation\n五\tgg\t3\n天\tgd\t12345678\n"},
        {"wbzg.tsv", "key\tradical\tnote\ng\t王\tkey name\nf\t土\t\n"},
        {"wbOne.tsv",
         "char\tcode1\tcode2\tcode3\tcode4\n一\tg\tgg\tggl\tggll\n藏\ta\tadn\tadnt\t\n"},
        {"wbs.tsv",
         "char\tcode1\tcode2\tcode3\tcode4\tanimation\n一\tg\tgg\tggl\tggll\t1\n中\tk\tkhk\t\t\t2"
         "\n"},
        {"wbTwo.tsv", "word\tcode\n中国\tkhlg\n工人\taaww\n"},
        {"wbMulti.tsv", "phrase\tcode\n一心一意\tgngu\n全心全意为人民服务\twnwt\n"},
        {"PYs.tsv", "char\treading\tspelling\tsound\n中\tzhōng\tzhong\tzhong1\n绿\tlǜ\tlv\tlv4\n"},
        {"PYOne.tsv",
         "char\treading\tspelling\tsound\n的\tde\tde\tde5\n装\tzhuāng\tzhuang\tzhuang1\n"},
        {"PYTwo.tsv",
         "word\tspelling\treading\tsounds\n中国\tzhongguo\tzhōngguó\tzhong1 guo2\n"
         "西安\txian\txī'ān\txi1 an1\n"},
        {"PYMulti.tsv",
         "phrase\tspelling\treading\tsounds\n一心一意\tyxyy\tyī xīn yī yì\tyi1 xin1 yi1 yi4\n"
         "全心全意为人民服务\tqxqywrmfw\tquán xīn quán yì wèi rén mín fú wù\t"
         "quan2 xin1 quan2 yi4 wei4 ren2 min2 fu2 wu4\n"},
    };
}

// The second data row of a table replaced.
Sources withSecondRow(const std::string& file, const std::string& row) {
    Sources sources = validSources();
    std::string& text = sources.at(file);
    const std::size_t second = text.find('\n', text.find('\n') + 1) + 1;
    text = text.substr(0, second) + row + "\n";
    return sources;
}

void writeSources(const TempProgramFolder& folder, const Sources& sources) {
    for (const auto& [name, text] : sources) {
        std::ofstream(folder.path() / name, std::ios::binary) << text;
    }
}

// The message of the failed build, or "" when it succeeded.
std::string build(const Sources& sources, const fs::path& out) {
    TempProgramFolder source;
    writeSources(source, sources);
    try {
        buildPracticeTables(source.path(), out);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

std::set<std::string> fileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string gbk(const char* utf8) {
    return ui::toGbk(utf8);
}

TEST(TablesWriter, TheProgramReadsBackEveryFieldAsWritten) {
    TempProgramFolder out;
    ASSERT_EQ(build(validSources(), out.path()), "");
    data::PracticeTables tables;
    ASSERT_EQ(tables.load(out.path()), data::DataFileStatus::Ok);
    const auto& wubi = tables.wubi;
    const auto& pinyin = tables.pinyin;

    EXPECT_EQ(wubi.Wb1Table.count(), 2);
    EXPECT_EQ(wubi.Wb1Table.record(1), gbk("了") + "b\r\n");
    EXPECT_EQ(wubi.Wb2Table.count(), 2);
    EXPECT_EQ(wubi.Wb2Table.record(0), gbk("五") + "gg           3\r\n");
    EXPECT_EQ(wubi.Wb2Table.record(1), gbk("天") + "gd    12345678\r\n");
    EXPECT_EQ(wubi.WbzgTable.count(), 2);
    EXPECT_EQ(wubi.WbzgTable.record(1).substr(0, 3), gbk("土") + "f");

    struct Expect {
        std::string what;
        std::string loaded;
        std::string written;
    };
    const Expect expects[] = {
        {"WbOne[1] code4", wubi.WbOneTable[1].Codes[3], "ggll"},
        {"WbOne[2] code3", wubi.WbOneTable[2].Codes[2], "adnt"},
        {"WbOne[2] code4", wubi.WbOneTable[2].Codes[3], ""},
        {"WbOne[2] char", wubi.WbOneTable[2].Char, gbk("藏")},
        {"Wbs[2] code2", wubi.WbsTable[2].Codes[1], "khk"},
        {"Wbs[2] char", wubi.WbsTable[2].Char, gbk("中")},
        {"Wbs[2] animation", std::to_string(wubi.WbsTable[2].AnimationNo), "2"},
        {"WbTwo[2] code", wubi.WbTwoTable[2].Code, "aaww"},
        {"WbTwo[2] word", wubi.WbTwoTable[2].Word, gbk("工人")},
        {"WbMulti[2] phrase", wubi.WbMultiTable[2].Phrase, gbk("全心全意为人民服务")},
        {"PYs[2] reading", pinyin.PYsTable[2].Reading, gbk("lǜ")},
        {"PYs[2] char", pinyin.PYsTable[2].Char, gbk("绿")},
        {"PYs[2] spelling", pinyin.PYsTable[2].Spelling, "lv"},
        {"PYs[2] sound", pinyin.PYsTable[2].Sound, "MyPyWAVlv4"},
        {"group 1 reading 1", pinyin.PYsGroupTable[1].Readings[0], gbk("zhōng")},
        {"PYOne[2] reading", pinyin.PYOneTable[2].Reading, gbk("zhuāng")},
        {"PYOne[2] spelling", pinyin.PYOneTable[2].Spelling, "zhuang"},
        {"PYTwo[2] spelling", pinyin.PYTwoTable[2].Spelling, "xian"},
        {"PYTwo[2] word", pinyin.PYTwoTable[2].Word, gbk("西安")},
        {"PYTwo[2] reading", pinyin.PYTwoTable[2].Reading, gbk("xī'ān")},
        {"PYTwo[2] sound 1", pinyin.PYTwoTable[2].Sounds[0], "MyPyWAVxi1"},
        {"PYTwo[2] sound 2", pinyin.PYTwoTable[2].Sounds[1], "MyPyWAVan1"},
        {"PYMulti[2] spelling", pinyin.PYMultiTable[2].Spelling, "qxqywrmfw"},
        {"PYMulti[2] phrase", pinyin.PYMultiTable[2].Phrase, gbk("全心全意为人民服务")},
        {"PYMulti[2] reading", pinyin.PYMultiTable[2].Reading,
         gbk("quán xīn quán yì wèi rén mín fú wù")},
        {"PYMulti[2] sound 9", pinyin.PYMultiTable[2].Sounds[8], "MyPyWAVwu4"},
        {"PYMulti[2] sound 10", pinyin.PYMultiTable[2].Sounds[9], ""},
    };
    for (const Expect& expect : expects)
        EXPECT_EQ(expect.loaded, expect.written) << expect.what;
    for (int end : {wubi.WbOneTable.End(), wubi.WbsTable.End(), wubi.WbTwoTable.End(),
                    wubi.WbMultiTable.End(), pinyin.PYsTable.End(), pinyin.PYOneTable.End(),
                    pinyin.PYTwoTable.End(), pinyin.PYMultiTable.End()})
        EXPECT_EQ(end, 3);
}

TEST(TablesWriter, OnlyTheFirstTwoTablesArePlain) {
    TempProgramFolder out;
    ASSERT_EQ(build(validSources(), out.path()), "");
    EXPECT_EQ(out.read("wb1.dat"), gbk("工") + "a\r\n" + gbk("了") + "b\r\n");
    // The others hold their lines only under the program's key.
    for (const char* file : {"wbOne.dat", "wbs.dat", "wbTwo.dat", "wbMulti.dat", "PYs.dat",
                             "PYOne.dat", "PYTwo.dat", "PYMulti.dat"}) {
        const std::string bytes = out.read(file);
        const auto plain = data::decipher(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        const std::string plaintext(plain.begin(), plain.end());
        EXPECT_EQ(plaintext.size(), bytes.size()) << file;
        EXPECT_EQ(std::count(plaintext.begin(), plaintext.end(), '\n'), 2) << file;
        EXPECT_NE(bytes.substr(0, 8), plaintext.substr(0, 8)) << file;
    }
}

// Reversed columns and one more: the same files.
TEST(TablesWriter, FindsColumnsByName) {
    Sources shuffled;
    for (const auto& [name, text] : validSources()) {
        std::istringstream lines(text);
        std::string result;
        for (std::string line; std::getline(lines, line);) {
            std::vector<std::string> fields;
            std::istringstream cells(line);
            for (std::string cell; std::getline(cells, cell, '\t');)
                fields.insert(fields.begin(), cell);
            if (line.ends_with('\t')) fields.insert(fields.begin(), "");
            result += (result.empty() ? "comment" : "x");
            for (const std::string& field : fields)
                result += "\t" + field;
            result += "\n";
        }
        shuffled[name] = result;
    }
    TempProgramFolder plain;
    TempProgramFolder reordered;
    ASSERT_EQ(build(validSources(), plain.path()), "");
    ASSERT_EQ(build(shuffled, reordered.path()), "");
    for (const std::string& file : fileNames(plain.path()))
        EXPECT_EQ(reordered.read(file), plain.read(file)) << file;
}

// WbzgCount is (plaintext length div 5) - 1 over the zero-padded plaintext: only some
// radical counts leave room for a filler of 5 to 9 bytes.
TEST(TablesWriter, BuildsRadicalTablesWhoseEveryRadicalCanBeDrawn) {
    const char* const radicals[] = {"王", "土", "大", "木", "工", "目", "日", "口", "田",
                                    "山", "禾", "白", "月", "人", "金", "言", "立", "水"};
    for (std::size_t n = 1; n <= 17; ++n) {
        Sources sources = validSources();
        std::string& wbzg = sources.at("wbzg.tsv");
        wbzg = "key\tradical\tnote\n";
        for (std::size_t i = 0; i < n; ++i)
            wbzg += std::string("g\t") + radicals[i] + "\t\n";
        TempProgramFolder out;
        const std::string failure = build(sources, out.path());
        const bool drawable = n % 8 == 0 || n % 8 == 2 || n % 8 == 3 || n % 8 == 5 || n % 8 == 7;
        if (!drawable) {
            EXPECT_NE(failure.find("wbzg.tsv: " + std::to_string(n) + " radicals"),
                      std::string::npos)
                << n << ": " << failure;
            continue;
        }
        ASSERT_EQ(failure, "") << n;
        data::WubiTables wubi;
        ASSERT_EQ(wubi.loadRadicals(out.path()), data::DataFileStatus::Ok);
        EXPECT_EQ(wubi.WbzgTable.count(), static_cast<std::int64_t>(n));
        EXPECT_EQ(wubi.WbzgTable.record(static_cast<std::int64_t>(n) - 1).substr(0, 2),
                  gbk(radicals[n - 1]));
    }
}

TEST(TablesWriter, ARowThatDoesNotFitFailsTheBuildByTableLineAndField) {
    struct Case {
        const char* file;
        std::string row;
        const char* fault;
    };
    const Case cases[] = {
        {"wb1.tsv", "工人\ta", "char is 4 bytes in GBK, columns 1-2 hold 2 exactly"},
        {"wb1.tsv", "了\tbb", "code is 2 bytes in GBK, columns 3-3 hold 1 exactly"},
        {"wb2.tsv", "天\tg\t4", "code is 1 bytes in GBK, columns 3-4 hold 2 exactly"},
        {"wb2.tsv", "天\tgd\t123456789", "animation is 9 bytes in GBK, columns 9-16 hold 8"},
        {"wb2.tsv", "天\tgd\t12a", "animation \"12a\" is not a positive number"},
        {"wbzg.tsv", "F\t土\t", "key \"F\" is not lower-case letters"},
        {"wbOne.tsv", "藏\ta\tadn\tadntd\t", "code3 is 5 bytes in GBK, columns 9-12 hold 4"},
        {"wbOne.tsv", "藏\t\tadn\t\t", "code1 \"\" is not lower-case letters"},
        {"wbOne.tsv", "\xF0\xA0\x80\x87\ta\t\t\t", "has no GBK code"},
        {"wbs.tsv", "中\tk\tkhk\t\t\t0", "animation \"0\" is not a positive number"},
        {"wbTwo.tsv", "工人\taawwaawwaawwa", "code is 13 bytes in GBK, columns 1-12 hold 12"},
        {"wbTwo.tsv", "\taaww", "word is empty"},
        {"wbMulti.tsv", "人山人海\xF0\x9F\x98\x80\twmwi", "phrase \"人山人海😀\": \"😀\" has no GBK"},
        {"PYs.tsv", "绿\tlǜ\tlv\tlv", "sound \"lv\" is not syllables with tones"},
        {"PYs.tsv", "绿\tlǜ\tlu\tlv4", "spelling \"lu\" is not the sound \"lv4\" without its tone"},
        {"PYOne.tsv", "装\tzhuāngzhuāng\tzhuang\tzhuang1",
         "reading is 14 bytes in GBK, columns 1-11 hold 11"},
        {"PYOne.tsv", "装\t zhuāng\tzhuang\tzhuang1", "reading starts or ends blank"},
        {"PYTwo.tsv", "中国\tzhongguo\tzhōngguó\tzhong1 guo2 ren2",
         "has 3 syllables, the program takes 2 to 2"},
        {"PYTwo.tsv", "西安\txian\txī'ān\txi1  an1", "is not syllables with tones"},
        {"PYMulti.tsv",
         "一心一意一心一意一心一\tyxyyyxyyyxy\tyī\tyi1 xin1 yi1 yi4 yi1 xin1 yi1 yi4 yi1 xin1 yi1",
         "phrase is 22 bytes in GBK, columns 13-31 hold 19"},
        {"PYMulti.tsv", "一心一意\tyxyy\tyī\tyi1 xin1 yi1 yi4 yi1 xin1 yi1 yi4 yi1 xin1 yi1",
         "has 11 syllables, the program takes 1 to 10"},
        {"PYMulti.tsv", "一心一意\tyxyy\tyī xīn yī yì", "3 fields, the header has 4"},
    };
    for (const Case& c : cases) {
        TempProgramFolder out;
        out.write("wb1.dat", "earlier");
        const std::string failure = build(withSecondRow(c.file, c.row), out.path());
        EXPECT_NE(failure.find(std::string(c.file) + " line 3"), std::string::npos)
            << c.file << " " << c.row << ": " << failure;
        EXPECT_NE(failure.find(c.fault), std::string::npos) << c.row << ": " << failure;
        // Nothing is written, so the files of the last good build stay.
        EXPECT_EQ(fileNames(out.path()), std::set<std::string>{"wb1.dat"}) << c.row;
        EXPECT_EQ(out.read("wb1.dat"), "earlier");
    }
}

TEST(TablesWriter, ReportsEveryFaultAndWhatTheProgramCouldNotKeep) {
    Sources sources = withSecondRow("wbTwo.tsv", "\taaww");
    sources["wb2.tsv"] = "char\tkode\tanimation\n";
    sources["PYMulti.tsv"] = "phrase\tspelling\treading\tsounds\n";
    for (int i = 0; i < 1501; ++i)
        sources["PYMulti.tsv"] += "一心一意\tyxyy\tyī xīn yī yì\tyi1 xin1 yi1 yi4\n";
    TempProgramFolder out;
    const std::string failure = build(sources, out.path());
    for (const char* fault : {"wb2.tsv: no column \"code\"", "wbTwo.tsv line 3: word is empty",
                              "PYMulti.tsv: 1501 rows, the program keeps 1500"})
        EXPECT_NE(failure.find(fault), std::string::npos) << fault << " in " << failure;
    EXPECT_TRUE(fileNames(out.path()).empty());
}

TEST(TablesWriter, ReplacesEarlierTablesWholeAndLeavesNothingElse) {
    TempProgramFolder out;
    out.write("wbOne.dat", std::string(100000, 'x'));
    ASSERT_EQ(build(validSources(), out.path()), "");
    const std::set<std::string> expected = {"wb1.dat",   "wb2.dat",   "wbzg.dat",    "wbOne.dat",
                                            "wbs.dat",   "wbTwo.dat", "wbMulti.dat", "PYs.dat",
                                            "PYOne.dat", "PYTwo.dat", "PYMulti.dat"};
    EXPECT_EQ(fileNames(out.path()), expected);
    EXPECT_LT(out.read("wbOne.dat").size(), 100u);
}

}  // namespace
}  // namespace quorvin::mkdata
