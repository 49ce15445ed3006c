#pragma once

#include <cstdint>

#include "articles/article_text.h"
#include "ui/platform.h"

namespace quorvin::articles {

// Past this many judged digits the digit article is used up.
inline constexpr std::int64_t kDigitArticleLimit = 8000;

// A page of six digit lines for type 20, each of random numbers from 0 to 999 999 998 until it
// holds at least lineLimit - 9 digits. Makes none (false, lines untouched) once TotalCount plus
// ErrorCount is past the limit.
bool NextDigitPage(std::int64_t typedSoFar, int lineLimit, ui::Platform& platform,
                   PageLines& lines);

}  // namespace quorvin::articles
