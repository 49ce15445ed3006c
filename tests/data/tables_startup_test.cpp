#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/program.h"
#include "headless_platform.h"
#include "program_folder.h"
#include "table_files.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

namespace fs = std::filesystem;

const char* const kTempFiles[] = {"wbOneTemp.dat",   "wbsTemp.dat",    "wbTwoTemp.dat",
                                  "wbMultiTemp.dat", "PYsTemp.dat",    "PYOneTemp.dat",
                                  "PYTwoTemp.dat",   "PYMultiTemp.dat"};

// A program folder with the built libraries and music and the sample tables.
class TablesStartup : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.copyAllDataFromBuild();
        test::writeSampleTables(folder_);
    }

    bool start() { return program_.FormCreate(); }
    const data::PracticeTables& tables() const { return program_.tables(); }

    void expectNoTempFiles() const {
        for (const char* temp : kTempFiles)
            EXPECT_FALSE(fs::exists(folder_ / temp)) << temp;
    }

    HeadlessPlatform platform_;
    TempProgramFolder folder_;
    app::Program program_{platform_, folder_.path()};
};

TEST_F(TablesStartup, LoadsEveryTableAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(platform_.messages.empty());
    const auto& wubi = tables().wubi;
    const auto& pinyin = tables().pinyin;
    EXPECT_EQ(wubi.Wb1Table.count(), test::kSampleWb1);
    EXPECT_EQ(wubi.Wb2Table.count(), test::kSampleWb2);
    EXPECT_EQ(wubi.WbzgTable.count(), test::kSampleWbzg);
    for (int end : {wubi.WbOneTable.End(), wubi.WbsTable.End(), wubi.WbTwoTable.End(),
                    wubi.WbMultiTable.End(), pinyin.PYsTable.End(), pinyin.PYOneTable.End(),
                    pinyin.PYTwoTable.End(), pinyin.PYMultiTable.End()}) {
        EXPECT_EQ(end, test::kSampleLines + 1);
    }
    EXPECT_EQ(ui::fromGbk(wubi.WbsTable[2].Char), "中");
    EXPECT_EQ(wubi.WbsTable[2].AnimationNo, 2);
    EXPECT_EQ(ui::fromGbk(pinyin.PYsGroupTable[1].Readings[0]), "zhōng");
    EXPECT_EQ(pinyin.PYMultiTable[2].Sounds[3], "MyPyWAVhai3");
    expectNoTempFiles();
}

TEST_F(TablesStartup, LeftoverTemporaryFilesAreOverwrittenReadAndDeleted) {
    for (const char* temp : kTempFiles)
        folder_.write(temp, test::crlfLines({std::string(90, 'x'), std::string(90, 'y')}) +
                                std::string(90, 'z'));
    ASSERT_TRUE(start());
    EXPECT_EQ(tables().wubi.WbTwoTable[1].Code, "khlg");
    EXPECT_EQ(tables().pinyin.PYTwoTable.End(), test::kSampleLines + 1);
    expectNoTempFiles();
}

TEST_F(TablesStartup, ClosingReleasesTheRawTables) {
    ASSERT_TRUE(start());
    program_.form().close();
    EXPECT_EQ(tables().wubi.Wb1Table.count(), 0);
    EXPECT_EQ(tables().wubi.Wb2Table.count(), 0);
    EXPECT_EQ(tables().wubi.WbzgTable.count(), 0);
    EXPECT_TRUE(tables().wubi.WbzgTable.bytes().empty());
    // The line tables live on with the run.
    EXPECT_EQ(tables().wubi.WbOneTable.End(), test::kSampleLines + 1);
}

// Start-up that fails: one message with caption 失败 and no icon, the end of the application,
// the window as designed, and not a byte written or left behind.
void expectFailedStartup(const HeadlessPlatform& platform, app::Program& program,
                         const std::string& message) {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, message);
    EXPECT_EQ(platform.messages[0].caption, "失败");
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::None);
    EXPECT_TRUE(platform.terminateRequested);
    EXPECT_EQ(program.form().caption(), model::TForm1::designedCaption());
}

class MissingTableFile : public TablesStartup, public ::testing::WithParamInterface<std::string> {};

TEST_P(MissingTableFile, EndsStartupWithoutWritingAnything) {
    fs::remove(folder_ / GetParam());
    const auto before = snapshot(folder_.path());
    EXPECT_FALSE(start());
    expectFailedStartup(platform_, program_, "打开字库失败！");
    EXPECT_EQ(snapshot(folder_.path()), before);
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingTableFile, ::testing::ValuesIn(test::kTableFiles),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(TablesStartup, AFileThatDoesNotReadFailsLikeAMissingOne) {
    fs::remove(folder_ / "wbs.dat");
    fs::create_directories(folder_ / "wbs.dat" / "inside");
    const auto before = snapshot(folder_.path());
    EXPECT_FALSE(start());
    expectFailedStartup(platform_, program_, "打开字库失败！");
    EXPECT_EQ(snapshot(folder_.path()), before);
    // The tables before it were read, the ones after it not.
    EXPECT_EQ(tables().wubi.WbOneTable.End(), test::kSampleLines + 1);
    EXPECT_EQ(tables().wubi.WbTwoTable.End(), 1);
}

TEST_F(TablesStartup, AFolderThatRefusesTheTemporaryFilesEndsStartup) {
    fs::create_directories(folder_ / "PYTwoTemp.dat" / "in the way");
    const auto before = snapshot(folder_.path());
    EXPECT_FALSE(start());
    expectFailedStartup(platform_, program_, "写入临时文件失败！");
    EXPECT_EQ(snapshot(folder_.path()), before);
    EXPECT_EQ(tables().pinyin.PYOneTable.End(), test::kSampleLines + 1);
    EXPECT_EQ(tables().pinyin.PYMultiTable.End(), 1);
}

}  // namespace
}  // namespace quorvin::testing
