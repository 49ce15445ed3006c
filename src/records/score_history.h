#pragma once

#include <filesystem>

#include "records/score_file.h"
#include "records/score_store.h"
#include "ui/platform.h"

namespace quorvin::records {

// The score history of a run: the table, its file, and what the learner is told about them.
// Every result reaches the disk as soon as it is recorded, so a run that never shuts down
// loses none; the file is only ever replaced whole.
class ScoreHistory {
  public:
    ScoreHistory(ui::Platform& platform, std::filesystem::path file);

    // Start-up: reads the file. A missing file gives an empty history, written at the next
    // save. Returns false when the file exists but cannot be read: start-up then ends, and
    // nothing is ever saved over the history on disk.
    bool load();
    // A finished session's result: appended, then saved at once. False when the table is
    // full (the result is dropped) or the file could not be written (the result stays in
    // the table for the next save); the learner is told either way.
    bool record(const orvScoreSet& result);
    // Writes the whole history; tells the learner when that failed.
    bool save();

    ScoreTable& table() { return table_; }
    const ScoreTable& table() const { return table_; }
    const ScoreFile& file() const { return file_; }

  private:
    bool saveOrTell(const char* failureMessage);
    // A save cut off by a kill leaves its new file beside the old one. Written whole and
    // holding more results, it is the newer history and takes the old one's place; holding the
    // same number, it is removed; otherwise it is left alone and the learner is told that it
    // was not used.
    void recoverLeftover();

    ui::Platform& platform_;
    ScoreFile file_;
    ScoreTable table_;
    bool loaded_ = false;
};

}  // namespace quorvin::records
