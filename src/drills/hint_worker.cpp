#include "drills/hint_worker.h"

#include "drills/code_animation.h"

namespace quorvin::drills {

// What the worker thread and the user-interface thread share; it outlives the worker so that
// a ShowHints call still queued when the worker is gone finds it stopped and does nothing.
struct HintWorker::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    HintWorkerState state = HintWorkerState::Idle;
    HintNext job;
    std::optional<HintNext> pending;
    int pauses = 0;
    bool stopping = false;
    bool shown = false;
    int shownJobs = 0;
};

HintWorker::HintWorker(ui::Platform& platform)
    : platform_(platform), shared_(std::make_shared<Shared>()) {}

HintWorker::~HintWorker() {
    stop();
}

void HintWorker::start() {
    thread_ = platform_.startThread([this] { Execute(); });
}

HintWorkerState HintWorker::state() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->state;
}

int HintWorker::shownJobs() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->shownJobs;
}

bool HintWorker::handOver(const HintNext& next) {
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->stopping) return false;
        if (shared_->state != HintWorkerState::Idle) {
            shared_->pending = next;
            return false;
        }
        shared_->job = next;
        shared_->state = HintWorkerState::Busy;
    }
    shared_->changed.notify_all();
    return true;
}

void HintWorker::suspend() {
    std::lock_guard lock(shared_->mutex);
    ++shared_->pauses;
}

void HintWorker::resume() {
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->pauses > 0) --shared_->pauses;
    }
    shared_->changed.notify_all();
}

void HintWorker::stop() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
    }
    shared_->changed.notify_all();
    if (thread_.joinable()) thread_.join();
}

void HintWorker::Execute() {
    Shared& s = *shared_;
    std::unique_lock lock(s.mutex);
    for (;;) {
        // Asleep until a job comes and no Pause holds the worker.
        s.changed.wait(lock, [&] {
            return s.stopping || (s.state == HintWorkerState::Busy && s.pauses == 0);
        });
        if (s.stopping) return;
        const HintNext job = s.job;
        lock.unlock();
        runJob(job);
        lock.lock();
        s.changed.wait(lock, [&] { return s.stopping || s.pauses == 0; });
        if (s.stopping) return;

        s.shown = false;
        platform_.postToUiThread([this, shared = shared_] {
            {
                std::lock_guard hold(shared->mutex);
                // Stopped: the worker may be gone, and the session with it.
                if (shared->stopping) return;
            }
            ShowHints();
            {
                std::lock_guard hold(shared->mutex);
                shared->shown = true;
                ++shared->shownJobs;
            }
            shared->changed.notify_all();
        });
        s.changed.wait(lock, [&] { return s.stopping || s.shown; });
        if (s.stopping) return;

        if (s.pending && *s.pending != job) {
            s.job = *s.pending;  // the cursor moved while this job ran
        } else {
            s.state = HintWorkerState::Idle;
        }
        s.pending.reset();
    }
}

TPYThread::TPYThread(ui::Platform& platform, model::TForm1& form, const data::PinyinTables& tables)
    : HintWorker(platform), form_(form), tables_(tables) {}

TPYThread::~TPYThread() {
    stop();  // before the results and the look-up go
}

void TPYThread::runJob(const HintNext& next) {
    if (!lookup_) lookup_.emplace(tables_, LookupMethod::Index);
    hints_ = lookup_->run(next);
}

void TPYThread::ShowHints() {
    form_.Label8.setCaption(hints_.HintText);
    form_.Label16.setCaption(hints_.WordText);
}

TWBThread::TWBThread(ui::Platform& platform, model::TForm1& form, const data::WubiTables& tables,
                     const data::MediaResources& resources)
    : HintWorker(platform), form_(form), resources_(resources), tables_(tables) {}

TWBThread::~TWBThread() {
    stop();
}

void TWBThread::runJob(const HintNext& next) {
    if (!lookup_) lookup_.emplace(tables_, LookupMethod::Index);
    hints_ = lookup_->run(next);
}

void TWBThread::ShowHints() {
    form_.Label5.setCaption(hints_.HintText);
    form_.Label16.setCaption(hints_.WordText);
    ShowCodeAnimation(hints_.AnimationNo, resources_, form_.Image1);
}

}  // namespace quorvin::drills
