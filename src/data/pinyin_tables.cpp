#include "data/pinyin_tables.h"

#include "data/fixed_columns.h"

namespace quorvin::data {

namespace {

std::string soundName(std::string_view syllable) {
    std::string name(kSyllableSoundPrefix);
    name += trimField(syllable);
    return name;
}

}  // namespace

orvcharsetPYs parsePYsLine(std::string_view line) {
    const std::size_t length = line.size();
    return {
        .Spelling = field(line, 16, length - 1),
        .Char = field(line, 12, 17),
        .Reading = field(line, 1, 12),
        .Sound = soundName(fromColumn(line, 16)),
    };
}

orvcharsetpyTwo parsePYTwoLine(std::string_view line) {
    const std::string_view syllables = trimField(fromColumn(line, 40));
    const std::size_t space = syllables.find(' ');
    // The second sound keeps everything after the first space, further syllables included.
    const std::string_view first =
        space == std::string_view::npos ? std::string_view() : syllables.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? syllables : syllables.substr(space);
    return {
        .Spelling = field(line, 1, 12),
        .Word = field(line, 13, 18),
        .Reading = field(line, 18, 37),
        .Sounds = {soundName(first), soundName(rest)},
    };
}

orvcharsetpyMulti parsePYMultiLine(std::string_view line) {
    orvcharsetpyMulti entry{
        .Spelling = field(line, 1, 12),
        .Phrase = field(line, 13, 32),
        .Reading = field(line, 32, 81),
        .Sounds = {},
    };
    std::string_view rest = trimField(fromColumn(line, 85));
    // Every space ends a syllable, so two in a row leave a slot with the bare prefix.
    for (std::size_t k = 0; k < kMaxPhraseSyllables; ++k) {
        const std::size_t space = rest.find(' ');
        entry.Sounds[k] = soundName(rest.substr(0, space));
        if (space == std::string_view::npos) break;
        rest.remove_prefix(space + 1);
    }
    return entry;
}

void PYsGroups::build(const LineTable<orvcharsetPYs>& pys) {
    for (int g = 1; g <= kCount; ++g) {
        const bool pair = g <= 17;
        const int firstMember = pair ? 2 * g - 1 : 35 + 3 * (g - 18);
        orvcharsetpy2& group = groups_[static_cast<std::size_t>(g) - 1];
        group = {};
        for (int j = 0; j < (pair ? 2 : 3); ++j) {
            const orvcharsetPYs& member = pys[firstMember + j];
            group.Spellings[static_cast<std::size_t>(j)] = member.Spelling;
            group.Readings[static_cast<std::size_t>(j)] = member.Reading;
            group.Sounds[static_cast<std::size_t>(j)] = member.Sound;
        }
    }
}

const orvcharsetpy2& PYsGroups::operator[](int g) const {
    if (g < 1 || g > kCount) return empty_;
    return groups_[static_cast<std::size_t>(g) - 1];
}

int PYsGroups::groupHolding(int position) {
    if (position >= 1 && position <= 34) return (position + 1) / 2;
    if (position >= 35 && position <= 37) return 18;
    if (position >= 38 && position <= 40) return 19;
    return 0;
}

int PYsGroups::readingCount(int g) const {
    int count = 0;
    for (const std::string& spelling : (*this)[g].Spellings)
        if (!spelling.empty()) ++count;
    return count;
}

DataFileStatus PinyinTables::load(const std::filesystem::path& folder) {
    auto status = loadLineTable(folder, kPYsFile, kPYsMinLine, parsePYsLine, PYsTable);
    PYsGroupTable.build(PYsTable);
    if (status == DataFileStatus::Ok)
        status = loadLineTable(folder, kPYOneFile, kPYOneMinLine, parsePYsLine, PYOneTable);
    if (status == DataFileStatus::Ok)
        status = loadLineTable(folder, kPYTwoFile, kPYTwoMinLine, parsePYTwoLine, PYTwoTable);
    if (status == DataFileStatus::Ok)
        status =
            loadLineTable(folder, kPYMultiFile, kPYMultiMinLine, parsePYMultiLine, PYMultiTable);
    return status;
}

}  // namespace quorvin::data
