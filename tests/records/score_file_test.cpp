#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "program_folder.h"
#include "records/score_file.h"
#include "records_fixtures.h"

namespace quorvin::testing {
namespace {

namespace fs = std::filesystem;
using records::ScoreField;
using records::ScoreFile;
using records::ScoreTable;

class ScoreFileTest : public ::testing::Test {
  protected:
    ScoreFile::LoadResult load(const std::string& bytes) {
        folder.write("orvScore.dat", bytes);
        return file.load(table);
    }
    std::string saved() {
        EXPECT_TRUE(file.save(table));
        return folder.read("orvScore.dat");
    }

    TempProgramFolder folder;
    ScoreFile file{folder / "orvScore.dat"};
    ScoreTable table;
};

TEST_F(ScoreFileTest, OnlyTheTwoHeaderLinesGiveNoEntriesAndAreWrittenBackAsTheyWere) {
    const std::string headers = scoreFile({});
    EXPECT_EQ(load(headers), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), 0);
    EXPECT_EQ(table.ScoreHeader1, kHeader1);
    EXPECT_EQ(table.ScoreHeader2, kHeader2);
    EXPECT_EQ(file.unreadFromLine(), 0u);
    EXPECT_EQ(saved(), headers);
}

TEST_F(ScoreFileTest, EachEntryIsOneLineOfFixedColumns) {
    const auto record = result("abc", "英文(大)", "8字");
    table.ScoreHeader1 = kHeader1;
    table.ScoreHeader2 = kHeader2;
    table.append(record);
    const std::string bytes = saved();
    const std::string entry = bytes.substr(scoreFile({}).size());
    ASSERT_EQ(entry.size(), 362u);
    EXPECT_EQ(entry.substr(360), "\r\n");
    EXPECT_EQ(entry.substr(0, 3), "abc");
    EXPECT_EQ(entry.substr(100, 8), ui::toGbk("英文(大)"));
    EXPECT_EQ(entry.substr(120, 5), "0:1:0");
    EXPECT_EQ(entry.substr(140, 3), ui::toGbk("8字"));
    EXPECT_EQ(entry.substr(160, 5), "95.5%");
    EXPECT_EQ(entry.substr(180, 1), "3");
    EXPECT_EQ(entry.substr(200, 8), ui::toGbk("120字/分"));
    EXPECT_EQ(entry.substr(220, 27), ui::toGbk("2024年9月1日10时30分 星期日"));
    EXPECT_EQ(entry, entryLine(record));
    EXPECT_EQ(entry.find_first_not_of(' ', 247), 360u);
}

TEST_F(ScoreFileTest, FieldsWithSpacesAroundThemComeBackTrimmedAfterASaveAndALoad) {
    records::orvScoreSet padded = result("abc", "英文(大)");
    padded.User = "  abc ";
    padded.Total = " 100" + ui::toGbk("字") + "  ";
    padded.Article = "\t" + ui::toGbk(" 岳阳楼记 ");
    table.append(padded);
    saved();
    ASSERT_EQ(file.load(table), ScoreFile::LoadResult::Read);
    ASSERT_EQ(table.ScoreCount(), 1);
    EXPECT_EQ(table.field(1, ScoreField::User), "abc");
    EXPECT_EQ(table.field(1, ScoreField::Total), ui::toGbk("100字"));
    EXPECT_EQ(table.field(1, ScoreField::Article), ui::toGbk("岳阳楼记"));
}

TEST_F(ScoreFileTest, ColumnsAreCutWhereTheyStandAndTakeOnlyTheBytesALineHas) {
    std::string lines = scoreFile({});
    // A line as long as its first two columns and part of the third, ended by LF only.
    lines += std::string(100, 'u') + "typename" + std::string(10, ' ') + "\x01\x02" + "0:1\n";
    // Control bytes around a field are trimmed like spaces. (A last line as short without its
    // line end was cut off: see ForeignLine.)
    lines += std::string("\x1f") + "bob" + std::string(96, ' ') + "\t" + "x\n";
    ASSERT_EQ(load(lines), ScoreFile::LoadResult::Read);
    ASSERT_EQ(table.ScoreCount(), 2);
    EXPECT_EQ(table.field(1, ScoreField::User), std::string(100, 'u'));
    EXPECT_EQ(table.field(1, ScoreField::TypeName), "typename");
    EXPECT_EQ(table.field(1, ScoreField::Duration), "0:1");
    EXPECT_EQ(table.field(1, ScoreField::Total), "");
    EXPECT_EQ(table.field(2, ScoreField::User), "bob");
    EXPECT_EQ(table.field(2, ScoreField::TypeName), "x");
}

TEST_F(ScoreFileTest, AFieldOverflowingItsWidthIsCutAtTheFixedColumnsOnTheNextLoad) {
    // A hand-written line whose user name runs into the type's columns.
    std::string line = std::string(104, 'n') + std::string(16, ' ') + "0:1:0";
    ASSERT_EQ(load(scoreFile({}) + line + "\r\n"), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.field(1, ScoreField::User), std::string(100, 'n'));
    EXPECT_EQ(table.field(1, ScoreField::TypeName), "nnnn");
    EXPECT_EQ(table.field(1, ScoreField::Duration), "0:1:0");
}

struct ShortFileCase {
    const char* name;
    std::string bytes;
    std::string header1;
    std::string header2;
};
void PrintTo(const ShortFileCase& c, std::ostream* os) {
    *os << c.name;
}

class ShortFile : public ScoreFileTest, public ::testing::WithParamInterface<ShortFileCase> {};

TEST_P(ShortFile, MissingHeaderLinesReadAsEmpty) {
    ASSERT_EQ(load(GetParam().bytes), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), 0);
    EXPECT_EQ(table.ScoreHeader1, GetParam().header1);
    EXPECT_EQ(table.ScoreHeader2, GetParam().header2);
}

INSTANTIATE_TEST_SUITE_P(Lines, ShortFile,
                         ::testing::Values(ShortFileCase{"Empty", "", "", ""},
                                           ShortFileCase{"OneLine", "first\r\n", "first", ""},
                                           ShortFileCase{"OneLineWithoutEnd", "first", "first", ""},
                                           ShortFileCase{"TwoLines", "a\r\nb\r\n", "a", "b"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScoreFileTest, DeletedEntriesAreNotWrittenAndTheLaterOnesMoveUpAtTheNextLoad) {
    table.append(result("a1", "英文(大)"));
    table.append(result("a2", "英文(小)"));
    table.append(result("a3", "数字练习"));
    table.clear(2);
    EXPECT_EQ(saved(), scoreFile({result("a1", "英文(大)"), result("a3", "数字练习")}, "", ""));
    ASSERT_EQ(file.load(table), ScoreFile::LoadResult::Read);
    ASSERT_EQ(table.ScoreCount(), 2);
    EXPECT_EQ(table.field(2, ScoreField::User), "a3");
}

TEST_F(ScoreFileTest, AShortLineEndsTheLoadAndWhatFollowsIsWrittenBackUnchangedAfterTheEntries) {
    const std::string rest = "short\r\n" + entryLine(result("later", "五笔文章")) + "tail";
    ASSERT_EQ(load(scoreFile({result("first", "英文(大)")}) + rest), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), 1);
    EXPECT_EQ(file.unreadFromLine(), 4u);
    // A result of this run goes among the entries, before the unread lines.
    table.append(result("new", "英文(小)"));
    EXPECT_EQ(saved(), scoreFile({result("first", "英文(大)"), result("new", "英文(小)")}) + rest);
    // And the next run finds it all again.
    ASSERT_EQ(file.load(table), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), 2);
    EXPECT_EQ(file.unreadFromLine(), 5u);
}

TEST_F(ScoreFileTest, AnEmptyLineCountsAsShort) {
    const std::string rest = "\r\n" + entryLine(result("later", "五笔文章"));
    ASSERT_EQ(load(scoreFile({}) + rest), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), 0);
    EXPECT_EQ(file.unreadFromLine(), 3u);
    EXPECT_EQ(saved(), scoreFile({}) + rest);
}

TEST_F(ScoreFileTest, ALineOfTenBytesIsAnEntry) {
    ASSERT_EQ(load(scoreFile({}) + "abc       \r\n" + "abc      \r\n"),
              ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), 1);
    EXPECT_EQ(table.field(1, ScoreField::User), "abc");
    EXPECT_EQ(file.unreadFromLine(), 4u);
}

TEST_F(ScoreFileTest, EntriesBeyondTheCapacityAreKeptUnreadInTheFile) {
    // Ten-byte lines keep a file of a million entries small.
    std::string bytes = scoreFile({});
    bytes.reserve(bytes.size() + (ScoreTable::Capacity + 2) * 12);
    for (int i = 0; i < ScoreTable::Capacity; ++i)
        bytes += "user      \r\n";
    const std::string beyond = "beyond 1  \r\nbeyond 2  \r\n";
    ASSERT_EQ(load(bytes + beyond), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), ScoreTable::Capacity);
    EXPECT_EQ(file.unreadFromLine(), static_cast<std::size_t>(ScoreTable::Capacity) + 3);
    // Only the last entry stays, which keeps the file this test writes small too.
    for (int position = 1; position < ScoreTable::Capacity; ++position)
        table.clear(position);
    EXPECT_EQ(saved(), scoreFile({}) + "user" + std::string(356, ' ') + "\r\n" + beyond);
}

TEST_F(ScoreFileTest, AFifoInTheFilesPlaceIsUnreadableAtOnce) {
    ASSERT_EQ(::mkfifo((folder / "orvScore.dat").c_str(), 0644), 0);
    EXPECT_EQ(file.load(table), ScoreFile::LoadResult::Unreadable);
}

TEST_F(ScoreFileTest, ALinkAtTheTemporaryNameIsReplacedNotWrittenThrough) {
    folder.write("elsewhere.txt", "not ours");
    fs::create_symlink(folder / "elsewhere.txt", folder / "orvScore.dat.tmp");
    const std::string bytes = scoreFile({result("abc", "英文(大)")});
    load(bytes);
    EXPECT_EQ(saved(), bytes);
    EXPECT_EQ(folder.read("elsewhere.txt"), "not ours");
    EXPECT_FALSE(fs::is_symlink(folder / "orvScore.dat"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "orvScore.dat.tmp")));
}

// Lines that are no entries of ours stop the reading; they and all after them are kept as they
// are, after the entries, at the next save.
struct ForeignLineCase {
    const char* name;
    std::string bytes;
    int entries;
    std::size_t unreadFrom;
    std::string savedAs;
};

class ForeignLine : public ScoreFileTest, public ::testing::WithParamInterface<ForeignLineCase> {};

TEST_P(ForeignLine, IsKeptUnreadAsItIs) {
    const ForeignLineCase& c = GetParam();
    EXPECT_EQ(load(c.bytes), ScoreFile::LoadResult::Read);
    EXPECT_EQ(table.ScoreCount(), c.entries);
    EXPECT_EQ(file.unreadFromLine(), c.unreadFrom);
    EXPECT_EQ(saved(), c.savedAs);
}

const std::string kTwoEntries = scoreFile({result("a", "英文(大)"), result("b", "英文(小)")});
const std::string kCutEntry = entryLine(result("c", "数字练习")).substr(0, 200);
const std::string kCrOnly =
    kHeader1 + "\r" + kHeader2 + "\r" + entryLine(result("a", "英文(大)")).substr(0, 360) + "\r";
const std::string kWholeLastLine = entryLine(result("c", "数字练习")).substr(0, 360);

INSTANTIATE_TEST_SUITE_P(
    Cases, ForeignLine,
    ::testing::Values(
        ForeignLineCase{"ALastLineCutOff", kTwoEntries + kCutEntry, 2, 5, kTwoEntries + kCutEntry},
        ForeignLineCase{"CarriageReturnsOnly", kCrOnly, 0, 1, "\r\n\r\n" + kCrOnly},
        ForeignLineCase{"ALineEndMissingFromAWholeEntry", kTwoEntries + kWholeLastLine, 3, 0,
                        kTwoEntries + kWholeLastLine + "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScoreFileTest, AMissingFileGivesAnEmptyHistoryAndIsWrittenAtTheNextSave) {
    table.append(result("stale", "英文(大)"));
    EXPECT_EQ(file.load(table), ScoreFile::LoadResult::Missing);
    EXPECT_EQ(table.ScoreCount(), 0);
    table.append(result("abc", "英文(大)"));
    EXPECT_EQ(saved(), scoreFile({result("abc", "英文(大)")}, "", ""));
}

TEST_F(ScoreFileTest, AFileThatCannotBeReadIsUnreadableNotMissing) {
    fs::create_directory(folder / "orvScore.dat");
    table.append(result("stale", "英文(大)"));
    EXPECT_EQ(file.load(table), ScoreFile::LoadResult::Unreadable);
    EXPECT_EQ(table.ScoreCount(), 0);
}

TEST_F(ScoreFileTest, ASaveReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    ASSERT_EQ(load(scoreFile({result("old", "英文(大)")})), ScoreFile::LoadResult::Read);
    fs::permissions(folder / "orvScore.dat", fs::perms::owner_read | fs::perms::owner_write);
    struct stat before {};
    ASSERT_EQ(::stat((folder / "orvScore.dat").c_str(), &before), 0);
    table.append(result("new", "英文(小)"));
    EXPECT_EQ(saved(), scoreFile({result("old", "英文(大)"), result("new", "英文(小)")}));
    struct stat after {};
    ASSERT_EQ(::stat((folder / "orvScore.dat").c_str(), &after), 0);
    // A new file took the old one's place, with the old one's permissions.
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 0777, 0600u);
    EXPECT_FALSE(fs::exists(file.temporaryPath()));
}

}  // namespace
}  // namespace quorvin::testing
