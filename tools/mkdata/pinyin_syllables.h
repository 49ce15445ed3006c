#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin::mkdata {

// A syllable as the Pinyin tables name its sound: lower-case letters (ü written "v") and the
// tone digit 1-4, or 5 for the neutral tone ("zhong1", "lv4", "de5").
bool isToneSyllable(std::string_view text);

// Every syllable the Pinyin tables of dataSourceDir name: the "sound" column of PYs.tsv and
// PYOne.tsv and the "sounds" column of PYTwo.tsv and PYMulti.tsv, sorted, each once. Throws
// std::runtime_error naming the table and line of a field that is not such syllables.
std::vector<std::string> pinyinTableSyllables(const std::filesystem::path& dataSourceDir);

}  // namespace quorvin::mkdata
