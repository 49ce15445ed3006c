#pragma once

#include <cstdint>
#include <string>

namespace quorvin::model {

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

}  // namespace quorvin::model
