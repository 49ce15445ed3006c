#pragma once

#include "ui/platform.h"

namespace quorvin::drills {

// The character sets the letter drills and games draw from.
struct KeySet {
    char first;  // 'A', 'a' or '0'
    int size;    // 26 or 10
    // Where the set continues after its last character: digits skip 0 ("9" is followed by "1").
    char afterLast;
};

inline constexpr KeySet UpperLetters{'A', 26, 'A'};
inline constexpr KeySet LowerLetters{'a', 26, 'a'};
inline constexpr KeySet Digits{'0', 10, '1'};

// A random character of the set that differs from `avoid`: a draw equal to it is replaced by
// the next character of the set.
char drawKey(ui::Platform& platform, const KeySet& set, char avoid);

}  // namespace quorvin::drills
