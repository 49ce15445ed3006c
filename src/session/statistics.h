#pragma once

#include <string>

#include "ui/platform.h"

// How the session clock turns counters into the texts the learner sees.
namespace quorvin::session {

// "H:M:S" without leading zeros (125 seconds: "0:2:5").
std::string elapsedText(int seconds);

// Entries per minute, (total / seconds) * 60 rounded half to even; seconds must be at least 1.
int speedPerMinute(int total, int seconds);

// Percent correct: ((total - errors) * 100) / total, 0 for an empty total.
double accuracyOf(int total, int errors);

// The "##.##%" pattern: two decimals rounded half away from zero, no zero before the point,
// no trailing zeros or point (100%, 98.5%, 66.67%, .5%, and "%" for 0).
std::string percentText(double accuracy);

// "星期日" .. "星期六" (GBK), Sunday = 0.
std::string weekdayName(int dayOfWeek);

// The date field of a score record: "%d年%d月%d日%d时%d分 %s" with the weekday (GBK).
std::string recordDate(const ui::LocalTime& time);

}  // namespace quorvin::session
