// Saves that fail part way, on real files: the old score file must survive every one whole.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "program_folder.h"
#include "records/score_file.h"
#include "records_fixtures.h"

namespace quorvin::testing {
namespace {

namespace fs = std::filesystem;
using records::ScoreFile;
using records::ScoreTable;

constexpr rlim_t kWritableBytes = 64 * 1024;

// Files of this process cannot grow past a size, so writes fail part way as on a full disk;
// ignoring SIGXFSZ turns the signal into a failed write.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit before_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

class FailedSave : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.write("orvScore.dat", oldFile);
        ASSERT_EQ(file.load(table), ScoreFile::LoadResult::Read);
        // Far more than the writes that will get through.
        for (int i = 0; i < 2000; ++i)
            table.append(result("new", "英文(小)"));
    }

    const std::string oldFile = scoreFile({result("old1", "英文(大)"), result("old2", "五笔文章")});
    TempProgramFolder folder;
    ScoreFile file{folder / "orvScore.dat"};
    ScoreTable table;
};

TEST_F(FailedSave, AProcessKilledWhileSavingLeavesTheOldFileWhole) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The limit kills the writer on its first write past it, like a crash mid-save.
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = kWritableBytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        file.save(table);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not interrupted";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);

    // It died with the new file half written.
    EXPECT_EQ(fs::file_size(file.temporaryPath()), kWritableBytes);
    EXPECT_EQ(folder.read("orvScore.dat"), oldFile);

    // The next run reads the old history and its save replaces the remains.
    ScoreTable next;
    ASSERT_EQ(file.load(next), ScoreFile::LoadResult::Read);
    EXPECT_EQ(next.ScoreCount(), 2);
    ASSERT_TRUE(file.save(table));
    EXPECT_EQ(fs::file_size(folder / "orvScore.dat"), scoreFile({}).size() + 2002 * 362);
    EXPECT_FALSE(fs::exists(file.temporaryPath()));
}

TEST_F(FailedSave, AWriteFailingMidwayKeepsTheOldFileAndRemovesTheNewOne) {
    {
        const FileSizeLimit fullDisk(kWritableBytes);
        EXPECT_FALSE(file.save(table));
    }
    EXPECT_EQ(folder.read("orvScore.dat"), oldFile);
    EXPECT_FALSE(fs::exists(file.temporaryPath()));
    // Once there is room again, the same table saves.
    EXPECT_TRUE(file.save(table));
    EXPECT_EQ(fs::file_size(folder / "orvScore.dat"), oldFile.size() + 2000 * 362);
}

// Tests run as root, whom permissions do not stop: a directory where a file must go does.
TEST_F(FailedSave, AnUnwritableTemporaryFileKeepsTheOldFile) {
    fs::create_directory(file.temporaryPath());
    EXPECT_FALSE(file.save(table));
    EXPECT_EQ(folder.read("orvScore.dat"), oldFile);
    EXPECT_TRUE(fs::is_directory(file.temporaryPath()));
}

TEST_F(FailedSave, AScoreFileThatCannotBeReplacedStaysAndNoTemporaryFileRemains) {
    fs::remove(folder / "orvScore.dat");
    fs::create_directory(folder / "orvScore.dat");
    folder.write("orvScore.dat/keep", "x");
    EXPECT_FALSE(file.save(table));
    EXPECT_EQ(folder.read("orvScore.dat/keep"), "x");
    EXPECT_FALSE(fs::exists(file.temporaryPath()));
}

TEST_F(FailedSave, AVanishedProgramFolderFailsTheSave) {
    ScoreFile gone(folder / "gone" / "orvScore.dat");
    EXPECT_FALSE(gone.save(table));
    EXPECT_FALSE(fs::exists(folder / "gone"));
}

}  // namespace
}  // namespace quorvin::testing
