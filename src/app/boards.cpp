#include "app/boards.h"

#include "session/typing_types.h"

namespace quorvin::app {

Boards::Boards(TForm1& form, session::PracticeSession& session)
    : session_(session),
      letterDrill_(form, session),
      typingGame_(form, session),
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

}  // namespace quorvin::app
