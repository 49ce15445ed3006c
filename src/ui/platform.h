#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "audio.h"
#include "clipboard.h"
#include "settings_store.h"
#include "timer.h"

namespace quorvin::ui {

class Form;
class PopupMenu;

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct LocalTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
};

// Everything the program asks of the desktop. The toolkit implements it for the running
// program; the headless platform of the tests implements it deterministically.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual TimerScheduler& timers() = 0;
    virtual Clipboard& clipboard() = 0;
    virtual Audio& audio() = 0;
    // The store of the settings, kept in this file.
    virtual std::unique_ptr<SettingsStore> openSettingsStore(const std::filesystem::path& file) = 0;

    // A modal message box without owner; texts are GBK.
    virtual MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                     MessageIcon icon,
                                     MessageButtons buttons = MessageButtons::Ok) = 0;

    // Shows a window modally and returns when it has closed; returns its modal result.
    virtual int showModal(Form& form) = 0;
    // Shows a window next to the main one; the caller keeps it alive until it closes.
    virtual void showModeless(Form& form) = 0;
    // Shows a menu with its top-left corner at a desktop position.
    virtual void popupMenu(PopupMenu& menu, Point at) = 0;
    virtual Point cursorPosition() = 0;
    // Opens a document (UTF-8 path) or an address with the desktop's default handler.
    virtual bool openDocument(const std::string& target) = 0;
    virtual void bringToFront(Form& form) = 0;
    // The whole screen the main window is on, panels included: what a full-screen window covers.
    virtual Size screenSize() = 0;

    virtual LocalTime localTime() = 0;
    // A clock that only moves forward, for measuring intervals.
    virtual std::int64_t monotonicMilliseconds() = 0;
    // A uniform draw from 0 .. range - 1.
    virtual int random(int range) = 0;

    // Queues a call to run on the user-interface thread and returns at once (from any
    // thread); the caller that needs the result waits for it itself, so that it can stop
    // waiting when the user-interface thread is waiting for it in turn.
    virtual void postToUiThread(std::function<void()> call) = 0;
    // A new thread running body; throws std::system_error when none can be made.
    virtual std::thread startThread(std::function<void()> body) = 0;

    // Asks the application to end once control returns to its event loop.
    virtual void terminate() = 0;
};

}  // namespace quorvin::ui
