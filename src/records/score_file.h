#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "records/score_store.h"

namespace quorvin::records {

inline constexpr const char* ScoreFileName = "orvScore.dat";

// The score file: two header lines, then one line of fixed columns per entry, each line ended
// by CR LF. A field is written left-aligned and padded with spaces to its width; on reading,
// each column is trimmed of spaces and control characters.
class ScoreFile {
  public:
    explicit ScoreFile(std::filesystem::path file) : file_(std::move(file)) {}

    enum class LoadResult { Read, Missing, Unreadable };
    // Replaces the table's headers and entries by the file's. Reading stops at a line too
    // short to be an entry (under 10 bytes) or at an entry beyond the table's capacity; the
    // rest of the file from that line on is kept, unread, for the next save. A missing file
    // leaves the table empty; an unreadable one leaves it empty too, and must not be saved over.
    LoadResult load(ScoreTable& table);

    // The line (counted from 1) where reading stopped before the end of the file; 0 when the
    // whole file was read.
    std::size_t unreadFromLine() const { return unreadFromLine_; }

    // Writes the headers, every entry that is not deleted and the unread rest into a file
    // beside this one, flushes it to the disk and puts it in this one's place, so that a
    // failure or a crash at any moment leaves either the old file or the new one whole.
    // Returns false when the new file could not be made; the old one is then untouched.
    bool save(const ScoreTable& table) const;

    const std::filesystem::path& path() const { return file_; }
    // Where save() writes before the file is replaced.
    std::filesystem::path temporaryPath() const;

  private:
    std::filesystem::path file_;
    std::string unreadRest_;
    std::size_t unreadFromLine_ = 0;
};

}  // namespace quorvin::records
