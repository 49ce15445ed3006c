#include "drills/wubi_drill.h"

#include <cctype>

#include "drills/code_animation.h"
#include "drills/drill_input.h"

namespace quorvin::drills {

namespace {

int nextSlot(int slot) {
    return slot == 4 ? 1 : slot + 1;
}

}  // namespace

WubiDrill::WubiDrill(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
                     sound::Sound& sound, HitDisplay& hits, const data::WubiTables& tables,
                     const data::MediaResources& resources)
    : form_(form),
      session_(session),
      platform_(platform),
      sound_(sound),
      hits_(hits),
      tables_(tables),
      resources_(resources) {}

WubiDrill::Subject WubiDrill::subjectOf(int type) {
    switch (type <= 11 ? type : type - 5) {
        case 7:
            return Subject::Radical;
        case 8:
            return Subject::Level1;
        case 9:
            return Subject::Level2;
        case 10:
            return Subject::Character;
        default:
            return Subject::Word;
    }
}

bool WubiDrill::hasTargets(int type) const {
    switch (subjectOf(type)) {
        case Subject::Radical:
            return tables_.WbzgTable.count() > 0;
        case Subject::Level1:
            return tables_.Wb1Table.count() > 0;
        case Subject::Level2:
            return tables_.Wb2Table.count() > 0;
        case Subject::Character:
            return tables_.WbsTable.End() > 1;
        case Subject::Word:
            return tables_.WbTwoTable.End() > 1;
    }
    return false;
}

void WubiDrill::draw(Subject subject, int slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    switch (subject) {
        case Subject::Radical:
            radicals_[i] = drawRadical(tables_, platform_);
            break;
        case Subject::Level1:
            level1_[i] = drawLevel1(tables_, platform_);
            break;
        case Subject::Level2:
            level2_[i] = drawLevel2(tables_, platform_);
            break;
        case Subject::Character:
            chars_[i] = drawWubiChar(tables_, platform_);
            break;
        case Subject::Word:
            word(slot) = drawWubiWord(tables_, platform_);
            break;
    }
}

std::string WubiDrill::slotTarget(int slot) const {
    const auto i = static_cast<std::size_t>(slot - 1);
    switch (subjectOf(type_)) {
        case Subject::Radical:
            return radicals_[i].Radical;
        case Subject::Level1:
            return level1_[i].Char;
        case Subject::Level2:
            return level2_[i].Char;
        case Subject::Character:
            return chars_[i].Char;
        case Subject::Word:
            return word(slot).Word;
    }
    return {};
}

void WubiDrill::PrepareBoard(int type) {
    type_ = type;
    hits_.setBoard(this);
    const Subject subject = subjectOf(type);
    const bool words = subject == Subject::Word;
    // Two-target boards use slots 1 and 3.
    for (int slot = 1; slot <= 4; slot += words ? 2 : 1)
        draw(subject, slot);

    auto labels = form_.targetLabels();
    for (int slot = 1; slot <= 4; ++slot) {
        ui::Label& label = *labels[static_cast<std::size_t>(slot - 1)];
        if (words && slot % 2 == 0) {
            label.hide();
        } else {
            label.setCaption(slotTarget(slot));
        }
    }

    // Label8 shows the radical or character in types 7, 8, 12, 13 and is hidden elsewhere.
    const bool glyphHint = subject == Subject::Radical || subject == Subject::Level1;
    form_.Label8.setEnabled(glyphHint);
    form_.Label8.setVisible(glyphHint);
    form_.Label5.setCaption({});
    form_.Label8.setCaption({});
    if (!isFollow(type)) return;
    if (words)
        form_.Label5.setCaption(withTarget(words_[0].Code, words_[0].Word));
    else
        showHint(type, 1);
}

void WubiDrill::showHint(int type, int slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    switch (subjectOf(type)) {
        case Subject::Radical:
            form_.Label5.setCaption(radicals_[i].Key);
            form_.Label8.setCaption(radicals_[i].Radical);
            break;
        case Subject::Level1:
            form_.Label5.setCaption(level1_[i].Code);
            form_.Label8.setCaption(level1_[i].Char);
            break;
        case Subject::Level2:
            form_.Label5.setCaption(level2_[i].Code);
            ShowCodeAnimation(level2_[i].AnimationNo, resources_, form_.Image1);
            break;
        case Subject::Character:
            form_.Label5.setCaption(chars_[i].Codes[0]);
            ShowCodeAnimation(chars_[i].AnimationNo, resources_, form_.Image1);
            break;
        case Subject::Word:
            form_.Label5.setCaption(withTarget(word(slot).Code, word(slot).Word));
            break;
    }
}

std::string WubiDrill::submission(int type, ui::KeyChar ch) {
    ui::Edit& box = form_.Edit1;
    switch (subjectOf(type)) {
        case Subject::Radical:
            // Every accepted key is a code of its own, Space and Backspace included.
            return std::string(1, static_cast<char>(std::toupper(ch)));
        case Subject::Level1:
        case Subject::Level2:
            if (ch != ' ') return {};
            break;
        case Subject::Character:
        case Subject::Word: {
            if (ch == ' ') {
                std::string code = submittedCode(box.text(), LetterCase::Lower);
                box.clear();
                return code;
            }
            // A fourth letter completes a code, counted without the blank a missed code
            // may have left at the start of the box.
            const std::string typed = submittedCode(box.text(), LetterCase::Lower);
            const bool fourthKey = type == 10 || type == 15 || type == 16;
            if (!fourthKey || typed.size() != 3) return {};
            box.clear();
            return submittedCode(typed + static_cast<char>(ch), LetterCase::Lower);
        }
    }
    std::string code = submittedCode(box.text(), LetterCase::Upper);
    box.clear();
    return code;
}

int WubiDrill::judge(Subject subject, const std::string& code) const {
    if (subject == Subject::Word) {
        for (int slot : {1, 3})
            if (word(slot).Code == code) return slot;
        return 0;
    }
    for (int slot = 1; slot <= 4; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        switch (subject) {
            case Subject::Radical:
                if (radicals_[i].Key == code) return slot;
                break;
            case Subject::Level1:
                if (level1_[i].Code == code) return slot;
                break;
            case Subject::Level2:
                if (level2_[i].Code == code) return slot;
                break;
            case Subject::Character:
                for (const std::string& stored : chars_[i].Codes)
                    if (stored == code) return slot;
                break;
            case Subject::Word:
                break;
        }
    }
    return 0;
}

void WubiDrill::Edit1KeyPress(int type, ui::KeyChar& ch) {
    if (!filterDrillKey(form_.Edit1, ch)) return;
    const Subject subject = subjectOf(type);
    const std::string code = submission(type, ch);
    if (code.empty()) return;
    const int slot = judge(subject, code);
    if (slot == 0) {
        ++session_.ErrorCount;
        // The key that submitted stays in the box on its own.
        if (subject == Subject::Radical) form_.Edit1.clear();
        return;
    }
    if (subject == Subject::Radical) form_.Edit1.setText(std::string(1, static_cast<char>(ch)));
    ch = 0;
    sound_.PlayHitSound();
    draw(subject, slot);
    hits_.show(slot);
    if (isFollow(type) && subject != Subject::Word) showHint(type, nextSlot(slot));
    ++session_.CorrectCodes;
}

void WubiDrill::hintKey(int type, int key) {
    if (key < ui::vk::F1 || key > ui::vk::F4) return;
    int slot = key - ui::vk::F1 + 1;
    const Subject subject = subjectOf(type);
    if (subject == Subject::Word) {
        if (slot > 2) return;
        slot = slot == 1 ? 1 : 3;
    }
    if (subject != Subject::Character) {
        showHint(type, slot);
        return;
    }
    orvcharset& target = chars_[static_cast<std::size_t>(slot - 1)];
    form_.Label5.setCaption(target.Codes[target.CodeStep - 1u]);
    target.CodeStep = target.CodeStep == 4 ? 1 : target.CodeStep + 1;
    ShowCodeAnimation(target.AnimationNo, resources_, form_.Image1);
}

void WubiDrill::hitDisplayEnded(int slot) {
    if (type_ != 11) return;
    const data::orvcharsetWBTwo& other = word(slot == 1 ? 3 : 1);
    form_.Label5.setCaption(withTarget(other.Code, other.Word));
}

}  // namespace quorvin::drills
