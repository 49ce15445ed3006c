#pragma once

#include <filesystem>
#include <string>

#include "app/about_box.h"
#include "app/boards.h"
#include "app/display_mode.h"
#include "app/settings.h"
#include "data/media_resources.h"
#include "data/practice_tables.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "records/score_history.h"
#include "records/users.h"
#include "session/clock.h"
#include "session/lifecycle.h"
#include "sound/sound.h"
#include "ui/platform.h"

namespace quorvin::app {

// One run of the trainer: the main window and everything a run holds, wired to its handlers.
// Nothing is global, so a test can build as many runs as it likes.
class Program {
  public:
    Program(ui::Platform& platform, std::filesystem::path programFolder);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up sequence. Returns false when a step failed: the learner has been told, the
    // application has been asked to end, and nothing was written.
    bool FormCreate();
    // The shutdown sequence; runs once, when the main window closes.
    void FormClose();

    model::TForm1& form() { return form_; }
    model::PracticeSession& practice() { return session_; }
    session::SessionLifecycle& lifecycle() { return lifecycle_; }
    session::SessionClock& clock() { return clock_; }
    Boards& boards() { return boards_; }
    DisplayMode& displayMode() { return displayMode_; }
    // The about box while it is open.
    TForm2* aboutBox() { return aboutBox_ && !aboutBox_->closed() ? aboutBox_.get() : nullptr; }
    data::MediaResources& resources() { return resources_; }
    const data::PracticeTables& tables() const { return tables_; }
    model::Settings& settings() { return settings_; }
    sound::Sound& sound() { return sound_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }

    // A finished session's result: appended to the history and written to the score file at
    // once. False when the history is full or the file could not be written; the learner has
    // been told.
    bool recordScore(records::orvScoreSet record) { return scoreHistory_.record(record); }
    const records::ScoreTable& scores() const { return scoreHistory_.table(); }
    const records::UserList& users() const { return users_; }

    // Bytes per article line: 86 windowed, 100 full screen.
    int LineLimit = 86;
    // Where the flying game character starts.
    int GameStartLeft = model::TForm1::DesignedGameStartLeft;
    std::string BaseCaption;
    // The settings store, open from start-up to shutdown.
    std::unique_ptr<ui::SettingsStore> SettingsKey;
    // The direction of the next column sort in the score query window, for the whole run.
    bool SortAscending = false;

  private:
    void wireHandlers();
    void showMenuAtCursor(ui::PopupMenu& menu);
    // A start-up failure: message, then the application ends without saving.
    bool failStartup(const char* message);
    // The leave menu's user window and score query window.
    void N7Click();
    void N8Click();
    // The help menu's about box and documents.
    void N2Click();
    void openHelpItem(const std::string& item);
    void showCurrentUser();

    ui::Platform& platform_;
    std::filesystem::path programFolder_;
    data::MediaResources resources_;
    data::PracticeTables tables_;
    model::TForm1 form_;
    model::PracticeSession session_;
    model::Settings settings_;
    sound::Sound sound_;
    Boards boards_;
    session::SessionLifecycle lifecycle_;
    session::SessionClock clock_;
    DisplayMode displayMode_{form_, platform_, LineLimit, GameStartLeft};
    std::unique_ptr<TForm2> aboutBox_;
    records::ScoreHistory scoreHistory_{platform_, programFolder_ / records::ScoreFileName};
    records::UserList users_{settings_.UsersText, settings_.CurrentUser};
};

}  // namespace quorvin::app
