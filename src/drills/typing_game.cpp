#include "drills/typing_game.h"

#include <cmath>
#include <string>

#include "drills/key_draw.h"

namespace quorvin::drills {

namespace {

const KeySet& keySetOf(int type) {
    return type == 17 ? UpperLetters : Digits;
}

}  // namespace

TypingGame::TypingGame(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
                       sound::Sound& sound, const int& gameStartLeft)
    : form_(form),
      session_(session),
      platform_(platform),
      sound_(sound),
      gameStartLeft_(gameStartLeft) {}

void TypingGame::PrepareBoard(int type) {
    session_.CorrectKeys = 0;
    for (ui::Label* l : form_.targetLabels()) {
        l->setEnabled(false);
        l->hide();
    }
    for (ui::Label* l : form_.codeLabels()) {
        l->setEnabled(false);
        l->hide();
    }
    for (ui::Label* l : {&form_.Label5, &form_.Label8}) {
        l->setEnabled(false);
        l->hide();
    }
    form_.Label15.setEnabled(true);
    form_.Label15.show();
    launch(type == 17 ? 'A' : '1');
    form_.Timer7.setEnabled(true);
}

void TypingGame::launch(char key) {
    form_.Label15.setCaption(std::string(1, key));
    left_ = gameStartLeft_;
    form_.Label15.setLeft(gameStartLeft_);
    lastStepAt_ = platform_.monotonicMilliseconds();
}

void TypingGame::step() {
    const std::int64_t now = platform_.monotonicMilliseconds();
    const double steps = static_cast<double>(now - lastStepAt_) / StepMs;
    lastStepAt_ = now;
    if (form_.Label15.left() > 10) {
        left_ -= steps * (15 - form_.TrackBar1.position());
        form_.Label15.setLeft(static_cast<int>(std::lround(left_)));
        return;
    }
    // It reached the edge: a new character, no penalty.
    const int type = form_.RadioGroup1.itemIndex();
    const std::string& escaped = form_.Label15.caption();
    launch(drawKey(platform_, keySetOf(type), escaped.empty() ? 0 : escaped[0]));
}

void TypingGame::judge(int type, ui::KeyChar ch) {
    char key = static_cast<char>(ch);
    if (type == 17 && key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (form_.Label15.caption() != std::string(1, key)) {
        ++session_.ErrorCount;
        return;
    }
    sound_.PlayHitSound();
    ++session_.CorrectKeys;
    launch(drawKey(platform_, keySetOf(type), key));
}

}  // namespace quorvin::drills
