#pragma once

#include <cstddef>

#include "articles/article_board.h"
#include "model/main_window.h"
#include "model/practice_session.h"
#include "sound/sound.h"

namespace quorvin::articles {

// Wrong bytes of a source line.
inline constexpr ui::Colour kWrongByteColour = ui::rgb(255, 0, 128);

// The typed lines of an article: each key release judges the line byte by byte against its
// source line, moves on when it is complete and hands the text ahead to the hint worker.
class LineJudging {
  public:
    LineJudging(model::TForm1& form, model::PracticeSession& session, sound::Sound& sound,
                ArticleBoard& board);

    // Edit2KeyUp .. Edit7KeyUp: line 0..5.
    void EditKeyUp(std::size_t line);
    // Edit2KeyDown .. Edit7KeyDown, before Esc is handled: Backspace and Delete are counted,
    // and F1 in Edit2 of a Pinyin article shows the next reading of the next character.
    void EditKeyDown(std::size_t line, int key);

  private:
    bool articleRuns() const;
    void handOverHints(const std::string& source, std::size_t typed);
    // Paints the source line and counts LineErrors; plays the error sound for a wrong last byte.
    void judge(ui::RichLine& source, const std::string& typed);
    void complete(std::size_t line, const std::string& typed);
    void showNextReading();

    model::TForm1& form_;
    model::PracticeSession& session_;
    sound::Sound& sound_;
    ArticleBoard& board_;
};

}  // namespace quorvin::articles
