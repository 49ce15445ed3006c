#pragma once

#include "app/main_window.h"
#include "session/practice_session.h"

namespace quorvin::articles {

// Types 19-22: six pairs of a source line and a typed line.
class ArticleBoard {
  public:
    ArticleBoard(app::TForm1& form, session::PracticeSession& session);

    // Sets up the article screen and hands the focus to the first typed line.
    void PrepareBoard(int type);

  private:
    app::TForm1& form_;
    session::PracticeSession& session_;
};

}  // namespace quorvin::articles
