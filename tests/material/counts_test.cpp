// How much the tables hold, which characters come first, and a start-up of the built folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "app/program.h"
#include "built_material.h"
#include "common_characters.h"
#include "headless_platform.h"
#include "program_folder.h"

namespace quorvin::material {
namespace {

TEST(MaterialCounts, EachTableHoldsTheAmountItIsMadeFor) {
    BuiltMaterial material;
    ASSERT_EQ(material.status(), data::DataFileStatus::Ok);
    const auto& wubi = material.wubi();
    const auto& pinyin = material.pinyin();
    struct Range {
        const char* table;
        std::int64_t count;
        std::int64_t least;
        std::int64_t most;
    };
    const Range ranges[] = {
        {"Wb1Table", wubi.Wb1Table.count(), 25, 25},
        // 25 keys by 25: the codes no character takes are missing.
        {"Wb2Table", wubi.Wb2Table.count(), 600, 625},
        {"WbOneTable", wubi.WbOneTable.End() - 1, 6900, 7000},
        {"WbsTable", wubi.WbsTable.End() - 1, 3000, 3000},
        {"WbTwoTable", wubi.WbTwoTable.End() - 1, 12000, 12000},
        {"WbMultiTable", wubi.WbMultiTable.End() - 1, 1500, 1500},
        {"PYsTable", pinyin.PYsTable.End() - 1, 3200, 3300},
        {"PYOneTable", pinyin.PYOneTable.End() - 1, 7800, 8000},
        {"PYTwoTable", pinyin.PYTwoTable.End() - 1, 12000, 12000},
        {"PYMultiTable", pinyin.PYMultiTable.End() - 1, 1500, 1500},
    };
    for (const Range& range : ranges) {
        EXPECT_GE(range.count, range.least) << range.table;
        EXPECT_LE(range.count, range.most) << range.table;
    }
    std::set<std::string> readCharacters;
    for (int n = 1; n < pinyin.PYOneTable.End(); ++n)
        readCharacters.insert(pinyin.PYOneTable[n].Char);
    EXPECT_GE(readCharacters.size(), 7000u) << "characters with readings in PYOneTable";
}

TEST(MaterialCounts, TheCommonCharactersComeFirst) {
    BuiltMaterial material;
    ASSERT_EQ(material.status(), data::DataFileStatus::Ok);
    const std::set<std::string> common = commonCharacters();
    ASSERT_EQ(common.size(), 3500u);

    const auto& one = material.wubi().WbOneTable;
    std::set<std::string> head;
    for (int n = 1; n <= 3500 && n < one.End(); ++n)
        head.insert(utf8(one[n].Char));
    EXPECT_EQ(head, common) << "WbOneTable positions 1-3500";

    const auto& pys = material.pinyin().PYsTable;
    for (int n = 1; n < pys.End(); ++n)
        EXPECT_TRUE(common.contains(utf8(pys[n].Char)))
            << "PYsTable " << n << " " << utf8(pys[n].Char);
}

TEST(MaterialStartup, TheBuiltFolderStartsAndLeavesNoTemporaryFile) {
    testing::HeadlessPlatform platform;
    testing::TempProgramFolder folder;
    folder.copyAllDataFromBuild();
    app::Program program(platform, folder.path());
    ASSERT_TRUE(program.FormCreate());
    EXPECT_TRUE(platform.messages.empty());
    // The last table loaded, so every temporary file has been made and deleted.
    EXPECT_GT(program.tables().pinyin.PYMultiTable.End(), 1);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_FALSE(entry.path().filename().string().ends_with("Temp.dat")) << entry.path();
}

}  // namespace
}  // namespace quorvin::material
