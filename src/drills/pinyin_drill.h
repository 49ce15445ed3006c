#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/pinyin_tables.h"
#include "drills/hit_display.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "model/settings_values.h"
#include "sound/sound.h"
#include "ui/platform.h"

namespace quorvin::drills {

// A character target of types 3 and 4.
struct orvcharsetpy {
    std::string Reading;  // shown above the character
    std::string Char;
    std::string Spelling;       // the letters to type
    std::int32_t Position = 0;  // in PYsTable
    std::string Sound;
    std::uint16_t RevealStep = 1;  // which alternative reading the next F-key shows
};

// Types 3-6: the spelling of a character (3, 4) or a two-character word (5, 6) typed into
// Edit1 and confirmed with Space; the practice types (3, 5) hint only on F-keys, the follow
// types (4, 6) spell and speak the next target.
class PinyinDrill : public SlotBoard {
  public:
    PinyinDrill(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
                sound::Sound& sound, HitDisplay& hits, const data::PinyinTables& tables,
                const model::Settings& settings);

    // Whether the type's table holds anything to draw.
    bool hasTargets(int type) const;
    void PrepareBoard(int type);
    // Edit1KeyPress: filter, submission on Space and judging; a hit swallows the Space.
    void Edit1KeyPress(int type, ui::KeyChar& ch);
    // The hint keys F1..F4 of Edit1KeyDown.
    void hintKey(int type, int key);
    // The second syllable of a word, 450 ms after the first, while a word type is chosen.
    void Timer8Timer(int type);

    std::string slotTarget(int slot) const override;
    void hitDisplayEnded(int slot) override;

    const std::array<orvcharsetpy, 4>& PinyinCharTargets() const { return chars_; }
    // Target 1 in slot 1, target 2 in slot 3.
    const std::array<data::orvcharsetpyTwo, 2>& PinyinWordTargets() const { return words_; }
    int PendingWordSound() const { return pendingWordSound_; }

  private:
    static bool isWordType(int type) { return type == 5 || type == 6; }
    void draw(int slot);
    void placeHints();
    // The readings of a target's own character when it is polyphonic, else none.
    const data::orvcharsetpy2* groupOf(const orvcharsetpy& target) const;
    int judge(const std::string& spelling) const;
    // Label8 or Label5 and the reading above slot: the hint of a character or word.
    void spellCharacter(int slot);
    void spellWord(int slot);
    void speakWord(int slot);
    data::orvcharsetpyTwo& word(int slot) { return words_[slot == 1 ? 0 : 1]; }
    const data::orvcharsetpyTwo& word(int slot) const { return words_[slot == 1 ? 0 : 1]; }
    ui::Label& readingLabel(int slot) { return *form_.codeLabels()[slot - 1u]; }

    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    sound::Sound& sound_;
    HitDisplay& hits_;
    const data::PinyinTables& tables_;
    const model::Settings& settings_;
    int type_ = 3;
    std::array<orvcharsetpy, 4> chars_;
    std::array<data::orvcharsetpyTwo, 2> words_;
    int pendingWordSound_ = 1;
};

}  // namespace quorvin::drills
