#include "session/statistics.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ui/gbk.h"

namespace quorvin::session {

std::string elapsedText(int seconds) {
    return std::to_string(seconds / 3600) + ":" + std::to_string(seconds % 3600 / 60) + ":" +
           std::to_string(seconds % 60);
}

int speedPerMinute(int total, int seconds) {
    // Extended precision and rounding to even, as the figures were always computed.
    const long double perMinute = static_cast<long double>(total) / seconds * 60;
    return static_cast<int>(std::llrint(perMinute));
}

double accuracyOf(int total, int errors) {
    if (total == 0) return 0.0;
    // The product wraps like the 32-bit arithmetic it always was; only the division is real.
    const auto correctTimes100 =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(total - errors) * 100u);
    return static_cast<double>(static_cast<long double>(correctTimes100) / total);
}

std::string percentText(double accuracy) {
    // Round the value's 15 significant decimal digits, not its binary form: 99.975 reads 99.98.
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.14e", std::fabs(accuracy));
    // digits: d.dddddddddddddde[+-]XX
    const int exponent = std::atoi(digits + 17);
    std::string mantissa = std::string(1, digits[0]) + std::string(digits + 2, 14);
    // Hundredths as an integer: the digits up to the second decimal, then round on the next.
    const int keep = exponent + 3;  // digits before the point plus two decimals
    long long hundredths = 0;
    if (keep > 0) {
        for (int i = 0; i < keep && i < 15; ++i)
            hundredths = hundredths * 10 + (mantissa[i] - '0');
        for (int i = 15; i < keep; ++i)
            hundredths *= 10;
        if (keep < 15 && mantissa[keep] >= '5') ++hundredths;
    } else if (keep == 0 && mantissa[0] >= '5') {
        hundredths = 1;
    }
    std::string text = accuracy < 0 && hundredths > 0 ? "-" : "";
    const long long whole = hundredths / 100;
    const int fraction = static_cast<int>(hundredths % 100);
    if (whole > 0) text += std::to_string(whole);
    if (fraction > 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text + "%";
}

std::string weekdayName(int dayOfWeek) {
    static constexpr const char* kNames[7] = {"星期日", "星期一", "星期二", "星期三",
                                              "星期四", "星期五", "星期六"};
    return ui::toGbk(kNames[((dayOfWeek % 7) + 7) % 7]);
}

std::string recordDate(const ui::LocalTime& t) {
    return std::to_string(t.year) + ui::toGbk("年") + std::to_string(t.month) + ui::toGbk("月") +
           std::to_string(t.day) + ui::toGbk("日") + std::to_string(t.hour) + ui::toGbk("时") +
           std::to_string(t.minute) + ui::toGbk("分") + " " + weekdayName(t.dayOfWeek);
}

}  // namespace quorvin::session
