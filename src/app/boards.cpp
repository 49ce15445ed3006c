#include "app/boards.h"

#include "session/typing_types.h"

namespace quorvin::app {

Boards::Boards(TForm1& form, session::PracticeSession& session, ui::Platform& platform,
               sound::Sound& sound, const int& gameStartLeft)
    : form_(form),
      session_(session),
      hitDisplay_(form),
      letterDrill_(form, session, platform, sound, hitDisplay_),
      typingGame_(form, session, platform, sound, gameStartLeft),
      articleBoard_(form, session) {}

session::BoardOutcome Boards::PrepareBoard(int type) {
    switch (session::familyOf(type)) {
        case session::Family::LetterDrill:
            letterDrill_.PrepareBoard(type);
            break;
        case session::Family::PinyinDrill:
        case session::Family::WubiDrill:
            // Their targets come from the practice tables.
            session_.CorrectCodes = 0;
            break;
        case session::Family::Game:
            typingGame_.PrepareBoard(type);
            break;
        case session::Family::Article:
            articleBoard_.PrepareBoard(type);
            break;
    }
    return session::BoardOutcome::Ready;
}

void Boards::FormKeyPress(ui::KeyChar ch) {
    // Keys reach the window between sessions too; only a running or paused session judges.
    if (form_.RadioGroup1.visible()) return;
    const int type = form_.RadioGroup1.itemIndex();
    if (type >= 0 && type <= 2)
        letterDrill_.judge(type, ch);
    else if (type == 17 || type == 18)
        typingGame_.judge(type, ch);
}

}  // namespace quorvin::app
