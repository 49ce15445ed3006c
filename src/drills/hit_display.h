#pragma once

#include <string>

#include "model/main_window.h"

namespace quorvin::drills {

// The board of a drill as the hit display sees it: what each slot shows at rest.
class SlotBoard {
  public:
    virtual ~SlotBoard() = default;
    // The current target of slot 1..4.
    virtual std::string slotTarget(int slot) const = 0;
    // After a slot came back to rest: the drill's extra hints, if it has any.
    virtual void hitDisplayEnded(int /*slot*/) {}
};

// The four slots of every drill: Label1..Label4, each with its one-shot timer Timer3..Timer6.
// A hit paints the slot's label in the hit colour until its timer puts the label's target
// back. A second hit during a display leaves the timer's schedule as it was.
class HitDisplay {
  public:
    static constexpr ui::Colour HitColour = 0x8000FF;

    explicit HitDisplay(model::TForm1& form) : form_(form) {}

    // The drill whose targets the slots show.
    void setBoard(SlotBoard* board) { board_ = board; }

    void show(int slot);
    // Timer3Timer .. Timer6Timer.
    void end(int slot);

    ui::Label& label(int slot) { return *form_.targetLabels().at(slot - 1); }
    ui::Timer& timer(int slot);

  private:
    model::TForm1& form_;
    SlotBoard* board_ = nullptr;
};

}  // namespace quorvin::drills
