#include "articles/line_judging.h"

#include <algorithm>
#include <vector>

#include "model/typing_types.h"
#include "ui/gbk.h"
#include "ui/keys.h"

namespace quorvin::articles {

LineJudging::LineJudging(model::TForm1& form, model::PracticeSession& session, sound::Sound& sound,
                         ArticleBoard& board)
    : form_(form), session_(session), sound_(sound), board_(board) {}

bool LineJudging::articleRuns() const {
    return form_.sessionShown() &&
           model::familyOf(form_.RadioGroup1.itemIndex()) == model::Family::Article;
}

void LineJudging::EditKeyUp(std::size_t line) {
    if (!articleRuns()) return;
    ui::RichLine& source = *form_.sourceLines()[line];
    const std::string typed = form_.typedLines()[line]->text();
    const std::size_t length = board_.LineLength(line);
    const std::size_t n = typed.size();
    const std::size_t limit = static_cast<std::size_t>(board_.lineLimit());
    session_.LineTyped = static_cast<std::int32_t>(n);

    const int type = board_.type();
    if ((type == 21 || type == 22) && n < length) handOverHints(source.text(), n);
    if (n <= length) judge(source, typed);

    bool done = n >= length || n >= limit;
    // The fifth line of English and digit articles waits for an exact length.
    if ((type == 19 || type == 20) && line == 4) done = n == length || n == limit;
    if (done) complete(line, typed);
    if (!articleRuns()) return;  // the page turn ended the practice

    if (line + 1 < kPageLineCount && board_.LineLength(line + 1) == 0 && board_.textExhausted())
        board_.endSession();
}

void LineJudging::handOverHints(const std::string& source, std::size_t typed) {
    const std::string_view ahead = std::string_view(source).substr(typed);
    auto slice = [&](std::size_t bytes) { return std::string(ahead.substr(0, bytes)); };
    board_.handOverHints({slice(2), slice(4), slice(6), slice(8)});
}

void LineJudging::judge(ui::RichLine& source, const std::string& typed) {
    const std::string& text = source.text();
    std::vector<bool> wrong(text.size(), false);
    std::int32_t errors = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] != text[i]) {
            wrong[i] = true;
            ++errors;
        }
    }
    session_.LineErrors = errors;
    // A character shows in one colour: it is marked when either of its bytes is wrong. Bytes
    // typed right again after a correction lose their mark too.
    for (std::size_t i = 0; i < text.size();) {
        const bool lead = ui::isGbkLeadByte(static_cast<unsigned char>(text[i]));
        const std::size_t width = lead && i + 1 < text.size() ? 2 : 1;
        const bool marked = wrong[i] || (width == 2 && wrong[i + 1]);
        source.paint(i, width, marked ? kWrongByteColour : ui::colours::Highlight);
        i += width;
    }
    const std::size_t n = typed.size();
    if (n > 0 && typed[n - 1] != text[n - 1]) sound_.PlayErrorSound();
}

void LineJudging::complete(std::size_t line, const std::string& typed) {
    const std::size_t length = board_.LineLength(line);
    const auto lines = form_.typedLines();
    ui::Edit& edit = *lines[line];
    const std::int32_t typedBytes = static_cast<std::int32_t>(typed.size());
    if (line + 1 < kPageLineCount) {
        ui::Edit& next = *lines[line + 1];
        next.setEnabled(true);
        const std::string carried = typed.size() > length ? typed.substr(length) : std::string();
        next.setText(carried);
        edit.setText(typed.substr(0, length));
        edit.setEnabled(false);
        form_.setFocus(next);
        next.selectAll();
    } else {
        edit.setText(typed.substr(0, length));
    }
    session_.LineTyped = 0;
    session_.ErrorTotal += session_.LineErrors;
    session_.LineErrors = 0;
    session_.TypedTotal += typedBytes;
    if (line + 1 == kPageLineCount) board_.NextPage();
}

void LineJudging::EditKeyDown(std::size_t line, int key) {
    if (!articleRuns()) return;
    if (key == ui::vk::Back || key == ui::vk::Delete) ++session_.BackspaceCount;
    if (key == ui::vk::F1 && line == 0 && board_.type() == 21) showNextReading();
}

void LineJudging::showNextReading() {
    drills::TPYThread* worker = board_.PinyinWorker();
    // The results belong to the worker while it is busy.
    if (!worker || board_.HintWorkerState() != drills::HintWorkerState::Idle) return;
    drills::hzPYOneSet& hint = worker->PinyinCharHint();
    auto present = [&](int r) { return !hint.Spellings[static_cast<std::size_t>(r - 1)].empty(); };
    const int index = hint.HintReadingIndex;
    // Readings 2, 3 and 4 follow each other; a missing one leads back to reading 1.
    int next = index;
    if (index < 4) {
        if (present(index + 1))
            next = index + 1;
        else if (index > 1)
            next = 1;
    } else if (present(1)) {
        next = 1;
    }
    if (next == index) return;
    hint.HintReadingIndex = static_cast<std::int16_t>(next);
    const std::size_t r = static_cast<std::size_t>(next - 1);
    form_.Label8.setCaption(hint.Readings[r] + "(" + hint.Char + ")");
}

}  // namespace quorvin::articles
