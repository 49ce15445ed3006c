#pragma once

#include "model/main_window.h"
#include "model/practice_session.h"

namespace quorvin::articles {

// Types 19-22: six pairs of a source line and a typed line.
class ArticleBoard {
  public:
    ArticleBoard(model::TForm1& form, model::PracticeSession& session);

    // Sets up the article screen and hands the focus to the first typed line.
    void PrepareBoard(int type);

  private:
    model::TForm1& form_;
    model::PracticeSession& session_;
};

}  // namespace quorvin::articles
