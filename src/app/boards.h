#pragma once

#include <filesystem>

#include "articles/article_board.h"
#include "articles/line_judging.h"
#include "data/media_resources.h"
#include "data/practice_tables.h"
#include "drills/hit_display.h"
#include "drills/letter_drill.h"
#include "drills/pinyin_drill.h"
#include "drills/typing_game.h"
#include "drills/wubi_drill.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "model/settings_values.h"
#include "session/board_preparer.h"
#include "sound/sound.h"
#include "ui/platform.h"

namespace quorvin::app {

// The families' boards, reached from Start by the type's family, and the key handlers that
// judge for the type chosen: the window's for the letter drills and games, Edit1's for the
// Pinyin and Wubi drills.
class Boards : public session::BoardPreparer {
  public:
    Boards(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
           sound::Sound& sound, const data::PracticeTables& tables,
           const data::MediaResources& resources, const model::Settings& settings,
           const int& gameStartLeft, const std::filesystem::path& programFolder,
           const int& lineLimit);

    session::BoardOutcome PrepareBoard(int type) override;
    void PauseBoard() override { articleBoard_.suspendWorker(); }
    void ContinueBoard() override { articleBoard_.resumeWorker(); }
    void EndBoard() override { articleBoard_.endWorker(); }
    // RadioGroup1Click, for the families that list something for the type chosen.
    void RadioGroup1Click();
    // FormKeyPress: judges a character of a letter drill or game, while a session exists.
    void FormKeyPress(ui::KeyChar ch);
    // Edit1KeyPress and the hint keys of Edit1KeyDown, while a Pinyin or Wubi drill exists.
    void Edit1KeyPress(ui::KeyChar& ch);
    void Edit1HintKey(int key);
    // Timer8Timer.
    void Timer8Timer();

    drills::HitDisplay& hitDisplay() { return hitDisplay_; }
    drills::LetterDrill& letterDrill() { return letterDrill_; }
    drills::PinyinDrill& pinyinDrill() { return pinyinDrill_; }
    drills::WubiDrill& wubiDrill() { return wubiDrill_; }
    drills::TypingGame& typingGame() { return typingGame_; }
    articles::ArticleBoard& articleBoard() { return articleBoard_; }
    articles::LineJudging& lineJudging() { return lineJudging_; }

  private:
    // The type of the session on show, or -1 when idle.
    int sessionType() const;
    // A drill whose table is empty cannot start: the learner is told.
    session::BoardOutcome refuseEmptyTable(int type);

    model::TForm1& form_;
    model::PracticeSession& session_;
    ui::Platform& platform_;
    drills::HitDisplay hitDisplay_;
    drills::LetterDrill letterDrill_;
    drills::PinyinDrill pinyinDrill_;
    drills::WubiDrill wubiDrill_;
    drills::TypingGame typingGame_;
    articles::ArticleBoard articleBoard_;
    articles::LineJudging lineJudging_;
};

}  // namespace quorvin::app
