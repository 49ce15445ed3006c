#include <stdexcept>

#include "mkdata/table_layout.h"

namespace quorvin::mkdata {

namespace {

// PYs.dat and PYOne.dat. The loader reads the spelling and the sound from the same columns, the
// sound one byte longer (its tone digit), so one field must serve as both.
void characterLine(const SourceRecord& record, FixedLine& line) {
    const std::string sound = record.syllables("sound", 1, 1);
    const std::string spelling = record.letters("spelling");
    if (sound.substr(0, sound.size() - 1) != spelling) {
        throw std::runtime_error("spelling \"" + spelling + "\" is not the sound \"" + sound +
                                 "\" without its tone");
    }
    line.left("reading", record.text("reading"), 1, 11)
        .exact("char", record.text("char"), 13, 14)
        .rest("sound", sound, 18);
}

// The loader splits the sounds at the first space only: exactly two syllables.
void wordLine(const SourceRecord& record, FixedLine& line) {
    line.left("spelling", record.letters("spelling"), 1, 12)
        .left("word", record.text("word"), 13, 16)
        .left("reading", record.text("reading"), 19, 37)
        .rest("sounds", record.syllables("sounds", 2, 2), 40);
}

void phraseLine(const SourceRecord& record, FixedLine& line) {
    line.left("spelling", record.letters("spelling"), 1, 12)
        .left("phrase", record.text("phrase"), 13, 31)
        .left("reading", record.text("reading"), 33, 81)
        .rest("sounds", record.syllables("sounds", 1, 10), 85);
}

constexpr TableLayout kPinyinLayouts[] = {
    {"PYs.tsv",
     "PYs.dat",
     {"char", "reading", "spelling", "sound"},
     true,
     3300,
     16,
     characterLine,
     nullptr},
    {"PYOne.tsv",
     "PYOne.dat",
     {"char", "reading", "spelling", "sound"},
     true,
     8000,
     16,
     characterLine,
     nullptr},
    {"PYTwo.tsv",
     "PYTwo.dat",
     {"word", "spelling", "reading", "sounds"},
     true,
     12000,
     40,
     wordLine,
     nullptr},
    {"PYMulti.tsv",
     "PYMulti.dat",
     {"phrase", "spelling", "reading", "sounds"},
     true,
     1500,
     40,
     phraseLine,
     nullptr},
};

}  // namespace

std::span<const TableLayout> pinyinLayouts() {
    return kPinyinLayouts;
}

}  // namespace quorvin::mkdata
