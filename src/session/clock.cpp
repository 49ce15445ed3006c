#include "session/clock.h"

#include "session/lifecycle.h"
#include "session/statistics.h"
#include "session/typing_types.h"
#include "ui/gbk.h"

namespace quorvin::session {

namespace {

// Longest article title a record keeps, in bytes.
constexpr std::size_t kArticleFieldBytes = 100;

std::string g(const char* utf8) {
    return ui::toGbk(utf8);
}

}  // namespace

SessionClock::SessionClock(app::TForm1& form, PracticeSession& session, SessionLifecycle& lifecycle)
    : form_(form), session_(session), lifecycle_(lifecycle) {}

void SessionClock::tick() {
    PracticeSession& s = session_;
    s.ElapsedSeconds += 1;
    const int type = form_.RadioGroup1.itemIndex();
    std::string backspaces;
    if (type <= 18) {
        const bool keys = type <= 2 || type == 17 || type == 18;
        s.TotalCount = (keys ? s.CorrectKeys : s.CorrectCodes) + s.ErrorCount;
    } else {
        s.TotalCount = s.TypedTotal + s.LineTyped;
        s.ErrorCount = s.ErrorTotal + s.LineErrors;
        if (type >= 21) {
            // The counters are bytes; a Chinese character takes two.
            s.TotalCount /= 2;
            s.ErrorCount /= 2;
        }
        backspaces = g(" 回退:") + std::to_string(s.BackspaceCount);
    }
    s.Accuracy = accuracyOf(s.TotalCount, s.ErrorCount);
    form_.Label7.setCaption(g("总数:") + std::to_string(s.TotalCount) + g(" 正确率:") +
                            percentText(s.Accuracy) + g(" 错误:") + std::to_string(s.ErrorCount) +
                            backspaces + g(" 速度:") +
                            std::to_string(speedPerMinute(s.TotalCount, s.ElapsedSeconds)) +
                            g("字/分 用时:") + elapsedText(s.ElapsedSeconds));
    if (s.ElapsedSeconds >= s.DurationSeconds) lifecycle_.SessionTimeOut();
}

std::string SessionSummary(const app::TForm1& form) {
    const int type = form.RadioGroup1.itemIndex();
    const std::string practice = type == 2 || type == 12 ? std::string() : g("练习,");
    return typingTypeCaption(type) + practice + form.Label7.caption();
}

records::orvScoreSet ComposeScoreRecord(const app::TForm1& form, const PracticeSession& session,
                                        const std::string& currentUser, const ui::LocalTime& now) {
    const int type = form.RadioGroup1.itemIndex();
    records::orvScoreSet record;
    record.User = currentUser;
    record.TypeName = typingTypeCaption(type);
    record.Duration = elapsedText(session.ElapsedSeconds);
    record.Total = std::to_string(session.TotalCount) + g("字");
    record.CorrectRate = percentText(session.Accuracy);
    record.Errors = std::to_string(session.ErrorCount);
    // A session ended by the learner before its first tick has no elapsed time to divide by;
    // it is never recorded, but the figure stays defined.
    const int seconds = session.ElapsedSeconds > 0 ? session.ElapsedSeconds : 1;
    record.Speed = std::to_string(speedPerMinute(session.TotalCount, seconds)) + g("字/分");
    record.Date = recordDate(now);
    if (isFileArticle(type)) {
        const std::string text = form.ComboBox1.text();
        const auto dot = text.find('.');
        if (dot != std::string::npos)
            record.Article = std::string(ui::gbkPrefix(text.substr(dot + 1), kArticleFieldBytes));
    }
    return record;
}

}  // namespace quorvin::session
