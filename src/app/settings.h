#pragma once

#include <cstdint>

#include "model/main_window.h"
#include "model/settings_values.h"
#include "ui/settings_store.h"

namespace quorvin::app {

// Start-up: opens the key (creating it) and reads every value, storing the default of each
// one that is absent or unreadable. False when a text held characters GBK cannot, which it
// keeps as '?'.
bool readSettings(ui::SettingsStore& store, model::Settings& settings);

// Start-up: the track bar, its caption, the hit-display timers and the four check boxes.
void applySettings(model::TForm1& form, const model::Settings& settings);

// What a new track-bar position changes at once: its selection, Label9 and the hit-display
// timers. The position itself is stored only at shutdown.
void showHitDisplayTime(model::TForm1& form);

// A check box was clicked: 0 when it is now checked, else 1, into the store and the switch.
void storeSwitch(ui::SettingsStore& store, const char* name, const ui::CheckBox& box,
                 std::int32_t& value);

// Shutdown: Interval from the track bar, the user list and the current user.
void writeShutdownSettings(ui::SettingsStore& store, const model::TForm1& form,
                           const model::Settings& settings);

}  // namespace quorvin::app
