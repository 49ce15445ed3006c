#pragma once

#include <cstdint>

#include "model/main_window.h"
#include "model/practice_session.h"
#include "sound/sound.h"
#include "ui/platform.h"

namespace quorvin::drills {

// Types 17 and 18: one character flies from the right; its key must be typed before it
// reaches the left edge.
//
// The flight keeps its designed speed whatever rate the platform's timers fire at: a step of
// (15 - slider position) pixels is made per StepMs of elapsed time, the tick of the desktop
// timers the game was designed on, and whatever part of a step has elapsed moves the
// character that far, so it glides at the timer rate.
class TypingGame {
  public:
    static constexpr double StepMs = 15.625;

    TypingGame(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
               sound::Sound& sound, const int& gameStartLeft);

    void PrepareBoard(int type);
    // Timer7Timer.
    void step();
    // Judges one typed character of a type 17/18 session.
    void judge(int type, ui::KeyChar ch);

  private:
    void launch(char key);

    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    sound::Sound& sound_;
    const int& gameStartLeft_;
    double left_ = 0;
    std::int64_t lastStepAt_ = 0;
};

}  // namespace quorvin::drills
