// The score history in a run: start-up reads it, every result and the shutdown write it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/program.h"
#include "headless_platform.h"
#include "mkdata/score_file.h"
#include "program_folder.h"
#include "records_fixtures.h"
#include "running_program.h"

namespace quorvin::testing {
namespace {

namespace fs = std::filesystem;
using records::ScoreField;

const std::string kTwoResults =
    scoreFile({result("abc", "英文(大)", "8字"), result("bob", "五笔文章", "100字", "岳阳楼记")});

TEST(ScoreHistory, StartUpReadsTheScoreFile) {
    RunningProgram run(withScoreFile(kTwoResults));
    const auto& scores = run.program->scores();
    ASSERT_EQ(scores.ScoreCount(), 2);
    EXPECT_EQ(scores.ScoreHeader1, kHeader1);
    EXPECT_EQ(scores.at(2), result("bob", "五笔文章", "100字", "岳阳楼记"));
    EXPECT_TRUE(run.platform.messages.empty());
}

TEST(ScoreHistory, TheDataBuilderMakesAHistoryOfTwoHeaderLinesThatSurvivesASave) {
    TempProgramFolder folder;
    mkdata::buildScoreFile(folder.path());
    const std::string built = folder.read("orvScore.dat");
    records::ScoreFile file(folder / "orvScore.dat");
    records::ScoreTable table;
    ASSERT_EQ(file.load(table), records::ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), 0);
    EXPECT_EQ(file.unreadFromLine(), 0u);
    EXPECT_FALSE(table.ScoreHeader1.empty());
    EXPECT_FALSE(table.ScoreHeader2.empty());
    ASSERT_TRUE(file.save(table));
    EXPECT_EQ(folder.read("orvScore.dat"), built);
}

TEST(ScoreHistory, AResultReachesTheFileAtOnceWithOneMoreFixedLine) {
    RunningProgram run(withScoreFile(kTwoResults));
    const auto record = result("abc", "英文(大)", "57字");
    EXPECT_TRUE(run.program->recordScore(record));
    EXPECT_EQ(run.program->scores().ScoreCount(), 3);
    // Before any shutdown.
    EXPECT_EQ(run.folder.read("orvScore.dat"), kTwoResults + entryLine(record));
    EXPECT_FALSE(fs::exists(run.folder / "orvScore.dat.tmp"));
    EXPECT_TRUE(run.platform.messages.empty());
}

TEST(ScoreHistory, ARunThatEndsWithoutShutdownKeepsItsResults) {
    TempProgramFolder kept;
    {
        RunningProgram run(withScoreFile(scoreFile({})));
        run.program->recordScore(result("abc", "英文(大)"));
        run.program->recordScore(result("abc", "数字练习"));
        fs::copy_file(run.folder / "orvScore.dat", kept / "orvScore.dat");
        // The run goes away here without its shutdown sequence.
    }
    RunningProgram next([&](TempProgramFolder& folder) {
        fs::copy_file(kept / "orvScore.dat", folder / "orvScore.dat",
                      fs::copy_options::overwrite_existing);
    });
    ASSERT_EQ(next.program->scores().ScoreCount(), 2);
    EXPECT_EQ(next.program->scores().field(2, ScoreField::TypeName), ui::toGbk("数字练习"));
}

TEST(ScoreHistory, ShutdownRewritesTheFile) {
    RunningProgram run(withScoreFile(scoreFile({})));
    run.program->recordScore(result("abc", "英文(大)"));
    // Something only the shutdown can have written: the history of a file edited meanwhile.
    run.folder.write("orvScore.dat", "edited");
    run.form().PopupMenu2.choose("N9");
    EXPECT_EQ(run.folder.read("orvScore.dat"), scoreFile({result("abc", "英文(大)")}));
    EXPECT_TRUE(fs::exists(run.folder / "Quorvin.ini"));
    EXPECT_TRUE(run.platform.messages.empty());
}

TEST(ScoreHistory, TheArticleOfAResultIsCutToItsColumnAtACharacterBoundary) {
    RunningProgram run(withScoreFile(scoreFile({})));
    std::string title = "A";
    for (int i = 0; i < 60; ++i)
        title += "文";
    run.program->recordScore(result("abc", "五笔文章", "10字", title.c_str()));
    const std::string_view article = run.program->scores().field(1, ScoreField::Article);
    EXPECT_EQ(article.size(), 99u);
    EXPECT_EQ(article, ui::toGbk(title).substr(0, 99));
    // The line keeps its 360 columns.
    EXPECT_EQ(run.folder.read("orvScore.dat").size(), scoreFile({}).size() + 362);
}

TEST(ScoreHistory, AMissingFileStartsAnEmptyHistoryWrittenAtTheNextSave) {
    RunningProgram run([](TempProgramFolder& folder) { fs::remove(folder / "orvScore.dat"); });
    EXPECT_EQ(run.program->scores().ScoreCount(), 0);
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_FALSE(fs::exists(run.folder / "orvScore.dat"));
    run.program->recordScore(result("abc", "英文(大)"));
    EXPECT_EQ(run.folder.read("orvScore.dat"), scoreFile({result("abc", "英文(大)")}, "", ""));
}

TEST(ScoreHistory, AFileThatCannotBeReadEndsTheRunWithoutWritingAnything) {
    HeadlessPlatform platform;
    TempProgramFolder folder;
    folder.copyAllDataFromBuild();
    fs::remove(folder / "orvScore.dat");
    fs::create_directory(folder / "orvScore.dat");
    folder.write("orvScore.dat/history", kTwoResults);
    const auto before = snapshot(folder.path());

    app::Program program(platform, folder.path());
    EXPECT_FALSE(program.FormCreate());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "读取成绩文件失败！");
    EXPECT_EQ(platform.messages[0].caption, "失败");
    EXPECT_TRUE(platform.terminateRequested);
    EXPECT_FALSE(program.recordScore(result("abc", "英文(大)")));
    // Even a close that reaches the shutdown sequence saves nothing over the history.
    program.form().close();
    EXPECT_EQ(snapshot(folder.path()), before);
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST(ScoreHistory, AShortLineIsReportedAndWhatFollowsItSurvivesTheRun) {
    const std::string rest = "\r\n" + entryLine(result("later", "五笔文章"));
    RunningProgram run(withScoreFile(kTwoResults + rest));
    EXPECT_EQ(run.program->scores().ScoreCount(), 2);
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].caption, "提示");
    EXPECT_NE(run.platform.messages[0].text.find("第5行"), std::string::npos);
    run.program->recordScore(result("abc", "英文(小)"));
    run.form().close();
    EXPECT_EQ(run.folder.read("orvScore.dat"),
              kTwoResults + entryLine(result("abc", "英文(小)")) + rest);
}

TEST(ScoreHistory, AWholeLeftoverOfACutOffSaveWithMoreResultsIsRecovered) {
    const std::string newer =
        scoreFile({result("a", "英文(大)"), result("b", "英文(小)"), result("c", "数字练习")});
    RunningProgram run([&](TempProgramFolder& folder) {
        withScoreFile(kTwoResults)(folder);
        folder.write("orvScore.dat.tmp", newer);
    });
    EXPECT_EQ(run.program->scores().ScoreCount(), 3);
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_NE(run.platform.messages[0].text.find("新的1条成绩已经恢复"), std::string::npos);
    EXPECT_EQ(run.folder.read("orvScore.dat"), newer);
    EXPECT_FALSE(fs::exists(run.folder / "orvScore.dat.tmp"));
}

TEST(ScoreHistory, AWholeLeftoverWithNothingNewGoesWithoutAWord) {
    RunningProgram run([&](TempProgramFolder& folder) {
        withScoreFile(kTwoResults)(folder);
        folder.write("orvScore.dat.tmp", kTwoResults);
    });
    EXPECT_EQ(run.program->scores().ScoreCount(), 2);
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_FALSE(fs::exists(run.folder / "orvScore.dat.tmp"));
}

TEST(ScoreHistory, ALeftoverCutOffWhileWrittenIsNotUsedAndTheLearnerIsTold) {
    const std::string cut = kTwoResults + entryLine(result("c", "数字练习")).substr(0, 100);
    RunningProgram run([&](TempProgramFolder& folder) {
        withScoreFile(kTwoResults)(folder);
        folder.write("orvScore.dat.tmp", cut);
    });
    EXPECT_EQ(run.program->scores().ScoreCount(), 2);
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_NE(run.platform.messages[0].text.find("没有写完"), std::string::npos);
    EXPECT_EQ(run.folder.read("orvScore.dat"), kTwoResults);
    // The next save takes its place.
    run.form().close();
    EXPECT_FALSE(fs::exists(run.folder / "orvScore.dat.tmp"));
}

TEST(ScoreHistory, AnUnwritableProgramFolderKeepsTheOldFileAndTellsTheLearner) {
    RunningProgram run(withScoreFile(kTwoResults));
    // As root nothing is read-only; a directory where the new file must go stops the write.
    fs::create_directory(run.folder / "orvScore.dat.tmp");
    EXPECT_FALSE(run.program->recordScore(result("abc", "英文(大)")));
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].caption, "错误");
    EXPECT_EQ(run.platform.messages[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(run.folder.read("orvScore.dat"), kTwoResults);
    // The result stays in memory for the next save.
    EXPECT_EQ(run.program->scores().ScoreCount(), 3);

    run.form().close();
    EXPECT_EQ(run.platform.messages.size(), 2u);
    EXPECT_EQ(run.platform.messages[1].caption, "错误");
    EXPECT_EQ(run.folder.read("orvScore.dat"), kTwoResults);
}

TEST(ScoreHistory, ResultsThatFindTheFolderWritableAgainCatchUp) {
    RunningProgram run(withScoreFile(kTwoResults));
    fs::create_directory(run.folder / "orvScore.dat.tmp");
    run.program->recordScore(result("abc", "英文(大)"));
    fs::remove(run.folder / "orvScore.dat.tmp");
    EXPECT_TRUE(run.program->recordScore(result("abc", "英文(小)")));
    EXPECT_EQ(run.folder.read("orvScore.dat"), kTwoResults + entryLine(result("abc", "英文(大)")) +
                                                   entryLine(result("abc", "英文(小)")));
}

TEST(ScoreHistory, AResultAtAFullHistoryIsRefusedWithoutHarm) {
    std::string full = scoreFile({});
    full.reserve(full.size() + records::ScoreTable::Capacity * 12);
    for (int i = 0; i < records::ScoreTable::Capacity; ++i)
        full += "user      \r\n";
    RunningProgram run(withScoreFile(full));
    ASSERT_EQ(run.program->scores().ScoreCount(), records::ScoreTable::Capacity);
    const auto before = fs::last_write_time(run.folder / "orvScore.dat");

    EXPECT_FALSE(run.program->recordScore(result("abc", "英文(大)")));
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].caption, "错误");
    EXPECT_EQ(run.program->scores().ScoreCount(), records::ScoreTable::Capacity);
    EXPECT_EQ(run.program->scores().field(records::ScoreTable::Capacity, ScoreField::User), "user");
    EXPECT_EQ(fs::last_write_time(run.folder / "orvScore.dat"), before);
}

}  // namespace
}  // namespace quorvin::testing
