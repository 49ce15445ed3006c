#pragma once

#include <cstdint>
#include <map>

#include "ui/timer.h"

namespace quorvin::testing {

// Runs timers on virtual time: advance(ms) fires every due timer in time order (timers due at
// the same moment in the order they were scheduled), as often as its interval allows.
class VirtualClock : public ui::TimerScheduler {
  public:
    ~VirtualClock() override;

    void timerChanged(ui::Timer& timer) override;
    void timerGone(ui::Timer& timer) override;

    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    // When the timer fires next, or -1 when it is not scheduled.
    std::int64_t dueAt(const ui::Timer& timer) const;

  private:
    struct Schedule {
        std::int64_t due = 0;
        std::uint64_t sequence = 0;
    };
    std::map<ui::Timer*, Schedule> schedules_;
    std::int64_t now_ = 0;
    std::uint64_t nextSequence_ = 0;
};

}  // namespace quorvin::testing
