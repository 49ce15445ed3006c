// The typed lines of a running article: byte-by-byte judging, the marks, the counters, the
// moves from line to line and page to page, and the end of the text.

#include <gtest/gtest.h>

#include <string>

#include "articles/line_judging.h"
#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

using ui::colours::Highlight;
constexpr ui::Colour Wrong = articles::kWrongByteColour;

// Types text into the focused line as single keys (each released at once).
void type(RunningProgram& run, const std::string& text) {
    for (char c : text)
        run.press(c, ui::NoModifier, std::string(1, c).c_str());
}

void backspace(RunningProgram& run) {
    run.press(ui::vk::Back, ui::NoModifier, "\b");
}

std::string colours(const ui::RichLine& line) {
    std::string marks;
    for (ui::Colour c : line.charColours())
        marks += c == Wrong ? 'x' : c == Highlight ? '.' : '?';
    return marks;
}

TEST(LineJudging, EachReleaseJudgesTheLineByteByByte) {
    const struct {
        const char* typed;
        const char* marks;
        int errors;
        std::size_t errorSounds;
    } cases[] = {
        {"a", ".....", 0, 0},
        {"ax", ".x...", 1, 1},   // the last byte is wrong: the error sound
        {"axc", ".x...", 1, 1},  // a right last byte stays silent
        {"xxcd", "xx...", 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        RunningProgram run;
        run.chooseArticle(19, "a.txt", "abcde\r\n");
        run.start(19);
        type(run, c.typed);
        EXPECT_EQ(colours(*run.form().sourceLines()[0]), c.marks);
        EXPECT_EQ(run.practice().LineErrors, c.errors);
        EXPECT_EQ(run.practice().LineTyped, static_cast<int>(std::string(c.typed).size()));
        EXPECT_EQ(run.platform.recordingAudio.waves.size(), c.errorSounds);
    }
}

TEST(LineJudging, ErasingClearsTheMarksAndEveryBackspaceOrDeleteCounts) {
    RunningProgram run;
    run.chooseArticle(19, "a.txt", "abc\r\n");
    run.start(19);
    type(run, "ax");
    backspace(run);
    EXPECT_EQ(colours(*run.form().sourceLines()[0]), "...");
    EXPECT_EQ(run.practice().LineErrors, 0);
    run.press(ui::vk::Delete);                         // nothing to erase: still counted
    run.form().keyDown(ui::vk::Back, ui::NoModifier);  // auto-repeat: downs without ups
    run.form().keyDown(ui::vk::Back, ui::NoModifier);
    EXPECT_EQ(run.practice().BackspaceCount, 4);
}

TEST(LineJudging, AWrongChineseCharacterCountsItsWrongBytesAndIsMarkedWhole) {
    const std::string source = ui::toGbk("中文");  // D6 D0 CE C4
    const struct {
        std::string typed;
        int errors;
    } cases[] = {
        {ui::toGbk("种"), 1},  // D6 D6: only the second byte differs
        {ui::toGbk("大"), 2},  // B4 F3
    };
    for (const auto& c : cases) {
        RunningProgram run;
        run.chooseArticle(21, "a.txt", source + "\r\n");
        run.start(21);
        run.form().commitText(c.typed);
        EXPECT_EQ(run.practice().LineErrors, c.errors);
        EXPECT_EQ(colours(*run.form().sourceLines()[0]), "xx..");
    }
}

TEST(LineJudging, ACompleteLineMovesTheLearnerOnAndCarriesWhatWasTypedBeyondIt) {
    RunningProgram run;
    run.chooseArticle(19, "a.txt", "ab\r\n\r\ncd\r\n");
    run.start(19);
    auto& f = run.form();
    type(run, "ax");
    EXPECT_FALSE(f.Edit2.enabled());
    EXPECT_EQ(f.focusedControl(), &f.Edit3);
    EXPECT_EQ(run.practice().TypedTotal, 2);
    EXPECT_EQ(run.practice().ErrorTotal, 1);
    EXPECT_EQ(run.practice().LineErrors, 0);
    // Line 2 is empty: a character typed there passes it and is carried to line 3, selected.
    type(run, "c");
    EXPECT_EQ(f.Edit3.text(), "");
    EXPECT_EQ(f.Edit4.text(), "c");
    EXPECT_EQ(f.Edit4.selectedText(), "c");
    EXPECT_EQ(f.focusedControl(), &f.Edit4);
    EXPECT_EQ(run.practice().TypedTotal, 3);
    type(run, "cd");  // replaces the carried selection
    EXPECT_EQ(f.Edit4.text(), "cd");
    EXPECT_EQ(run.practice().TypedTotal, 5);
    EXPECT_EQ(run.practice().ErrorTotal, 1);
}

TEST(LineJudging, AnEmptyFifthLineOfAnEnglishArticleWaitsForAKeyThatAddsNothing) {
    RunningProgram run;
    run.chooseArticle(19, "a.txt", "a\r\nb\r\nc\r\nd\r\n\r\nf\r\n");
    run.start(19);
    auto& f = run.form();
    type(run, "abcd");
    ASSERT_EQ(f.focusedControl(), &f.Edit6);
    type(run, "x");  // stays in line 5 for type 19
    EXPECT_EQ(f.focusedControl(), &f.Edit6);
    backspace(run);
    EXPECT_EQ(f.focusedControl(), &f.Edit7);
}

TEST(LineJudging, TheReleaseThatCompletesTheLastPageEndsThePracticeWithItsRecord) {
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "l" + std::to_string(i % 10) + "\r\n";
    RunningProgram run;
    run.chooseArticle(19, "ten.txt", text);
    run.start(19, /*durationIndex=*/2);
    auto& f = run.form();
    for (int i = 1; i <= 6; ++i)
        type(run, "l" + std::to_string(i));
    EXPECT_EQ(f.RichEdit1.text(), "l7");  // page 2: lines 7 to 10 and two empty lines
    EXPECT_EQ(f.RichEdit5.text(), "");
    run.platform.clock().advance(61'000);
    for (int i = 7; i <= 10; ++i)
        type(run, "l" + std::to_string(i % 10));
    run.press(ui::vk::Return);  // passes the empty line 5
    ASSERT_FALSE(f.RadioGroup1.visible()) << "still running before line 6 is passed";
    run.press(ui::vk::Return);
    EXPECT_TRUE(f.RadioGroup1.visible());
    EXPECT_FALSE(f.Edit2.visible());
    ASSERT_EQ(run.program->scores().ScoreCount(), 1);
    EXPECT_EQ(ui::fromGbk(run.program->scores().at(1).Article), "ten");
}

TEST(LineJudging, AnEmptyArticleEndsAtTheFirstRelease) {
    RunningProgram run;
    run.chooseArticle(19, "empty.txt", "");
    run.start(19);
    EXPECT_TRUE(run.form().Edit2.enabled());
    run.press(ui::vk::Return);
    EXPECT_TRUE(run.form().RadioGroup1.visible());
}

TEST(LineJudging, TheDigitArticleTurnsPagesUntilItsLimit) {
    RunningProgram run;
    run.start(20);
    auto& f = run.form();
    for (ui::RichLine* line : f.sourceLines())
        type(run, line->text());
    EXPECT_EQ(f.focusedControl(), &f.Edit2);  // a new page
    EXPECT_EQ(f.Edit7.text(), "");
    EXPECT_TRUE(f.Edit2.visible());
    // Past 8000 judged digits no page is made and the practice ends at the page turn.
    run.practice().TotalCount = 8001;
    for (ui::RichLine* line : f.sourceLines())
        type(run, line->text());
    EXPECT_TRUE(f.RadioGroup1.visible());
}

TEST(LineJudging, EscAndShiftEscWorkFromEveryTypedLine) {
    RunningProgram run;
    run.chooseArticle(19, "a.txt", "a\r\nb\r\n");
    run.start(19);
    auto& f = run.form();
    type(run, "a");
    ASSERT_EQ(f.focusedControl(), &f.Edit3);
    run.escape(ui::ShiftDown);
    EXPECT_FALSE(f.Timer1.enabled());
    type(run, "x");  // a paused article still judges
    EXPECT_EQ(run.practice().ErrorTotal, 1);
    run.escape(ui::ShiftDown);
    EXPECT_TRUE(f.Timer1.enabled());
    run.escape();
    EXPECT_TRUE(f.RadioGroup1.visible());
}

}  // namespace
}  // namespace quorvin::testing
