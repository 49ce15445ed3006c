// Cutting article text into pages, listing article folders, titles and digit pages.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "articles/article_list.h"
#include "articles/article_text.h"
#include "articles/digit_pages.h"
#include "headless_platform.h"
#include "ui/gbk.h"

namespace quorvin::articles {
namespace {

using Page = std::vector<std::string>;

// Every page the text gives, each as its six lines.
std::vector<Page> pagesOf(const std::string& bytes, int lineLimit) {
    ArticleText text;
    text.bytes = bytes;
    std::vector<Page> pages;
    PageLines lines;
    while (LoadNextPage(text, lineLimit, lines) > 0) {
        pages.emplace_back(lines.begin(), lines.end());
        if (pages.size() > 100) break;
    }
    EXPECT_TRUE(text.Exhausted);
    return pages;
}

Page page(std::vector<std::string> lines) {
    lines.resize(kPageLineCount);
    return lines;
}

struct CutCase {
    const char* name;
    std::string text;
    int lineLimit;
    std::vector<Page> pages;
};

std::string chinese(int characters) {
    std::string s;
    for (int i = 0; i < characters; ++i)
        s += ui::toGbk("中");
    return s;
}

std::string lines(int count) {
    std::string s;
    for (int i = 1; i <= count; ++i)
        s += "line " + std::to_string(i) + "\r\n";
    return s;
}

class Cutter : public ::testing::TestWithParam<CutCase> {};

TEST_P(Cutter, CutsPagesAsTheLearnerTypesThem) {
    EXPECT_EQ(pagesOf(GetParam().text, GetParam().lineLimit), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Cutter,
    ::testing::Values(
        CutCase{"AsciiParagraph",
                std::string(200, 'a') + "\r\nnext",
                86,
                {page({std::string(86, 'a'), std::string(86, 'a'), std::string(28, 'a'), "next"})}},
        CutCase{"FullScreenLimit",
                std::string(200, 'a'),
                100,
                {page({std::string(100, 'a'), std::string(100, 'a')})}},
        // A digit shifts the boundaries: the 86th byte would be the first of a character.
        CutCase{
            "NeverEndsOnALeadByte", "1" + chinese(50), 86, {page({"1" + chinese(42), chinese(8)})}},
        CutCase{"FullLengthLineIsFollowedByAnEmptyLine",
                std::string(86, 'b') + "\r\nc",
                86,
                {page({std::string(86, 'b'), "", "c"})}},
        CutCase{"CarriageReturnAtTheEndOfTheCut",
                std::string(85, 'b') + "\r\nc",
                86,
                {page({std::string(85, 'b'), "c"})}},
        CutCase{"BlankLine", "a\r\n\r\nb\r\n", 86, {page({"a", "", "b"})}},
        CutCase{"NulEndsTheArticle", "abc\0def\r\nghi", 86, {page({"abc"})}},
        CutCase{"LoneLineFeedAndCarriageReturnStay", "a\nb\rc", 86, {page({"a\nb\rc"})}},
        CutCase{"TenLinesMakeTwoPages",
                lines(10),
                86,
                {page({"line 1", "line 2", "line 3", "line 4", "line 5", "line 6"}),
                 page({"line 7", "line 8", "line 9", "line 10"})}},
        CutCase{"TruncatedLastCharacterMovesOn", "ab\xD6", 86, {page({"ab", "\xD6"})}},
        CutCase{"EmptyFile", "", 86, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArticleText, ReadsAFileWholeAndRefusesWhatIsNoFile) {
    const auto folder = std::filesystem::temp_directory_path() / "quorvin-article-text";
    std::filesystem::create_directories(folder / "sub");
    std::ofstream(folder / "a.txt", std::ios::binary) << std::string("x\0y\r\n", 5);
    ArticleText text;
    ASSERT_TRUE(text.load(folder / "a.txt"));
    EXPECT_EQ(text.bytes, std::string("x\0y\r\n", 5));
    EXPECT_EQ(text.ReadPos, 0u);
    EXPECT_FALSE(text.Exhausted);
    EXPECT_FALSE(text.load(folder / "missing.txt"));
    EXPECT_FALSE(text.load(folder / "sub"));
    EXPECT_TRUE(text.bytes.empty());
    std::filesystem::remove_all(folder);
}

TEST(ArticleList, ListsFilesByNameWithoutTheirLastExtension) {
    const auto folder = std::filesystem::temp_directory_path() / "quorvin-article-list";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "x");
    for (const char* name : {"b.doc", "a.txt", "第一课.part1.txt", "README", ".hidden.txt"})
        std::ofstream(folder / name) << "text";
    ArticleList list;
    list.list(folder);
    std::vector<std::string> shown;
    for (const std::string& text : list.displayTexts())
        shown.push_back(ui::fromGbk(text));
    EXPECT_EQ(shown,
              (std::vector<std::string>{"1..hidden", "2.README", "3.a", "4.b", "5.第一课.part1"}));
    ASSERT_NE(list.entryAt(2), nullptr);
    EXPECT_EQ(list.entryAt(2)->path, folder / "a.txt");
    EXPECT_EQ(list.entryAt(5), nullptr);
    EXPECT_EQ(list.entryAt(-1), nullptr);

    list.list(folder / "missing");
    EXPECT_TRUE(list.entries().empty());
    std::filesystem::remove_all(folder);
}

TEST(ArticleList, ListsMoreThan300FilesWhole) {
    const auto folder = std::filesystem::temp_directory_path() / "quorvin-article-many";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 305; ++i)
        std::ofstream(folder / (std::to_string(1000 + i) + ".txt")) << "t";
    ArticleList list;
    list.list(folder);
    ASSERT_EQ(list.entries().size(), 305u);
    EXPECT_EQ(list.entries()[299].displayText, "300.1299");
    EXPECT_EQ(list.entries().back().displayText, "305.1304");
    std::filesystem::remove_all(folder);
}

TEST(ArticleTitle, NumberAndNameAroundTheDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"3.春晓", "第 3 篇:  春晓"},
        {"12.第一课.part1", "第 12 篇:  第一课.part1"},
        {"7.", "第 7 篇:  "},
    };
    for (const auto& [text, title] : cases)
        EXPECT_EQ(ui::fromGbk(articleTitle(ui::toGbk(text))), title) << text;
}

TEST(DigitPages, SixLinesOfRandomNumbersUntilTheLimit) {
    testing::HeadlessPlatform platform;
    for (const auto& [lineLimit, least, most] : {std::tuple{86, 77u, 85u}, {100, 91u, 99u}}) {
        // Short numbers and the longest one, so both ends of a line's length are met.
        for (int i = 0; i < 1000; ++i)
            platform.randomDraws.push_back(i % 3 == 0 ? 999'999'998 : i % 7);
        PageLines lines;
        ASSERT_TRUE(NextDigitPage(0, lineLimit, platform, lines));
        for (const std::string& line : lines) {
            EXPECT_GE(line.size(), least);
            EXPECT_LE(line.size(), most);
            EXPECT_EQ(line.find_first_not_of("0123456789"), std::string::npos);
        }
        platform.randomDraws.clear();
    }
    PageLines lines{"kept"};
    EXPECT_TRUE(NextDigitPage(kDigitArticleLimit, 86, platform, lines));
    lines[0] = "kept";
    EXPECT_FALSE(NextDigitPage(kDigitArticleLimit + 1, 86, platform, lines));
    EXPECT_EQ(lines[0], "kept");
}

}  // namespace
}  // namespace quorvin::articles
