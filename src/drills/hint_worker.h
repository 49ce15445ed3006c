#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "data/media_resources.h"
#include "data/practice_tables.h"
#include "drills/hint_lookup.h"
#include "model/main_window.h"
#include "ui/platform.h"

namespace quorvin::drills {

// The hand-over between the key handlers and a hint worker.
enum class HintWorkerState : std::uint8_t { None = 0, Busy = 1, Idle = 2 };

// A thread that looks up hints for the text ahead of the cursor of an article line and shows
// them through the user-interface thread. Created waiting for its first job; the key handler
// hands a job over only while it is idle and never waits for it. Destroying it stops and
// joins the thread.
class HintWorker {
  public:
    virtual ~HintWorker();
    HintWorker(const HintWorker&) = delete;
    HintWorker& operator=(const HintWorker&) = delete;

    // Starts the thread; throws std::system_error when the platform cannot make one.
    void start();
    HintWorkerState state() const;
    // Takes next as the worker's job when it is idle (true). When it is busy the text is kept
    // and looked up as soon as the running job has been shown, so the hints catch up with a
    // fast typist instead of describing a character already typed (false).
    bool handOver(const HintNext& next);
    // Pause and Continue: they nest with the worker's own wait for a job.
    void suspend();
    void resume();
    // Ends the thread after its current look-up, without showing it, and joins it.
    void stop();

    // How many jobs have been shown (for tests and benchmarks).
    int shownJobs() const;

  protected:
    explicit HintWorker(ui::Platform& platform);
    // Worker thread: the look-up of one job into the worker's results.
    virtual void runJob(const HintNext& next) = 0;
    // User-interface thread, while the worker waits: the results onto the window.
    virtual void ShowHints() = 0;

  private:
    struct Shared;
    void Execute();

    ui::Platform& platform_;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

// The Pinyin article's worker: Label8 the reading of the next character, Label16 those of the
// word and idiom that start there.
class TPYThread final : public HintWorker {
  public:
    TPYThread(ui::Platform& platform, model::TForm1& form, const data::PinyinTables& tables);
    ~TPYThread() override;
    // The results, for F1; the main thread reads them only while the worker is idle.
    hzPYOneSet& PinyinCharHint() { return hints_.PinyinCharHint; }
    const PinyinHints& hints() const { return hints_; }

  private:
    void runJob(const HintNext& next) override;
    void ShowHints() override;

    model::TForm1& form_;
    const data::PinyinTables& tables_;
    // Indexed on the worker's first job, off the user-interface thread.
    std::optional<PinyinLookup> lookup_;
    PinyinHints hints_;
};

// The Wubi article's worker: Label5 the code of the next character, Label16 those of the word
// and idiom, Image1 the character's key-stroke animation.
class TWBThread final : public HintWorker {
  public:
    TWBThread(ui::Platform& platform, model::TForm1& form, const data::WubiTables& tables,
              const data::MediaResources& resources);
    ~TWBThread() override;
    const WubiHints& hints() const { return hints_; }

  private:
    void runJob(const HintNext& next) override;
    void ShowHints() override;

    model::TForm1& form_;
    const data::MediaResources& resources_;
    const data::WubiTables& tables_;
    std::optional<WubiLookup> lookup_;
    WubiHints hints_;
};

}  // namespace quorvin::drills
