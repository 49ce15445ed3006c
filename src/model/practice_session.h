#pragma once

#include <cstdint>

namespace quorvin::model {

// The one record of session state. Start resets only the fields its steps name; the others
// keep their values from session to session.
struct PracticeSession {
    std::int32_t SessionType = 0;
    std::int32_t DurationSeconds = 0;
    std::int32_t ElapsedSeconds = 0;
    // Drill counters.
    std::int32_t CorrectKeys = 0;
    std::int32_t CorrectCodes = 0;
    std::int32_t ErrorCount = 0;
    // Article counters.
    std::int32_t TypedTotal = 0;
    std::int32_t ErrorTotal = 0;
    std::int32_t LineTyped = 0;
    std::int32_t LineErrors = 0;
    std::int32_t BackspaceCount = 0;
    // Derived by the clock every second.
    std::int32_t TotalCount = 0;
    double Accuracy = 0.0;
    // 1 while background music may play.
    std::int32_t MusicAllowed = 1;
};

}  // namespace quorvin::model
