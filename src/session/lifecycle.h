#pragma once

#include <functional>

#include "model/main_window.h"
#include "model/practice_session.h"
#include "model/settings_values.h"
#include "records/score_store.h"
#include "session/board_preparer.h"
#include "sound/sound.h"
#include "ui/keys.h"
#include "ui/platform.h"

namespace quorvin::session {

// Start, Pause, Continue and End of a practice session, the Esc rule every key handler
// applies first, and the switching of the main window between its idle and session looks.
// Button1's caption is the marker Button1Click reads: "暂停" running, "继续" paused, anything
// else idle. Whether a session exists at all is TForm1::sessionShown().
class SessionLifecycle {
  public:
    SessionLifecycle(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
                     sound::Sound& sound, BoardPreparer& boards, const model::Settings& settings);

    void Button1Click();
    void StartSession();
    void PauseSession();
    void ContinueSession();
    // Button2Click.
    void EndSession();
    // The end made by the clock when the time is up.
    void SessionTimeOut();

    // Esc ends, Shift+Esc pauses or continues, while a session exists. Returns whether the key
    // was consumed (it is then set to 0). hideHintLine: the article lines' handlers hide
    // Label16 before an end.
    bool SessionKeyDown(int& key, ui::ShiftState shift, bool hideHintLine = false);
    // The main window's key-down handler.
    void FormKeyDown(int& key, ui::ShiftState shift);
    // The idle learner chose a typing type.
    void RadioGroup1Click();

    // Where a finished session's result goes.
    std::function<void(records::orvScoreSet)> recordScore;

    enum class State { Idle, Running, Paused };
    State state() const;

  private:
    // Start's validation: tells the learner what is missing.
    bool choicesComplete(int type);
    // Start's switch of the window to the session look, with the counters reset.
    void showSessionLook(int type);
    // Start's music and key routing for the type's family.
    void routeSessionKeys(int type);
    std::string typeCaption() const;
    void showSessionHint();
    void restoreIdleControls();
    void record();

    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    sound::Sound& sound_;
    BoardPreparer& boards_;
    const model::Settings& settings_;
};

}  // namespace quorvin::session
