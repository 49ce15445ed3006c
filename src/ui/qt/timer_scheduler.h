#pragma once

#include <QObject>
#include <memory>
#include <unordered_map>

#include "ui/timer.h"

class QTimer;

namespace quorvin::ui::qt {

// Runs model timers on QTimers: one per running timer, periodic, restarted from now whenever
// the model enables the timer or changes its interval. A timer's handler may disable, re-enable
// or delete any timer, its own included. The scheduler must outlive the timers it runs.
class QtTimerScheduler final : public ui::TimerScheduler {
  public:
    // Desktop window timers tick with the system clock, about 64 times a second, however short
    // the interval asked for; the designed speeds (the game's flight) count on that.
    static constexpr int kShortestIntervalMs = 16;

    QtTimerScheduler();
    ~QtTimerScheduler() override;
    QtTimerScheduler(const QtTimerScheduler&) = delete;
    QtTimerScheduler& operator=(const QtTimerScheduler&) = delete;

    void timerChanged(ui::Timer& timer) override;
    void timerGone(ui::Timer& timer) override;

    // Whether the timer is due to fire, and its period.
    bool scheduled(const ui::Timer& timer) const;
    int period(const ui::Timer& timer) const;

  private:
    // Parent of every QTimer; one deleted from inside its own handler goes later, with it at the
    // latest.
    std::unique_ptr<QObject> owner_ = std::make_unique<QObject>();
    struct Entry {
        ui::Timer* timer;
        QTimer* qtTimer;
    };
    std::unordered_map<const ui::Timer*, Entry> timers_;
};

}  // namespace quorvin::ui::qt
