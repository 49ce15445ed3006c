#include "drills/typing_game.h"

namespace quorvin::drills {

TypingGame::TypingGame(app::TForm1& form, session::PracticeSession& session)
    : form_(form), session_(session) {}

void TypingGame::PrepareBoard(int type) {
    session_.CorrectKeys = 0;
    for (ui::Label* l : form_.targetLabels()) {
        l->setEnabled(false);
        l->hide();
    }
    for (ui::Label* l : form_.codeLabels()) {
        l->setEnabled(false);
        l->hide();
    }
    for (ui::Label* l : {&form_.Label5, &form_.Label8}) {
        l->setEnabled(false);
        l->hide();
    }
    form_.Label15.setEnabled(true);
    form_.Label15.show();
    form_.Label15.setCaption(type == 17 ? "A" : "1");
    form_.Timer7.setEnabled(true);
}

}  // namespace quorvin::drills
