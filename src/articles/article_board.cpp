#include "articles/article_board.h"

namespace quorvin::articles {

ArticleBoard::ArticleBoard(model::TForm1& form, model::PracticeSession& session)
    : form_(form), session_(session) {}

void ArticleBoard::PrepareBoard(int type) {
    session_.MusicAllowed = 0;
    session_.TypedTotal = 0;
    session_.ErrorTotal = 0;
    session_.LineTyped = 0;
    session_.LineErrors = 0;
    session_.BackspaceCount = 0;
    session_.CorrectCodes = 0;
    session_.TotalCount = 0;
    session_.ErrorCount = 0;

    for (ui::Label* l : form_.targetLabels()) {
        l->setEnabled(false);
        l->hide();
    }
    for (ui::Label* l : form_.codeLabels()) {
        l->setEnabled(false);
        l->hide();
    }
    form_.Label15.hide();
    form_.Timer7.setEnabled(false);
    form_.Label5.setEnabled(true);
    form_.Label5.show();
    form_.Label8.setEnabled(type != 22);
    form_.Label8.setVisible(type != 22);
    for (ui::RichLine* line : form_.sourceLines()) {
        line->setEnabled(true);
        line->show();
    }
    for (ui::Edit* line : form_.typedLines()) {
        line->setEnabled(line == &form_.Edit2);
        line->show();
    }

    if (type == 19 || type == 20) {
        for (ui::Edit* line : form_.typedLines())
            line->setImeMode(ui::ImeMode::Closed);
    } else {
        form_.setApplyImeModes(false);
        if (type == 21) {
            ui::Font font = form_.Label8.font();
            font.bold = false;
            form_.Label8.setFont(font);
        }
        form_.Label16.setEnabled(true);
        form_.Label16.show();
    }

    form_.Edit2.setEnabled(true);
    form_.setFocus(form_.Edit2);
    form_.Edit1.hide();
}

}  // namespace quorvin::articles
