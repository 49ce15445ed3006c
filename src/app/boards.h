#pragma once

#include "app/main_window.h"
#include "articles/article_board.h"
#include "drills/letter_drill.h"
#include "drills/typing_game.h"
#include "session/board_preparer.h"
#include "session/practice_session.h"

namespace quorvin::app {

// The families' boards, reached from Start by the type's family.
class Boards : public session::BoardPreparer {
  public:
    Boards(TForm1& form, session::PracticeSession& session);

    session::BoardOutcome PrepareBoard(int type) override;

    drills::LetterDrill& letterDrill() { return letterDrill_; }

  private:
    session::PracticeSession& session_;
    drills::LetterDrill letterDrill_;
    drills::TypingGame typingGame_;
    articles::ArticleBoard articleBoard_;
};

}  // namespace quorvin::app
