#pragma once

#include <string>

#include "app/main_window.h"
#include "records/score_store.h"
#include "session/practice_session.h"
#include "ui/platform.h"

namespace quorvin::session {

class SessionLifecycle;

// The one-second session clock: it alone turns the counters of the drills and articles into
// the total, errors, accuracy and speed, shows them in Label7 and ends the session on time.
class SessionClock {
  public:
    SessionClock(app::TForm1& form, PracticeSession& session, SessionLifecycle& lifecycle);

    // Timer1Timer.
    void tick();

  private:
    app::TForm1& form_;
    PracticeSession& session_;
    SessionLifecycle& lifecycle_;
};

// The idle window's line after a session: the type, "练习," (except for types 2 and 12), and
// the last statistics line.
std::string SessionSummary(const app::TForm1& form);

// The result of the session as it stands, for the current user, dated now.
records::orvScoreSet ComposeScoreRecord(const app::TForm1& form, const PracticeSession& session,
                                        const std::string& currentUser, const ui::LocalTime& now);

}  // namespace quorvin::session
