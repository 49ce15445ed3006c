#include "session/clock.h"

#include "model/typing_types.h"
#include "session/lifecycle.h"
#include "session/statistics.h"
#include "ui/gbk.h"

namespace quorvin::session {

namespace {

// Longest article title a record keeps, in bytes.
constexpr std::size_t kArticleFieldBytes = 100;

}  // namespace

SessionClock::SessionClock(model::TForm1& form, model::PracticeSession& session,
                           SessionLifecycle& lifecycle)
    : form_(form), session_(session), lifecycle_(lifecycle) {}

void SessionClock::tick() {
    model::PracticeSession& s = session_;
    s.ElapsedSeconds += 1;
    const int type = form_.RadioGroup1.itemIndex();
    std::string backspaces;
    const model::Family family = model::familyOf(type);
    if (family != model::Family::Article) {
        const bool keys = family == model::Family::LetterDrill || family == model::Family::Game;
        s.TotalCount = (keys ? s.CorrectKeys : s.CorrectCodes) + s.ErrorCount;
    } else {
        s.TotalCount = s.TypedTotal + s.LineTyped;
        s.ErrorCount = s.ErrorTotal + s.LineErrors;
        if (type == 21 || type == 22) {
            // The counters are bytes; a Chinese character takes two.
            s.TotalCount /= 2;
            s.ErrorCount /= 2;
        }
        backspaces = ui::toGbk(" 回退:") + std::to_string(s.BackspaceCount);
    }
    s.Accuracy = accuracyOf(s.TotalCount, s.ErrorCount);
    form_.Label7.setCaption(ui::toGbk("总数:") + std::to_string(s.TotalCount) +
                            ui::toGbk(" 正确率:") + percentText(s.Accuracy) + ui::toGbk(" 错误:") +
                            std::to_string(s.ErrorCount) + backspaces + ui::toGbk(" 速度:") +
                            std::to_string(speedPerMinute(s.TotalCount, s.ElapsedSeconds)) +
                            ui::toGbk("字/分 用时:") + elapsedText(s.ElapsedSeconds));
    if (s.ElapsedSeconds >= s.DurationSeconds) lifecycle_.SessionTimeOut();
}

std::string SessionSummary(const model::TForm1& form) {
    const int type = form.RadioGroup1.itemIndex();
    const std::string practice = type == 2 || type == 12 ? std::string() : ui::toGbk("练习,");
    return model::typingTypeCaption(type) + practice + form.Label7.caption();
}

records::orvScoreSet ComposeScoreRecord(const model::TForm1& form,
                                        const model::PracticeSession& session,
                                        const std::string& currentUser, const ui::LocalTime& now) {
    const int type = form.RadioGroup1.itemIndex();
    records::orvScoreSet record;
    record.User = currentUser;
    record.TypeName = model::typingTypeCaption(type);
    record.Duration = elapsedText(session.ElapsedSeconds);
    record.Total = std::to_string(session.TotalCount) + ui::toGbk("字");
    record.CorrectRate = percentText(session.Accuracy);
    record.Errors = std::to_string(session.ErrorCount);
    // A session ended by the learner before its first tick has no elapsed time to divide by;
    // it is never recorded, but the figure stays defined.
    const int seconds = session.ElapsedSeconds > 0 ? session.ElapsedSeconds : 1;
    record.Speed = std::to_string(speedPerMinute(session.TotalCount, seconds)) + ui::toGbk("字/分");
    record.Date = recordDate(now);
    if (model::isFileArticle(type)) {
        const std::string text = form.ComboBox1.text();
        const auto dot = text.find('.');
        if (dot != std::string::npos)
            record.Article = std::string(ui::gbkPrefix(text.substr(dot + 1), kArticleFieldBytes));
    }
    return record;
}

}  // namespace quorvin::session
