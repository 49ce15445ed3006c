#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <memory>
#include <random>
#include <unordered_map>
#include <vector>

#include "qt_audio.h"
#include "qt_clipboard.h"
#include "timer_scheduler.h"
#include "ui/platform.h"

namespace quorvin::ui::qt {

class FormView;

// The desktop services of the running program, on Qt. Make it after the QApplication and before
// the forms and views, and let it go after them: the timers and views use it to the end.
class QtPlatform final : public ui::Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    ui::TimerScheduler& timers() override { return timers_; }
    ui::Clipboard& clipboard() override { return clipboard_; }
    ui::Audio& audio() override { return audio_; }
    std::unique_ptr<ui::SettingsStore> openSettingsStore(
        const std::filesystem::path& file) override;
    ui::MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                 ui::MessageIcon icon, ui::MessageButtons buttons) override;
    int showModal(ui::Form& form) override;
    void showModeless(ui::Form& form) override;
    void popupMenu(ui::PopupMenu& menu, ui::Point at) override;
    ui::Point cursorPosition() override;
    bool openDocument(const std::string& target) override;
    void bringToFront(ui::Form& form) override;
    ui::Size screenSize() override;
    ui::LocalTime localTime() override;
    std::int64_t monotonicMilliseconds() override { return monotonic_.elapsed(); }
    int random(int range) override;
    void postToUiThread(std::function<void()> call) override;
    std::thread startThread(std::function<void()> body) override;
    void terminate() override;

    // The main window's form: secondary windows centre on it and modal ones stay above it, and
    // when it closes the program ends.
    void setMainForm(const ui::Form& form) { mainForm_ = &form; }
    FormView* mainView() const;
    // The open view of a form, or nullptr.
    FormView* viewOf(const ui::Form& form) const;
    // Whether terminate() was called; main() may then return before showing anything.
    bool terminated() const { return terminated_; }

  private:
    friend class FormView;
    void registerView(const ui::Form& form, FormView& view);
    void unregisterView(const ui::Form& form, FormView& view);

    QtTimerScheduler timers_;
    QtClipboard clipboard_;
    QtAudio audio_;
    std::unordered_map<const ui::Form*, FormView*> views_;
    // Views made by showModeless; they delete themselves once closed, or go with the platform.
    std::vector<QPointer<FormView>> modeless_;
    const ui::Form* mainForm_ = nullptr;
    std::mt19937 random_{std::random_device{}()};
    // Lives on the user-interface thread: calls from other threads are queued to it.
    std::unique_ptr<QObject> uiThread_ = std::make_unique<QObject>();
    bool terminated_ = false;
    QElapsedTimer monotonic_;
};

}  // namespace quorvin::ui::qt
