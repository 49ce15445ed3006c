#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>

#include "articles/article_list.h"
#include "articles/article_text.h"
#include "data/media_resources.h"
#include "data/practice_tables.h"
#include "drills/hint_worker.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "session/board_preparer.h"
#include "ui/platform.h"

namespace quorvin::articles {

// Types 19-22: the article chosen from a folder of the program folder (or random digits for
// type 20), shown in pages of six pairs of a source line and a typed line, and for types 21
// and 22 the hint worker of the session.
class ArticleBoard {
  public:
    ArticleBoard(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
                 const data::PracticeTables& tables, const data::MediaResources& resources,
                 std::filesystem::path programFolder, const int& lineLimit);
    ~ArticleBoard();

    // Ends the practice (EndSession); set by the program.
    std::function<void()> endSession;

    // RadioGroup1Click, for the article list: lists the type's folder into ComboBox1.
    void RadioGroup1Click(int type);
    // Sets up the article screen and shows the first page; End when the file cannot be read,
    // Stop when the hint worker cannot be made.
    session::BoardOutcome PrepareBoard(int type);
    // After line 6: the next page, or the end of the practice when the text has run out.
    void NextPage();
    // File articles: Exhausted; the digit article: no further page could be made.
    bool textExhausted() const;

    int type() const { return type_; }
    int lineLimit() const { return lineLimit_; }
    const PageLines& pageLines() const { return lines_; }
    std::size_t LineLength(std::size_t line) const { return lines_.at(line).size(); }

    // The session's hint worker (types 21, 22): the hand-over, and Pause, Continue and End.
    drills::HintWorkerState HintWorkerState() const;
    void handOverHints(const drills::HintNext& next);
    drills::TPYThread* PinyinWorker() { return pinyinWorker_.get(); }
    drills::TWBThread* WubiWorker() { return wubiWorker_.get(); }
    void suspendWorker();
    void resumeWorker();
    // Stops and joins the worker: none outlives its session.
    void endWorker();

    const ArticleList& articleList() const { return list_; }
    const ArticleText& articleText() const { return text_; }

  private:
    void setUpScreen(int type);
    bool loadArticle();
    bool startWorker(int type);
    // Cuts and shows the next page of the file; Edit2 takes the focus when it holds a line.
    void loadPage();
    void ShowPage();
    drills::HintWorker* worker() const;

    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    const data::PracticeTables& tables_;
    const data::MediaResources& resources_;
    std::filesystem::path programFolder_;
    const int& lineLimit_;
    int type_ = -1;
    ArticleList list_;
    ArticleText text_;
    bool DigitPageReady = false;
    PageLines lines_;
    std::unique_ptr<drills::TPYThread> pinyinWorker_;
    std::unique_ptr<drills::TWBThread> wubiWorker_;
    drills::HintNext lastHandedOver_;
    std::set<std::filesystem::path> toldReplacements_;
};

}  // namespace quorvin::articles
