#pragma once

#include <array>
#include <filesystem>

#include "articles/article_list.h"
#include "articles/article_text.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "session/board_preparer.h"
#include "ui/platform.h"

namespace quorvin::articles {

// Types 19-22: the article chosen from a folder of the program folder (or random digits for
// type 20), shown in pages of six pairs of a source line and a typed line.
class ArticleBoard {
  public:
    ArticleBoard(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
                 std::filesystem::path programFolder, const int& lineLimit);

    // RadioGroup1Click, for the article list: lists the type's folder into ComboBox1.
    void RadioGroup1Click(int type);
    // Sets up the article screen and shows the first page; End when the file cannot be read.
    session::BoardOutcome PrepareBoard(int type);

    const ArticleList& articleList() const { return list_; }
    const PageLines& pageLines() const { return lines_; }
    const ArticleText& articleText() const { return text_; }

  private:
    void setUpScreen(int type);
    bool loadArticle();
    void ShowPage();

    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    std::filesystem::path programFolder_;
    const int& lineLimit_;
    ArticleList list_;
    ArticleText text_;
    PageLines lines_;
};

}  // namespace quorvin::articles
