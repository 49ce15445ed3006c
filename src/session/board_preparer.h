#pragma once

namespace quorvin::session {

// What a family's board preparation tells Start.
enum class BoardOutcome {
    Ready,  // Start goes on to its final step
    Stop,   // Start stops here (the family has reported why)
    End,    // the session ends at once and Start stops (the family has reported why)
};

// The hand-over from Start to the family that runs a type's board.
class BoardPreparer {
  public:
    virtual ~BoardPreparer() = default;
    virtual BoardOutcome PrepareBoard(int type) = 0;
    // Pause, Continue and the end of a session (End or time-out), for a board that keeps
    // something running beside the window's timers.
    virtual void PauseBoard() {}
    virtual void ContinueBoard() {}
    virtual void EndBoard() {}
};

}  // namespace quorvin::session
