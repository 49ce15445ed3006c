#pragma once

#include <cstdint>
#include <string>

#include "app/main_window.h"
#include "ui/settings_store.h"

namespace quorvin::app {

// The key that holds the settings and the user list.
inline constexpr const char* SettingsKeyPath = "\\Software\\Ornvale\\Quorvin";

// The working copies of the stored settings, with their defaults.
struct Settings {
    std::int32_t PlayMp3 = 1;
    std::int32_t PlayWav = 1;
    std::int32_t PlayPYWav = 1;
    std::int32_t Interval = 5;
    std::int32_t PYOldTip = 1;
    std::string UsersText = "abc;";   // GBK
    std::string CurrentUser = "abc";  // GBK
};

// Start-up: opens the key (creating it) and reads every value, storing the default of each
// one that is absent or unreadable.
void readSettings(ui::SettingsStore& store, Settings& settings);

// Start-up: the track bar, its caption, the hit-display timers and the four check boxes.
void applySettings(TForm1& form, const Settings& settings);

// What a new track-bar position changes at once: its selection, Label9 and the hit-display
// timers. The position itself is stored only at shutdown.
void showHitDisplayTime(TForm1& form);

// A check box was clicked: 0 when it is now checked, else 1, into the store and the switch.
void storeSwitch(ui::SettingsStore& store, const char* name, const ui::CheckBox& box,
                 std::int32_t& value);

// Shutdown: Interval from the track bar, the user list and the current user.
void writeShutdownSettings(ui::SettingsStore& store, const TForm1& form, const Settings& settings);

}  // namespace quorvin::app
