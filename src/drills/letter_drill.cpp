#include "drills/letter_drill.h"

#include "drills/key_draw.h"

namespace quorvin::drills {

namespace {

const KeySet& keySetOf(int type) {
    return type == 0 ? UpperLetters : type == 1 ? LowerLetters : Digits;
}

char foldCase(int type, ui::KeyChar ch) {
    if (type == 0 && ch >= 'a' && ch <= 'z') return static_cast<char>(ch - 'a' + 'A');
    if (type == 1 && ch >= 'A' && ch <= 'Z') return static_cast<char>(ch - 'A' + 'a');
    return static_cast<char>(ch);
}

}  // namespace

LetterDrill::LetterDrill(model::TForm1& form, model::PracticeSession& session,
                         ui::Platform& platform, sound::Sound& sound, HitDisplay& hits)
    : form_(form), session_(session), platform_(platform), sound_(sound), hits_(hits) {}

void LetterDrill::PrepareBoard(int type) {
    const char first = type == 0 ? 'A' : type == 1 ? 'a' : '1';
    auto labels = form_.targetLabels();
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k]->setCaption(std::string(1, static_cast<char>(first + k)));
        keyTargets_[k] = labels[k]->caption();
    }
    for (ui::Label* hint : {&form_.Label5, &form_.Label8}) {
        hint->setEnabled(false);
        hint->hide();
    }
    form_.Edit1.hide();
    hits_.setBoard(this);
}

void LetterDrill::judge(int type, ui::KeyChar ch) {
    const char key = foldCase(type, ch);
    for (int slot = 1; slot <= 4; ++slot) {
        if (keyTargets_[slot - 1] != std::string(1, key)) continue;
        sound_.PlayHitSound();
        ++session_.CorrectKeys;
        keyTargets_[slot - 1] = std::string(1, drawKey(platform_, keySetOf(type), key));
        hits_.show(slot);
        return;
    }
    ++session_.ErrorCount;
}

}  // namespace quorvin::drills
