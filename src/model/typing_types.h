#pragma once

#include <string>
#include <vector>

namespace quorvin::model {

// The 23 typing types, numbered as RadioGroup1 lists them.
inline constexpr int TypingTypeCount = 23;

enum class Family { LetterDrill, PinyinDrill, WubiDrill, Game, Article };

Family familyOf(int type);

// The type's caption (GBK): also its name in summaries and score records.
std::string typingTypeCaption(int type);
std::vector<std::string> typingTypeCaptions();

// RadioGroup2's durations.
inline constexpr int DurationCount = 6;
int durationSeconds(int index);
std::vector<std::string> durationCaptions();

// Article types read from a file chosen in ComboBox1.
bool isFileArticle(int type);

}  // namespace quorvin::model
