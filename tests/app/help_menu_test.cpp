#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

namespace fs = std::filesystem;

struct HelpCase {
    const char* item;
    std::vector<std::string> opened;  // names in the program folder
};

class HelpMenu : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpMenu, EachItemOpensItsDocumentsOfTheProgramFolder) {
    RunningProgram run;
    run.form().PopupMenu1.choose(GetParam().item);
    std::vector<std::string> expected;
    for (const std::string& name : GetParam().opened)
        expected.push_back((run.folder / name).string());
    EXPECT_EQ(run.platform.openedDocuments, expected);
    EXPECT_TRUE(run.platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Items, HelpMenu,
                         ::testing::Values(HelpCase{"N10", {"web/index.html", "web/update.html"}},
                                           HelpCase{"N1", {"web/update.html"}},
                                           HelpCase{"N3", {"标准键盘键位图.jpg"}},
                                           HelpCase{"N4", {"数字键盘指法图.jpg"}},
                                           HelpCase{"N861", {"五笔字根图86版.jpg"}},
                                           HelpCase{"N5", {"五笔打字教程.doc"}},
                                           HelpCase{"N6", {"Quorvin2020使用演示.mp4"}},
                                           HelpCase{"N11", {"软件详细使用说明.doc"}}),
                         [](const auto& info) { return std::string(info.param.item); });

TEST(HelpMenu, ListsItsItemsInOrder) {
    RunningProgram run;
    std::string names;
    for (const auto& item : run.form().PopupMenu1.items())
        names += item.name + " ";
    EXPECT_EQ(names, "N10 N1 N2 N3 N4 N861 N5 N6 N11 ");
}

TEST(AboutBox, OpensModelessOnceAndClosesWithItsButton) {
    RunningProgram run;
    run.form().PopupMenu1.choose("N2");
    app::TForm2* box = run.program->aboutBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(run.platform.modelessForms, std::vector<std::string>{"TForm2"});
    EXPECT_EQ(ui::fromGbk(box->caption()), "关于...");
    EXPECT_EQ(box->position(), ui::FormPosition::MainFormCenter);
    EXPECT_EQ(ui::fromGbk(box->Label5.caption()), "版本:  2024年9月1日版");
    EXPECT_TRUE(ui::fromGbk(box->Label6.caption()).ends_with("本次版本改进打中效果。"));
    // A second click while it is open shows the same box.
    run.form().PopupMenu1.choose("N2");
    EXPECT_EQ(run.program->aboutBox(), box);
    box->Button1.click();
    EXPECT_EQ(run.program->aboutBox(), nullptr);
    run.form().PopupMenu1.choose("N2");
    EXPECT_NE(run.program->aboutBox(), nullptr);
}

TEST(AboutBox, ClosesWithTheMainWindow) {
    RunningProgram run;
    run.form().PopupMenu1.choose("N2");
    app::TForm2* box = run.program->aboutBox();
    run.form().close();
    EXPECT_TRUE(box->closed());
}

// The help files of the built program folder, each checked by the signature of its format.
struct ShippedFile {
    const char* testName;
    const char* name;
    std::string signature;
    std::size_t offset;
};

// A Word 97 document is a compound file.
const std::string kCompoundFile = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

class ShippedHelp : public ::testing::TestWithParam<ShippedFile> {};

TEST_P(ShippedHelp, IsAFileOfItsFormat) {
    const fs::path file = builtProgramFolder() / GetParam().name;
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    std::string head(64, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    EXPECT_EQ(head.substr(GetParam().offset, GetParam().signature.size()), GetParam().signature);
    EXPECT_GT(fs::file_size(file), 2'000u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ShippedHelp,
    ::testing::Values(ShippedFile{"KeyboardMap", "标准键盘键位图.jpg", "\xFF\xD8\xFF", 0},
                      ShippedFile{"KeypadMap", "数字键盘指法图.jpg", "\xFF\xD8\xFF", 0},
                      ShippedFile{"RadicalChart", "五笔字根图86版.jpg", "\xFF\xD8\xFF", 0},
                      ShippedFile{"WubiCourse", "五笔打字教程.doc", kCompoundFile, 0},
                      ShippedFile{"Manual", "软件详细使用说明.doc", kCompoundFile, 0},
                      ShippedFile{"Video", "Quorvin2020使用演示.mp4", "ftyp", 4},
                      ShippedFile{"HomePage", "web/index.html", "<!DOCTYPE html>", 0}),
    [](const auto& info) { return std::string(info.param.testName); });

}  // namespace
}  // namespace quorvin::testing
