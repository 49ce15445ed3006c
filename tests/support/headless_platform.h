#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "recording_audio.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "virtual_clock.h"

namespace quorvin::testing {

// The desktop as tests want it: virtual time, recorded message boxes and documents, modal
// windows answered by the test, user-interface calls that run when the test pumps, and local
// time and random draws under the test's control. Texts are recorded as UTF-8.
class HeadlessPlatform : public ui::Platform {
  public:
    struct Message {
        std::string text;     // UTF-8
        std::string caption;  // UTF-8
        ui::MessageIcon icon = ui::MessageIcon::None;
        ui::MessageButtons buttons = ui::MessageButtons::Ok;
    };
    struct ShownMenu {
        std::string name;
        ui::Point at;
    };

    HeadlessPlatform();

    VirtualClock& clock() { return clock_; }

    ui::TimerScheduler& timers() override { return clock_; }
    ui::Clipboard& clipboard() override { return clipboard_; }
    ui::Audio& audio() override { return recordingAudio; }
    // The program's own INI store, on real files.
    std::unique_ptr<ui::SettingsStore> openSettingsStore(
        const std::filesystem::path& file) override;
    ui::MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                 ui::MessageIcon icon, ui::MessageButtons buttons) override;
    int showModal(ui::Form& form) override;
    void showModeless(ui::Form& form) override;
    void popupMenu(ui::PopupMenu& menu, ui::Point at) override;
    ui::Point cursorPosition() override { return cursor; }
    bool openDocument(const std::string& target) override;
    void bringToFront(ui::Form& form) override;
    ui::Size screenSize() override { return screen; }
    ui::LocalTime localTime() override { return now; }
    std::int64_t monotonicMilliseconds() override { return clock_.now(); }
    int random(int range) override;
    void postToUiThread(std::function<void()> call) override;
    std::thread startThread(std::function<void()> body) override;
    void terminate() override { terminateRequested = true; }

    // Runs the user-interface calls other threads have posted; returns how many ran.
    int pump();
    // Runs posted calls as they come until done() holds; false when it still does not after
    // timeout (a hang the test reports instead of waiting forever).
    bool pumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // The error the next startThread throws instead of making a thread, when not empty.
    std::string threadFailure;

    // Answers for the next message boxes (Ok when none is queued).
    std::deque<ui::MessageAnswer> messageAnswers;
    // What the learner does in the next modal windows, in order; a window with no script left
    // is closed at once.
    std::deque<std::function<void(ui::Form&)>> modalScripts;
    // Draws for random(); each is taken modulo the range. Empty: 0.
    std::deque<int> randomDraws;

    RecordingAudio recordingAudio;
    std::vector<Message> messages;
    std::vector<std::string> modalForms;
    std::vector<std::string> modelessForms;
    std::vector<ShownMenu> menus;
    std::vector<std::string> openedDocuments;
    int foregroundRequests = 0;
    bool terminateRequested = false;
    ui::Point cursor{100, 100};
    ui::Size screen{1920, 1080};
    ui::LocalTime now{2024, 9, 1, 10, 30, 0, 0, 0};

  private:
    class MemoryClipboard : public ui::Clipboard {
      public:
        std::string text() override { return text_; }
        void setText(const std::string& gbk) override { text_ = gbk; }

      private:
        std::string text_;
    };

    VirtualClock clock_;
    MemoryClipboard clipboard_;
    std::thread::id uiThread_;
    std::mutex mutex_;
    std::condition_variable posted_changed_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace quorvin::testing
