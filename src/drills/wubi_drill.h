#pragma once

#include <array>
#include <string>

#include "data/media_resources.h"
#include "data/wubi_tables.h"
#include "drills/hit_display.h"
#include "drills/wubi_targets.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "sound/sound.h"
#include "ui/platform.h"

namespace quorvin::drills {

// Types 7-16: radicals, level-1 and level-2 short codes, characters and words, each as a
// follow type (7-11: the next target's code stays on show) and a practice type (12-16: hints
// only on F1..F4). Codes are typed into Edit1.
class WubiDrill : public SlotBoard {
  public:
    WubiDrill(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
              sound::Sound& sound, HitDisplay& hits, const data::WubiTables& tables,
              const data::MediaResources& resources);

    // Whether the type's table holds anything to draw.
    bool hasTargets(int type) const;
    void PrepareBoard(int type);
    // Edit1KeyPress: filter, submission and judging; a hit swallows the key.
    void Edit1KeyPress(int type, ui::KeyChar& ch);
    // The hint keys F1..F4 of Edit1KeyDown.
    void hintKey(int type, int key);

    std::string slotTarget(int slot) const override;
    void hitDisplayEnded(int slot) override;

    const std::array<orvcharsetzg, 4>& RadicalTargets() const { return radicals_; }
    const std::array<orvcharset1, 4>& Level1Targets() const { return level1_; }
    const std::array<orvcharset2, 4>& Level2Targets() const { return level2_; }
    const std::array<orvcharset, 4>& WubiCharTargets() const { return chars_; }
    // Target 1 in slot 1, target 2 in slot 3.
    const std::array<data::orvcharsetWBTwo, 2>& WubiWordTargets() const { return words_; }

  private:
    enum class Subject { Radical, Level1, Level2, Character, Word };
    static Subject subjectOf(int type);
    static bool isFollow(int type) { return type <= 11; }

    void draw(Subject subject, int slot);
    // The hint of a slot: what F-keys show and the follow types show for the next slot.
    void showHint(int type, int slot);
    // The submitted code of this key, or empty when nothing is submitted.
    std::string submission(int type, ui::KeyChar ch);
    // The slot the code hits, 0 for none.
    int judge(Subject subject, const std::string& code) const;
    data::orvcharsetWBTwo& word(int slot) { return words_[slot == 1 ? 0 : 1]; }
    const data::orvcharsetWBTwo& word(int slot) const { return words_[slot == 1 ? 0 : 1]; }

    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    sound::Sound& sound_;
    HitDisplay& hits_;
    const data::WubiTables& tables_;
    const data::MediaResources& resources_;
    int type_ = 7;
    std::array<orvcharsetzg, 4> radicals_;
    std::array<orvcharset1, 4> level1_;
    std::array<orvcharset2, 4> level2_;
    std::array<orvcharset, 4> chars_;
    std::array<data::orvcharsetWBTwo, 2> words_;
};

}  // namespace quorvin::drills
