#include "records/score_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "records/block_io.h"
#include "records/score_line.h"

namespace quorvin::records {

namespace {

constexpr std::size_t kShortestEntryLine = 10;

// Makes a completed rename survive a power loss.
void syncFolderOf(const std::filesystem::path& file) {
    Descriptor folder(::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
}

}  // namespace

std::filesystem::path ScoreFile::temporaryPath() const {
    std::filesystem::path temp = file_;
    temp += ".tmp";
    return temp;
}

ScoreFile::LoadResult ScoreFile::load(ScoreTable& table) {
    table = ScoreTable();
    unreadRest_.clear();
    unreadFromLine_ = 0;

    // Not blocking: a FIFO in the file's place would hold the start-up forever in open().
    Descriptor file(::open(file_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) return errno == ENOENT ? LoadResult::Missing : LoadResult::Unreadable;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return LoadResult::Unreadable;
    // Most files are whole entry lines; an estimate saves moving the table as it grows.
    table.reserve(static_cast<int>(
        std::min<off_t>(status.st_size / (ScoreLineWidth + 2), ScoreTable::Capacity)));

    LineReader lines(file.get());
    std::string_view line;
    std::string_view withEnd;
    std::array<std::string_view, ScoreFieldCount> fields;
    for (std::size_t number = 1; lines.next(line, withEnd); ++number) {
        // A line that holds a CR is no line of ours (a file with CR-only line ends is one such
        // line), and a last line without its line end that is shorter than an entry was cut
        // off: both are kept as they are, unread, rather than read as broken records.
        const bool foreign =
            line.find('\r') != std::string_view::npos ||
            (number > 2 && withEnd.size() == line.size() && line.size() < ScoreLineWidth);
        if (foreign) {
            unreadFromLine_ = number;
            unreadRest_ = withEnd;
            lines.appendRest(unreadRest_);
            break;
        }
        if (number == 1) {
            table.ScoreHeader1 = line;
        } else if (number == 2) {
            table.ScoreHeader2 = line;
        } else if (line.size() < kShortestEntryLine || table.full()) {
            unreadFromLine_ = number;
            unreadRest_ = withEnd;
            lines.appendRest(unreadRest_);
            break;
        } else {
            readEntryLine(line, fields);
            table.appendFields(fields);
        }
    }
    if (lines.failed()) {
        table = ScoreTable();
        unreadRest_.clear();
        unreadFromLine_ = 0;
        return LoadResult::Unreadable;
    }
    return LoadResult::Read;
}

bool ScoreFile::save(const ScoreTable& table) const {
    const std::filesystem::path temp = temporaryPath();
    // Made afresh, never through a link or into a file someone left there: whatever stands at
    // that name is removed (a link, not what it points to) and the new file created exclusively.
    ::unlink(temp.c_str());
    Descriptor file(
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!file.valid()) return false;
    // The new file takes the old one's permissions.
    struct stat old {};
    if (::stat(file_.c_str(), &old) == 0) ::fchmod(file.get(), old.st_mode & 07777);

    BlockWriter out(file.get());
    for (const std::string* header : {&table.ScoreHeader1, &table.ScoreHeader2}) {
        out.append(*header);
        out.append("\r\n");
    }
    for (int position = 1; position <= table.ScoreCount(); ++position)
        if (!table.deleted(position)) writeEntryLine(out, table, position);
    out.append(unreadRest_);
    const bool written = out.flush() && ::fsync(file.get()) == 0;
    if (!file.close() || !written || ::rename(temp.c_str(), file_.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolderOf(file_);
    return true;
}

}  // namespace quorvin::records
