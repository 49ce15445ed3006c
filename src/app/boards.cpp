#include "app/boards.h"

#include "model/typing_types.h"

namespace quorvin::app {

Boards::Boards(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
               sound::Sound& sound, const int& gameStartLeft)
    : form_(form),
      session_(session),
      hitDisplay_(form),
      letterDrill_(form, session, platform, sound, hitDisplay_),
      typingGame_(form, session, platform, sound, gameStartLeft),
      articleBoard_(form, session) {}

session::BoardOutcome Boards::PrepareBoard(int type) {
    switch (model::familyOf(type)) {
        case model::Family::LetterDrill:
            letterDrill_.PrepareBoard(type);
            break;
        case model::Family::PinyinDrill:
        case model::Family::WubiDrill:
            // Their targets come from the practice tables.
            session_.CorrectCodes = 0;
            break;
        case model::Family::Game:
            typingGame_.PrepareBoard(type);
            break;
        case model::Family::Article:
            articleBoard_.PrepareBoard(type);
            break;
    }
    return session::BoardOutcome::Ready;
}

void Boards::FormKeyPress(ui::KeyChar ch) {
    // Keys reach the window between sessions too; only a running or paused session judges.
    if (!form_.sessionShown()) return;
    const int type = form_.RadioGroup1.itemIndex();
    if (type < 0) return;
    const model::Family family = model::familyOf(type);
    if (family == model::Family::LetterDrill)
        letterDrill_.judge(type, ch);
    else if (family == model::Family::Game)
        typingGame_.judge(type, ch);
}

}  // namespace quorvin::app
