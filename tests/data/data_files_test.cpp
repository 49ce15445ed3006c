#include "data/data_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "program_folder.h"
#include "table_files.h"

namespace quorvin::data {
namespace {

namespace fs = std::filesystem;
using testing::TempProgramFolder;

std::string textOf(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// Every line the route hands over, with whether the temporary file existed at that moment.
struct Collected {
    DataFileStatus status;
    std::vector<std::string> lines;
    bool tempPresentWhileReading = true;
};

Collected collect(const TempProgramFolder& folder, const std::string& name, int stopAfter = -1) {
    Collected c{};
    c.status = readThroughTempFile(folder.path(), name, [&](std::string_view line) {
        c.tempPresentWhileReading &= fs::exists(folder / tempFileName(name));
        c.lines.emplace_back(line);
        return stopAfter < 0 || static_cast<int>(c.lines.size()) < stopAfter;
    });
    return c;
}

TEST(DataFiles, TempFileNamesInsertTempBeforeTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"wbOne.dat", "wbOneTemp.dat"}, {"wbs.dat", "wbsTemp.dat"},
        {"wbTwo.dat", "wbTwoTemp.dat"}, {"wbMulti.dat", "wbMultiTemp.dat"},
        {"PYs.dat", "PYsTemp.dat"},     {"PYOne.dat", "PYOneTemp.dat"},
        {"PYTwo.dat", "PYTwoTemp.dat"}, {"PYMulti.dat", "PYMultiTemp.dat"},
    };
    for (const auto& [data, temp] : cases)
        EXPECT_EQ(tempFileName(data), temp);
}

TEST(DataFiles, ReadFileBytesTakesWholeFilesAndRefusesWhatCannotBeRead) {
    TempProgramFolder folder;
    std::string big(200000, 'x');
    big[123456] = '\0';
    folder.write("big.dat", big);
    folder.write("empty.dat", "");
    fs::create_directory(folder / "folder.dat");

    EXPECT_EQ(textOf(*readFileBytes(folder / "big.dat")), big);
    EXPECT_EQ(readFileBytes(folder / "empty.dat")->size(), 0u);
    EXPECT_FALSE(readFileBytes(folder / "missing.dat"));
    EXPECT_FALSE(readFileBytes(folder / "folder.dat"));
}

TEST(DataFiles, DecipherFileGivesThePaddedPlaintext) {
    TempProgramFolder folder;
    test::writeEnciphered(folder, "x.dat", "thirteen byte");
    const auto plain = decipherFile(folder / "x.dat");
    ASSERT_TRUE(plain);
    EXPECT_EQ(textOf(*plain), std::string("thirteen byte\0\0\0", 16));
    folder.write("empty.dat", "");
    EXPECT_EQ(decipherFile(folder / "empty.dat")->size(), 0u);
    EXPECT_FALSE(decipherFile(folder / "missing.dat"));
}

TEST(DataFilesTempRoute, HandsOverLinesWithoutTerminatorsThenTheZeroPadding) {
    TempProgramFolder folder;
    // 15 bytes: one zero byte of padding follows the last CR LF.
    test::writeEnciphered(folder, "wbTwo.dat", "one\r\n\r\nlf\nc\rr\r\n");
    const Collected c = collect(folder, "wbTwo.dat");
    EXPECT_EQ(c.status, DataFileStatus::Ok);
    const std::vector<std::string> expected = {"one", "", "lf", "c\rr", std::string(1, '\0')};
    EXPECT_EQ(c.lines, expected);
    EXPECT_TRUE(c.tempPresentWhileReading);
    EXPECT_FALSE(fs::exists(folder / "wbTwoTemp.dat"));
}

TEST(DataFilesTempRoute, ABlockAlignedPlaintextEndsWithItsLastLine) {
    TempProgramFolder folder;
    test::writeEnciphered(folder, "PYs.dat", "abcdef\r\n");
    const Collected c = collect(folder, "PYs.dat");
    EXPECT_EQ(c.lines, std::vector<std::string>{"abcdef"});
}

TEST(DataFilesTempRoute, AnEmptyFileHasNoLines) {
    TempProgramFolder folder;
    folder.write("PYTwo.dat", "");
    const Collected c = collect(folder, "PYTwo.dat");
    EXPECT_EQ(c.status, DataFileStatus::Ok);
    EXPECT_TRUE(c.lines.empty());
    EXPECT_FALSE(fs::exists(folder / "PYTwoTemp.dat"));
}

TEST(DataFilesTempRoute, TheSinkStopsTheReadingAndTheFileIsStillDeleted) {
    TempProgramFolder folder;
    test::writeEnciphered(folder, "wbs.dat", test::crlfLines({"1", "2", "3", "4"}));
    const Collected c = collect(folder, "wbs.dat", 2);
    EXPECT_EQ(c.status, DataFileStatus::Ok);
    EXPECT_EQ(c.lines, (std::vector<std::string>{"1", "2"}));
    EXPECT_FALSE(fs::exists(folder / "wbsTemp.dat"));
}

TEST(DataFilesTempRoute, ALeftoverTempFileIsReplacedReadAndDeleted) {
    TempProgramFolder folder;
    folder.write("wbOneTemp.dat", "stale line from an earlier run\r\nand another\r\n");
    fs::permissions(folder / "wbOneTemp.dat", fs::perms::owner_read, fs::perm_options::replace);
    test::writeEnciphered(folder, "wbOne.dat", "fresh\r\n");
    const Collected c = collect(folder, "wbOne.dat");
    EXPECT_EQ(c.status, DataFileStatus::Ok);
    ASSERT_FALSE(c.lines.empty());
    EXPECT_EQ(c.lines[0], "fresh");
    EXPECT_FALSE(fs::exists(folder / "wbOneTemp.dat"));
}

TEST(DataFilesTempRoute, FailuresSayWhichSideFailedAndLeaveNoTempFile) {
    TempProgramFolder folder;
    test::writeEnciphered(folder, "wbMulti.dat", "line\r\n");
    fs::create_directory(folder / "PYOne.dat");
    // A folder in the way of the temporary file: the program folder cannot take it.
    fs::create_directories(folder / "wbMultiTemp.dat" / "someone else's");

    struct Case {
        const char* name;
        DataFileStatus status;
    };
    const Case cases[] = {{"PYs.dat", DataFileStatus::Unreadable},
                          {"PYOne.dat", DataFileStatus::Unreadable},
                          {"wbMulti.dat", DataFileStatus::TempFileFailed}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Collected got = collect(folder, c.name);
        EXPECT_EQ(got.status, c.status);
        EXPECT_TRUE(got.lines.empty());
    }
    EXPECT_FALSE(fs::exists(folder / "PYsTemp.dat"));
    EXPECT_FALSE(fs::exists(folder / "PYOneTemp.dat"));
    EXPECT_TRUE(fs::exists(folder / "wbMultiTemp.dat" / "someone else's"));
}

}  // namespace
}  // namespace quorvin::data
