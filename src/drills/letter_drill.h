#pragma once

#include <array>
#include <string>

#include "drills/hit_display.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "sound/sound.h"
#include "ui/platform.h"

namespace quorvin::drills {

// Types 0-2: four big key targets typed through the window's character handler.
class LetterDrill : public SlotBoard {
  public:
    LetterDrill(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
                sound::Sound& sound, HitDisplay& hits);

    // The fixed first board: A B C D, a b c d or 1 2 3 4.
    void PrepareBoard(int type);
    // Judges one typed character of a type 0-2 session.
    void judge(int type, ui::KeyChar ch);

    // The truth keys are judged against, slot 1..4 at index 0..3.
    const std::array<std::string, 4>& KeyTargets() const { return keyTargets_; }

    std::string slotTarget(int slot) const override { return keyTargets_.at(slot - 1); }

  private:
    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    sound::Sound& sound_;
    HitDisplay& hits_;
    std::array<std::string, 4> keyTargets_;
};

}  // namespace quorvin::drills
