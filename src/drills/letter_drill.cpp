#include "drills/letter_drill.h"

namespace quorvin::drills {

LetterDrill::LetterDrill(app::TForm1& form, session::PracticeSession& session)
    : form_(form), session_(session) {}

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
}

}  // namespace quorvin::drills
