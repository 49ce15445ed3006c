#pragma once

#include <string>
#include <string_view>
#include <vector>

// Pinyin as the learner reads it, rebuilt from the sound names' spellings, to check the
// readings of the tables against their sounds.
namespace quorvin::material {

// "zhong1" -> "zhōng", "lve4" -> "lüè", "de5" -> "de" (UTF-8). The mark goes on a or e, else
// on the o of "ou", else on the last vowel. Empty when the text is not letters and a tone.
std::string tonedSyllable(std::string_view sound);

// The syllables of a word written as one ("zhōngguó"), with an apostrophe before a syllable
// that starts with a, o or e ("xī'ān").
std::string tonedWord(const std::vector<std::string>& sounds);

}  // namespace quorvin::material
