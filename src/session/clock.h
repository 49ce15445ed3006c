#pragma once

#include <string>

#include "model/main_window.h"
#include "model/practice_session.h"
#include "records/score_store.h"
#include "ui/platform.h"

namespace quorvin::session {

class SessionLifecycle;

// The one-second session clock: it alone turns the counters of the drills and articles into
// the total, errors, accuracy and speed, shows them in Label7 and ends the session on time.
class SessionClock {
  public:
    SessionClock(model::TForm1& form, model::PracticeSession& session, SessionLifecycle& lifecycle);

    // Timer1Timer.
    void tick();

  private:
    model::TForm1& form_;
    model::PracticeSession& session_;
    SessionLifecycle& lifecycle_;
};

// The idle window's line after a session: the type, "练习," (except for types 2 and 12), and
// the last statistics line.
std::string SessionSummary(const model::TForm1& form);

// The result of the session as it stands, for the current user, dated now.
records::orvScoreSet ComposeScoreRecord(const model::TForm1& form,
                                        const model::PracticeSession& session,
                                        const std::string& currentUser, const ui::LocalTime& now);

}  // namespace quorvin::session
