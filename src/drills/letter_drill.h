#pragma once

#include <array>
#include <string>

#include "app/main_window.h"
#include "session/practice_session.h"

namespace quorvin::drills {

// Types 0-2: four big key targets typed through the window's character handler.
class LetterDrill {
  public:
    LetterDrill(app::TForm1& form, session::PracticeSession& session);

    // The fixed first board: A B C D, a b c d or 1 2 3 4.
    void PrepareBoard(int type);

    // The truth keys are judged against, slot 1..4 at index 0..3.
    const std::array<std::string, 4>& KeyTargets() const { return keyTargets_; }

  private:
    app::TForm1& form_;
    session::PracticeSession& session_;
    std::array<std::string, 4> keyTargets_;
};

}  // namespace quorvin::drills
