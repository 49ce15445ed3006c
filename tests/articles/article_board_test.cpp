// The article screen of a running trainer: the lists of the article folders, the first page,
// the title and the file that cannot be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

std::string utf8(const std::string& gbk) {
    return ui::fromGbk(gbk);
}

TEST(ArticleBoard, EachFileTypeListsItsFolderUnderItsPrompt) {
    RunningProgram run([](TempProgramFolder& folder) {
        folder.write("English/lesson.txt", "a");
        folder.write("Chinese/春晓.txt", "b");
        folder.write("Chinese/静夜思.txt", "c");
    });
    auto& box = run.form().ComboBox1;
    const struct {
        int type;
        const char* prompt;
        std::vector<std::string> items;
    } cases[] = {
        {19, "选择英文练习文章", {"1.lesson"}},
        {21, "选择拼音练习文章", {"1.春晓", "2.静夜思"}},
        {20, nullptr, {}},
        {22, "选择五笔练习文章", {"1.春晓", "2.静夜思"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        run.form().RadioGroup1.choose(c.type);
        EXPECT_EQ(box.visible(), c.prompt != nullptr);
        if (!c.prompt) continue;
        EXPECT_EQ(box.itemIndex(), -1);
        EXPECT_EQ(utf8(box.text()), c.prompt);
        std::vector<std::string> items;
        for (const std::string& item : box.items())
            items.push_back(utf8(item));
        EXPECT_EQ(items, c.items);
    }
    // A file added later shows after the next click on a file type.
    run.folder.write("English/later.txt", "d");
    run.form().RadioGroup1.choose(19);
    EXPECT_EQ(box.items().size(), 2u);
}

TEST(ArticleBoard, StartShowsTheTitleAndTheFirstPage) {
    RunningProgram run;
    run.chooseArticle(19, "lesson.txt", std::string(200, 'a') + "\r\nshort\r\n");
    run.start(19);
    auto& f = run.form();
    EXPECT_EQ(utf8(f.Label17.caption()), "第 1 篇:  lesson");
    const auto sources = f.sourceLines();
    const auto typed = f.typedLines();
    const std::size_t lengths[] = {86, 86, 28, 5, 0, 0};
    for (std::size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(sources[k]->text().size(), lengths[k]);
        EXPECT_EQ(typed[k]->maxLength(), lengths[k]);
        EXPECT_EQ(typed[k]->text(), "");
        for (const ui::Colour colour : sources[k]->charColours())
            EXPECT_EQ(colour, ui::colours::Highlight);
    }
    EXPECT_EQ(sources[3]->text(), "short");
    EXPECT_EQ(f.focusedControl(), &f.Edit2);
    EXPECT_FALSE(f.Edit1.visible());
    EXPECT_TRUE(run.platform.messages.empty());
}

TEST(ArticleBoard, StartsWithEmptyHintLines) {
    RunningProgram run;
    run.chooseArticle(19, "lesson.txt");
    // What a drill's hit display, still running at the drill's End, writes after it.
    run.form().Label5.setCaption("ZZZZ");
    run.form().Label8.setCaption(ui::toGbk("diao(雕)"));
    run.start(19);
    EXPECT_TRUE(run.form().Label8.visible());
    EXPECT_EQ(run.form().Label8.caption(), "");
    EXPECT_EQ(run.form().Label5.caption(), "");
}

TEST(ArticleBoard, AFileThatCannotBeReadIsReportedAndThePracticeEnds) {
    RunningProgram run;
    run.chooseArticle(21, "春晓.txt");
    std::filesystem::remove(run.folder / "Chinese/春晓.txt");
    run.start(21);
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].text, "1.春晓文件打开失败！");
    EXPECT_EQ(run.platform.messages[0].caption, "错误");
    EXPECT_EQ(run.platform.messages[0].icon, ui::MessageIcon::Error);
    auto& f = run.form();
    EXPECT_TRUE(f.RadioGroup1.visible());
    EXPECT_FALSE(f.Edit2.visible());
    EXPECT_TRUE(f.ComboBox1.visible());
    EXPECT_EQ(f.ComboBox1.itemIndex(), 0);
}

TEST(ArticleBoard, TheDigitArticleStartsWithSixLinesOfDigits) {
    RunningProgram run;
    run.start(20);
    auto& f = run.form();
    EXPECT_EQ(utf8(f.Label17.caption()), "随机数字文章");
    for (ui::RichLine* line : f.sourceLines()) {
        EXPECT_GE(line->text().size(), 77u);
        EXPECT_LE(line->text().size(), 85u);
        EXPECT_EQ(line->text().find_first_not_of("0123456789"), std::string::npos);
    }
}

TEST(ArticleBoard, UTF8ArticlesAreTypedAsGBKAndStandInsAreToldOnce) {
    const struct {
        const char* name;
        std::string bytes;
        std::string firstLine;  // GBK
        std::size_t messages;
    } cases[] = {
        {"gbk.txt", ui::toGbk("春眠不觉晓"), ui::toGbk("春眠不觉晓"), 0},
        {"ascii.txt", "plain?", "plain?", 0},
        {"utf8.txt", "\xEF\xBB\xBF春眠 café", ui::toGbk("春眠 café"), 0},
        {"emoji.txt", "春\xF0\x9F\x98\x80眠?", ui::toGbk("春?眠?"), 1},
        // Not valid UTF-8 (a lone continuation byte): used as it is.
        {"bytes.txt",
         "a\x80\x81"
         "b",
         "a\x80\x81"
         "b",
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunningProgram run;
        run.chooseArticle(21, c.name, c.bytes + "\r\n");
        for (int start = 0; start < 2; ++start) {
            run.start(21);
            EXPECT_EQ(run.form().RichEdit1.text(), c.firstLine);
            run.escape();
        }
        ASSERT_EQ(run.platform.messages.size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(run.platform.messages[0].text,
                      "1.emoji中有 1 个字符无法用 GBK 表示，练习时显示为“?”。");
        }
    }
}

}  // namespace
}  // namespace quorvin::testing
