#include "articles/digit_pages.h"

#include <string>

namespace quorvin::articles {

bool NextDigitPage(std::int64_t typedSoFar, int lineLimit, ui::Platform& platform,
                   PageLines& lines) {
    if (typedSoFar > kDigitArticleLimit) return false;
    const std::size_t least = static_cast<std::size_t>(lineLimit - 9);
    for (std::string& line : lines) {
        line.clear();
        while (line.size() < least)
            line += std::to_string(platform.random(999'999'999));
    }
    return true;
}

}  // namespace quorvin::articles
