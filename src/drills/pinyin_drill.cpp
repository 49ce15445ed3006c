#include "drills/pinyin_drill.h"

#include "drills/drill_input.h"
#include "drills/table_draw.h"

namespace quorvin::drills {

namespace {

int nextSlot(int slot) {
    return slot == 4 ? 1 : slot + 1;
}

std::string upper(const std::string& spelling) {
    return submittedCode(spelling, LetterCase::Upper);
}

}  // namespace

PinyinDrill::PinyinDrill(model::TForm1& form, model::PracticeSession& session,
                         ui::Platform& platform, sound::Sound& sound, HitDisplay& hits,
                         const data::PinyinTables& tables, const model::Settings& settings)
    : form_(form),
      session_(session),
      platform_(platform),
      sound_(sound),
      hits_(hits),
      tables_(tables),
      settings_(settings) {}

bool PinyinDrill::hasTargets(int type) const {
    return (isWordType(type) ? tables_.PYTwoTable.End() : tables_.PYsTable.End()) > 1;
}

void PinyinDrill::draw(int slot) {
    if (isWordType(type_)) {
        word(slot) = drawPosition(tables_.PYTwoTable, platform_).first;
        return;
    }
    const auto [entry, position] = drawPosition(tables_.PYsTable, platform_);
    chars_[slot - 1u] = {.Reading = entry.Reading,
                         .Char = entry.Char,
                         .Spelling = entry.Spelling,
                         .Position = position,
                         .Sound = entry.Sound,
                         .RevealStep = 1};
}

std::string PinyinDrill::slotTarget(int slot) const {
    return isWordType(type_) ? word(slot).Word : chars_[slot - 1u].Char;
}

const data::orvcharsetpy2* PinyinDrill::groupOf(const orvcharsetpy& target) const {
    const int g = data::PYsGroups::groupHolding(target.Position);
    if (g == 0 || tables_.PYsGroupTable.readingCount(g) < 2) return nullptr;
    return &tables_.PYsGroupTable[g];
}

void PinyinDrill::placeHints() {
    const bool above = settings_.PYOldTip == 1;
    const bool words = isWordType(type_);
    ui::Label& line = words ? form_.Label5 : form_.Label8;
    ui::Label& other = words ? form_.Label8 : form_.Label5;
    other.setEnabled(false);
    other.hide();
    line.setEnabled(!above);
    line.setVisible(!above);
    for (int slot = 1; slot <= 4; ++slot)
        readingLabel(slot).setVisible(above && (!words || slot % 2 == 1));
}

void PinyinDrill::PrepareBoard(int type) {
    type_ = type;
    hits_.setBoard(this);
    const bool words = isWordType(type);
    // Two-target boards use slots 1 and 3.
    for (int slot = 1; slot <= 4; slot += words ? 2 : 1)
        draw(slot);
    auto labels = form_.targetLabels();
    for (int slot = 1; slot <= 4; ++slot) {
        if (words && slot % 2 == 0)
            labels[slot - 1u]->hide();
        else
            labels[slot - 1u]->setCaption(slotTarget(slot));
    }
    form_.Label5.setCaption({});
    form_.Label8.setCaption({});
    if (type == 4) {
        spellCharacter(1);
        for (int slot = 2; slot <= 4; ++slot)
            readingLabel(slot).setCaption(chars_[slot - 1u].Reading);
        sound_.SpeakSyllable(chars_[0].Sound);
    } else if (type == 6) {
        form_.Label5.setCaption(withTarget(words_[0].Spelling, words_[0].Word));
        form_.Label11.setCaption(words_[0].Reading);
        form_.Label13.setCaption(words_[1].Reading);
        speakWord(1);
    }
    placeHints();
}

void PinyinDrill::spellCharacter(int slot) {
    const orvcharsetpy& target = chars_[slot - 1u];
    form_.Label8.setCaption(withTarget(target.Spelling, target.Char));
    readingLabel(slot).setCaption(target.Reading);
}

void PinyinDrill::spellWord(int slot) {
    const data::orvcharsetpyTwo& target = word(slot);
    form_.Label5.setCaption(withTarget(target.Spelling, target.Word));
    readingLabel(slot).setCaption(target.Reading);
}

void PinyinDrill::speakWord(int slot) {
    sound_.SpeakSyllable(word(slot).Sounds[0]);
    pendingWordSound_ = slot == 1 ? 1 : 2;
    form_.Timer8.setEnabled(true);
}

int PinyinDrill::judge(const std::string& spelling) const {
    if (isWordType(type_)) {
        for (int slot : {1, 3})
            if (upper(word(slot).Spelling) == spelling) return slot;
        return 0;
    }
    if (type_ == 4) {
        for (int slot = 1; slot <= 4; ++slot)
            if (upper(chars_[slot - 1u].Spelling) == spelling) return slot;
        return 0;
    }
    for (int slot = 4; slot >= 1; --slot)
        if (upper(chars_[slot - 1u].Spelling) == spelling) return slot;
    // Another reading of a polyphonic character hits too.
    for (int slot = 1; slot <= 4; ++slot) {
        const data::orvcharsetpy2* group = groupOf(chars_[slot - 1u]);
        if (!group) continue;
        for (const std::string& reading : group->Spellings)
            if (!reading.empty() && upper(reading) == spelling) return slot;
    }
    return 0;
}

void PinyinDrill::Edit1KeyPress(int type, ui::KeyChar& ch) {
    type_ = type;
    if (!filterDrillKey(form_.Edit1, ch) || ch != ' ') return;
    const std::string spelling = submittedCode(form_.Edit1.text(), LetterCase::Upper);
    form_.Edit1.clear();
    if (spelling.empty()) return;
    const int slot = judge(spelling);
    if (slot == 0) {
        ++session_.ErrorCount;
        return;
    }
    ch = 0;
    sound_.PlayHitSound();
    hits_.show(slot);
    draw(slot);
    if (type == 3)
        for (int k = 1; k <= 4; ++k)
            readingLabel(k).setCaption({});
    if (type == 5) {
        form_.Label11.setCaption({});
        form_.Label13.setCaption({});
    }
    ++session_.CorrectCodes;
}

void PinyinDrill::hintKey(int type, int key) {
    type_ = type;
    if (key < ui::vk::F1 || key > ui::vk::F4) return;
    const int slot = key - ui::vk::F1 + 1;
    if (isWordType(type)) {
        if (slot > 2) return;
        const int target = slot == 1 ? 1 : 3;
        spellWord(target);
        if (type == 5) readingLabel(target == 1 ? 3 : 1).setCaption({});
        speakWord(target);
        return;
    }
    orvcharsetpy& target = chars_[slot - 1u];
    const data::orvcharsetpy2* group = type == 3 ? groupOf(target) : nullptr;
    if (!group) {
        spellCharacter(slot);
        if (type == 4)
            for (int k = 1; k <= 4; ++k)
                if (k != slot) readingLabel(k).setCaption({});
        sound_.SpeakSyllable(target.Sound);
        return;
    }
    // Each press reveals the next reading of the polyphonic character.
    const int readings =
        tables_.PYsGroupTable.readingCount(data::PYsGroups::groupHolding(target.Position));
    const std::size_t s = target.RevealStep - 1u;
    form_.Label8.setCaption(withTarget(group->Spellings[s], target.Char));
    readingLabel(slot).setCaption(group->Readings[s]);
    sound_.SpeakSyllable(group->Sounds[s]);
    target.RevealStep = target.RevealStep >= readings ? 1 : target.RevealStep + 1;
}

void PinyinDrill::hitDisplayEnded(int slot) {
    if (type_ == 4) {
        const int next = nextSlot(slot);
        readingLabel(slot).setCaption(chars_[slot - 1u].Reading);
        spellCharacter(next);
        sound_.SpeakSyllable(chars_[next - 1u].Sound);
    } else if (type_ == 6) {
        const int other = slot == 1 ? 3 : 1;
        readingLabel(slot).setCaption(word(slot).Reading);
        form_.Label5.setCaption(withTarget(word(other).Spelling, word(other).Word));
        speakWord(other);
    }
}

void PinyinDrill::Timer8Timer(int type) {
    if (isWordType(type)) sound_.SpeakSyllable(words_[pendingWordSound_ - 1u].Sounds[1]);
    form_.Timer8.setEnabled(false);
}

}  // namespace quorvin::drills
