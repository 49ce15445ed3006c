#include "virtual_clock.h"

namespace quorvin::testing {

VirtualClock::~VirtualClock() {
    // Timers that outlive the clock must not call back into it.
    while (!schedules_.empty())
        schedules_.begin()->first->setScheduler(nullptr);
}

void VirtualClock::timerChanged(ui::Timer& timer) {
    if (timer.running())
        schedules_[&timer] = {now_ + timer.interval(), nextSequence_++};
    else
        schedules_.erase(&timer);
}

void VirtualClock::timerGone(ui::Timer& timer) {
    schedules_.erase(&timer);
}

std::int64_t VirtualClock::dueAt(const ui::Timer& timer) const {
    auto it = schedules_.find(const_cast<ui::Timer*>(&timer));
    return it == schedules_.end() ? -1 : it->second.due;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (;;) {
        auto next = schedules_.end();
        for (auto it = schedules_.begin(); it != schedules_.end(); ++it) {
            if (it->second.due > target) continue;
            if (next == schedules_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.sequence < next->second.sequence))
                next = it;
        }
        if (next == schedules_.end()) break;
        ui::Timer* timer = next->first;
        const Schedule fired = next->second;
        now_ = fired.due;
        // The next interval counts from this tick, unless the handler reschedules the timer.
        next->second = {fired.due + timer->interval(), nextSequence_++};
        // The handler may stop, restart or destroy the timer; each tells the clock itself.
        timer->fire();
    }
    now_ = target;
}

}  // namespace quorvin::testing
