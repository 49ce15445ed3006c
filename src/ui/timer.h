#pragma once

#include <functional>
#include <string>

namespace quorvin::ui {

class Timer;

// Runs timers: the toolkit's timers in the program, a virtual clock in tests.
class TimerScheduler {
  public:
    virtual ~TimerScheduler() = default;
    // The timer was enabled, disabled or given a new interval while enabled: (re)start its
    // interval from now, or stop it.
    virtual void timerChanged(Timer& timer) = 0;
    virtual void timerGone(Timer& timer) = 0;
};

// A window timer. Enabling an enabled timer keeps its schedule; enabling a disabled one, or
// changing the interval of an enabled one, starts a fresh interval. An interval of 0 never
// fires.
class Timer {
  public:
    explicit Timer(std::string name) : name_(std::move(name)) {}
    ~Timer() {
        if (scheduler_) scheduler_->timerGone(*this);
    }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }

    int interval() const { return interval_; }
    void setInterval(int ms) {
        if (ms == interval_) return;
        interval_ = ms;
        if (enabled_) changed();
    }

    bool enabled() const { return enabled_; }
    void setEnabled(bool e) {
        if (e == enabled_) return;
        enabled_ = e;
        changed();
    }
    // Whether the scheduler should run it now.
    bool running() const { return enabled_ && interval_ > 0; }

    std::function<void()> onTimer;

    // Called by the scheduler when the interval has passed.
    void fire() {
        if (enabled_ && onTimer) onTimer();
    }

    void setScheduler(TimerScheduler* scheduler) {
        if (scheduler_) scheduler_->timerGone(*this);
        scheduler_ = scheduler;
        if (scheduler_ && running()) scheduler_->timerChanged(*this);
    }

  private:
    void changed() {
        if (scheduler_) scheduler_->timerChanged(*this);
    }

    std::string name_;
    int interval_ = 1000;
    bool enabled_ = true;
    TimerScheduler* scheduler_ = nullptr;
};

}  // namespace quorvin::ui
