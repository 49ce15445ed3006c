#include "pinyin_marks.h"

#include <array>

namespace quorvin::material {

namespace {

struct Marks {
    char vowel;  // 'v' stands for ü
    std::array<const char*, 5> byTone;
};

constexpr Marks kMarks[] = {
    {'a', {"ā", "á", "ǎ", "à", "a"}}, {'e', {"ē", "é", "ě", "è", "e"}},
    {'i', {"ī", "í", "ǐ", "ì", "i"}}, {'o', {"ō", "ó", "ǒ", "ò", "o"}},
    {'u', {"ū", "ú", "ǔ", "ù", "u"}}, {'v', {"ǖ", "ǘ", "ǚ", "ǜ", "ü"}},
};

bool isVowel(char c) {
    return std::string_view("aeiouv").find(c) != std::string_view::npos;
}

std::size_t markedVowel(std::string_view letters) {
    for (char preferred : {'a', 'e'}) {
        if (const std::size_t at = letters.find(preferred); at != letters.npos) return at;
    }
    if (const std::size_t at = letters.find("ou"); at != letters.npos) return at;
    for (std::size_t at = letters.size(); at-- > 0;) {
        if (isVowel(letters[at])) return at;
    }
    return letters.npos;
}

}  // namespace

std::string tonedSyllable(std::string_view sound) {
    if (sound.size() < 2 || sound.back() < '1' || sound.back() > '5') return {};
    const std::string_view letters = sound.substr(0, sound.size() - 1);
    const auto tone = static_cast<std::size_t>(sound.back() - '1');
    const std::size_t marked = markedVowel(letters);
    if (marked == letters.npos) return {};
    std::string toned;
    for (std::size_t at = 0; at < letters.size(); ++at) {
        const char c = letters[at];
        if (c < 'a' || c > 'z') return {};
        if (at != marked && c != 'v') {
            toned += c;
            continue;
        }
        for (const Marks& marks : kMarks) {
            if (marks.vowel == c) toned += marks.byTone[at == marked ? tone : 4];
        }
    }
    return toned;
}

std::string tonedWord(const std::vector<std::string>& sounds) {
    std::string word;
    for (const std::string& sound : sounds) {
        const bool vowelFirst =
            !sound.empty() && std::string_view("aoe").find(sound.front()) != std::string_view::npos;
        if (!word.empty() && vowelFirst) word += '\'';
        word += tonedSyllable(sound);
    }
    return word;
}

}  // namespace quorvin::material
