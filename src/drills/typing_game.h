#pragma once

#include "app/main_window.h"
#include "session/practice_session.h"

namespace quorvin::drills {

// Types 17 and 18: one character flies from the right; its key must be typed before it
// reaches the left edge.
class TypingGame {
  public:
    TypingGame(app::TForm1& form, session::PracticeSession& session);

    void PrepareBoard(int type);

  private:
    app::TForm1& form_;
    session::PracticeSession& session_;
};

}  // namespace quorvin::drills
