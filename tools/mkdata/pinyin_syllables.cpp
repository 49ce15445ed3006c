#include "mkdata/pinyin_syllables.h"

#include <set>
#include <stdexcept>

#include "mkdata/source_table.h"

namespace quorvin::mkdata {

namespace {

struct SoundColumn {
    std::string_view table;
    std::string_view column;
};

constexpr SoundColumn kSoundColumns[] = {
    {"PYs.tsv", "sound"},
    {"PYOne.tsv", "sound"},
    {"PYTwo.tsv", "sounds"},
    {"PYMulti.tsv", "sounds"},
};

}  // namespace

bool isToneSyllable(std::string_view text) {
    if (text.size() < 2 || text.back() < '1' || text.back() > '5') return false;
    for (const char c : text.substr(0, text.size() - 1)) {
        if (c < 'a' || c > 'z') return false;
    }
    return true;
}

std::vector<std::string> pinyinTableSyllables(const std::filesystem::path& dataSourceDir) {
    std::set<std::string, std::less<>> syllables;
    for (const SoundColumn& source : kSoundColumns) {
        const SourceTable table = SourceTable::read(dataSourceDir / source.table);
        table.require({source.column});
        for (const SourceTable::Row& row : table.rows()) {
            const std::string_view field = table.field(row, source.column);
            for (std::string_view rest = field;;) {
                const std::size_t space = rest.find(' ');
                const std::string_view syllable = rest.substr(0, space);
                if (!isToneSyllable(syllable)) {
                    throw std::runtime_error(table.name() + " line " + std::to_string(row.line) +
                                             ": " + std::string(source.column) + " \"" +
                                             std::string(field) + "\" is not syllables with tones");
                }
                syllables.emplace(syllable);
                if (space == std::string_view::npos) break;
                rest.remove_prefix(space + 1);
            }
        }
    }
    return {syllables.begin(), syllables.end()};
}

}  // namespace quorvin::mkdata
