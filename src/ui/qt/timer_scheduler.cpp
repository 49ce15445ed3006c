#include "timer_scheduler.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace quorvin::ui::qt {

QtTimerScheduler::QtTimerScheduler() = default;

QtTimerScheduler::~QtTimerScheduler() {
    for (const auto& [key, entry] : std::exchange(timers_, {}))
        entry.timer->setScheduler(nullptr);
}

void QtTimerScheduler::timerChanged(ui::Timer& timer) {
    auto found = timers_.find(&timer);
    if (!timer.running()) {
        if (found != timers_.end()) found->second.qtTimer->stop();
        return;
    }
    if (found == timers_.end()) {
        auto* qtTimer = new QTimer(owner_.get());
        qtTimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtTimer, &QTimer::timeout, qtTimer, [&timer] { timer.fire(); });
        found = timers_.emplace(&timer, Entry{&timer, qtTimer}).first;
    }
    found->second.qtTimer->start(std::max(timer.interval(), kShortestIntervalMs));
}

void QtTimerScheduler::timerGone(ui::Timer& timer) {
    const auto found = timers_.find(&timer);
    if (found == timers_.end()) return;
    QTimer* qtTimer = found->second.qtTimer;
    timers_.erase(found);
    qtTimer->stop();
    qtTimer->disconnect();
    qtTimer->deleteLater();
}

bool QtTimerScheduler::scheduled(const ui::Timer& timer) const {
    const auto found = timers_.find(&timer);
    return found != timers_.end() && found->second.qtTimer->isActive();
}

int QtTimerScheduler::period(const ui::Timer& timer) const {
    const auto found = timers_.find(&timer);
    return found == timers_.end() ? 0 : found->second.qtTimer->interval();
}

}  // namespace quorvin::ui::qt
