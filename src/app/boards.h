#pragma once

#include "articles/article_board.h"
#include "drills/hit_display.h"
#include "drills/letter_drill.h"
#include "drills/typing_game.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "session/board_preparer.h"
#include "sound/sound.h"
#include "ui/platform.h"

namespace quorvin::app {

// The families' boards, reached from Start by the type's family, and the window's character
// handler that judges the keys of the letter drills and games.
class Boards : public session::BoardPreparer {
  public:
    Boards(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
           sound::Sound& sound, const int& gameStartLeft);

    session::BoardOutcome PrepareBoard(int type) override;
    // FormKeyPress: judges a character for the type chosen, while a session exists.
    void FormKeyPress(ui::KeyChar ch);

    drills::HitDisplay& hitDisplay() { return hitDisplay_; }
    drills::LetterDrill& letterDrill() { return letterDrill_; }
    drills::TypingGame& typingGame() { return typingGame_; }

  private:
    model::TForm1& form_;
    model::PracticeSession& session_;
    drills::HitDisplay hitDisplay_;
    drills::LetterDrill letterDrill_;
    drills::TypingGame typingGame_;
    articles::ArticleBoard articleBoard_;
};

}  // namespace quorvin::app
