#include "articles/article_board.h"

#include <system_error>

#include "articles/article_encoding.h"
#include "articles/digit_pages.h"
#include "model/typing_types.h"
#include "ui/gbk.h"

namespace quorvin::articles {

ArticleBoard::ArticleBoard(model::TForm1& form, model::PracticeSession& session,
                           ui::Platform& platform, const data::PracticeTables& tables,
                           const data::MediaResources& resources,
                           std::filesystem::path programFolder, const int& lineLimit)
    : form_(form),
      session_(session),
      platform_(platform),
      tables_(tables),
      resources_(resources),
      programFolder_(std::move(programFolder)),
      lineLimit_(lineLimit) {}

ArticleBoard::~ArticleBoard() {
    endWorker();
}

void ArticleBoard::RadioGroup1Click(int type) {
    if (!model::isFileArticle(type)) return;
    form_.ComboBox1.setItems({});
    form_.ComboBox1.setPrompt(ui::toGbk(type == 19   ? "选择英文练习文章"
                                        : type == 21 ? "选择拼音练习文章"
                                                     : "选择五笔练习文章"));
    list_.list(programFolder_ / (type == 19 ? "English" : "Chinese"));
    form_.ComboBox1.setItems(list_.displayTexts());
}

session::BoardOutcome ArticleBoard::PrepareBoard(int type) {
    endWorker();
    type_ = type;
    session_.MusicAllowed = 0;
    session_.TypedTotal = 0;
    session_.ErrorTotal = 0;
    session_.LineTyped = 0;
    session_.LineErrors = 0;
    session_.BackspaceCount = 0;
    session_.CorrectCodes = 0;
    session_.TotalCount = 0;
    session_.ErrorCount = 0;
    setUpScreen(type);

    if (type == 20) {
        form_.Label17.setCaption(ui::toGbk("随机数字文章"));
        DigitPageReady =
            NextDigitPage(session_.TotalCount + session_.ErrorCount, lineLimit_, platform_, lines_);
        ShowPage();
    } else {
        form_.Label17.setCaption(articleTitle(form_.ComboBox1.text()));
        if (!loadArticle()) return session::BoardOutcome::End;
        loadPage();
    }
    form_.Edit2.setEnabled(true);
    form_.setFocus(form_.Edit2);
    form_.Edit1.hide();
    if ((type == 21 || type == 22) && !startWorker(type)) return session::BoardOutcome::Stop;
    return session::BoardOutcome::Ready;
}

void ArticleBoard::NextPage() {
    if (type_ == 20) {
        DigitPageReady =
            NextDigitPage(session_.TotalCount + session_.ErrorCount, lineLimit_, platform_, lines_);
        if (!DigitPageReady) {
            if (endSession) endSession();
            return;
        }
        ShowPage();
        form_.Edit2.setEnabled(true);
        form_.setFocus(form_.Edit2);
        return;
    }
    if (text_.Exhausted) {
        if (endSession) endSession();
        return;
    }
    loadPage();
    if (lines_[0].empty() && text_.Exhausted && endSession) endSession();
}

bool ArticleBoard::textExhausted() const {
    return type_ == 20 ? !DigitPageReady : text_.Exhausted;
}

void ArticleBoard::loadPage() {
    const int taken = LoadNextPage(text_, lineLimit_, lines_);
    ShowPage();
    if (taken > 0) {
        form_.Edit2.setEnabled(true);
        form_.setFocus(form_.Edit2);
    }
}

bool ArticleBoard::startWorker(int type) {
    try {
        if (type == 21) {
            pinyinWorker_ = std::make_unique<drills::TPYThread>(platform_, form_, tables_.pinyin);
            pinyinWorker_->start();
        } else {
            wubiWorker_ =
                std::make_unique<drills::TWBThread>(platform_, form_, tables_.wubi, resources_);
            wubiWorker_->start();
        }
        return true;
    } catch (const std::system_error& error) {
        pinyinWorker_.reset();
        wubiWorker_.reset();
        platform_.messageBox(ui::toGbk("创建线程发生错误:") + "\r" + ui::toGbk(error.what()),
                             ui::toGbk("错误"), ui::MessageIcon::None);
        return false;
    }
}

drills::HintWorker* ArticleBoard::worker() const {
    if (pinyinWorker_) return pinyinWorker_.get();
    return wubiWorker_.get();
}

drills::HintWorkerState ArticleBoard::HintWorkerState() const {
    const drills::HintWorker* w = worker();
    return w ? w->state() : drills::HintWorkerState::None;
}

void ArticleBoard::handOverHints(const drills::HintNext& next) {
    // A release that leaves the cursor where it was (F1's own, Shift) would only look up the
    // same text again, and put the first reading back over the one F1 has just shown.
    if (next == lastHandedOver_) return;
    lastHandedOver_ = next;
    if (drills::HintWorker* w = worker()) w->handOver(next);
}

void ArticleBoard::suspendWorker() {
    if (drills::HintWorker* w = worker()) w->suspend();
}

void ArticleBoard::resumeWorker() {
    if (drills::HintWorker* w = worker()) w->resume();
}

void ArticleBoard::endWorker() {
    pinyinWorker_.reset();
    wubiWorker_.reset();
    lastHandedOver_ = {};
}

void ArticleBoard::setUpScreen(int type) {
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
    // A drill's hit display that was still running at its End writes its follow hint after
    // the End emptied the hint lines; an article must not show it.
    form_.Label5.setCaption({});
    form_.Label8.setCaption({});
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
}

bool ArticleBoard::loadArticle() {
    const ArticleList::Entry* entry = list_.entryAt(form_.ComboBox1.itemIndex());
    if (entry && text_.load(entry->path)) {
        const std::size_t replaced = convertUtf8Article(text_.bytes);
        // Told once per file and run: the stand-ins are the same at every Start.
        if (replaced > 0 && toldReplacements_.insert(entry->path).second)
            platform_.messageBox(
                form_.ComboBox1.text() + ui::toGbk("中有 " + std::to_string(replaced) +
                                                   " 个字符无法用 GBK 表示，练习时显示为“?”。"),
                ui::toGbk("提示"), ui::MessageIcon::Information);
        return true;
    }
    platform_.messageBox(form_.ComboBox1.text() + ui::toGbk("文件打开失败！"), ui::toGbk("错误"),
                         ui::MessageIcon::Error);
    return false;
}

void ArticleBoard::ShowPage() {
    const auto sources = form_.sourceLines();
    const auto typed = form_.typedLines();
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        sources[k]->setText(lines_[k]);
        // A typed line takes as many bytes as its source line; an empty one has no limit.
        typed[k]->setMaxLength(lines_[k].size());
    }
    for (std::size_t k = 0; k < lines_.size(); ++k)
        sources[k]->paint(0, lines_[k].size(), ui::colours::Highlight);
    for (ui::Edit* line : typed)
        line->setText({});
}

}  // namespace quorvin::articles
