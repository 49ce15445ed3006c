#include "session/lifecycle.h"

#include "model/typing_types.h"
#include "session/clock.h"
#include "ui/gbk.h"

namespace quorvin::session {

namespace {

const std::string& runningMarker() {
    static const std::string marker = ui::toGbk("暂停");
    return marker;
}
const std::string& pausedMarker() {
    static const std::string marker = ui::toGbk("继续");
    return marker;
}

bool isArticle(int type) {
    return model::familyOf(type) == model::Family::Article;
}

}  // namespace

SessionLifecycle::SessionLifecycle(model::TForm1& form, model::PracticeSession& session,
                                   ui::Platform& platform, sound::Sound& sound,
                                   BoardPreparer& boards, const model::Settings& settings)
    : form_(form),
      session_(session),
      platform_(platform),
      sound_(sound),
      boards_(boards),
      settings_(settings) {}

SessionLifecycle::State SessionLifecycle::state() const {
    const std::string& caption = form_.Button1.caption();
    if (caption == runningMarker()) return State::Running;
    if (caption == pausedMarker()) return State::Paused;
    return State::Idle;
}

std::string SessionLifecycle::typeCaption() const {
    const int type = form_.RadioGroup1.itemIndex();
    return type < 0 ? std::string() : model::typingTypeCaption(type);
}

void SessionLifecycle::showSessionHint() {
    form_.Label6.setCaption(typeCaption() +
                            ui::toGbk(",练习过程按ESC键结束,按Shift+ESC键暂停继续。"));
}

void SessionLifecycle::Button1Click() {
    switch (state()) {
        case State::Running:
            PauseSession();
            break;
        case State::Paused:
            ContinueSession();
            break;
        case State::Idle:
            StartSession();
            break;
    }
}

void SessionLifecycle::StartSession() {
    platform_.bringToFront(form_);
    const int type = form_.RadioGroup1.itemIndex();
    if (!choicesComplete(type)) return;
    showSessionLook(type);
    routeSessionKeys(type);
    switch (boards_.PrepareBoard(type)) {
        case BoardOutcome::Ready:
            break;
        case BoardOutcome::Stop:
            return;
        case BoardOutcome::End:
            EndSession();
            return;
    }
    form_.Button1.setCaption(runningMarker());
    session_.SessionType = type;
    form_.Button2.setEnabled(true);
}

bool SessionLifecycle::choicesComplete(int type) {
    const char* missing = nullptr;
    if (type < 0)
        missing = "请选择打字类型";
    else if (form_.RadioGroup2.itemIndex() < 0)
        missing = "请选择测试时间";
    else if (form_.ComboBox1.itemIndex() < 0 && type == 19)
        missing = "请先选择练习的英文文章。";
    else if (form_.ComboBox1.itemIndex() < 0 && type == 21)
        missing = "请先选择练习的拼音文章。";
    else if (form_.ComboBox1.itemIndex() < 0 && type == 22)
        missing = "请先选择练习的五笔文章。";
    if (missing)
        platform_.messageBox(ui::toGbk(missing), ui::toGbk("提示"), ui::MessageIcon::Information);
    return missing == nullptr;
}

void SessionLifecycle::showSessionLook(int type) {
    if (isArticle(type)) {
        form_.Label17.setEnabled(true);
        form_.Label17.show();
        for (ui::Edit* line : form_.typedLines())
            line->setClipboardBlocked(true);
    }
    form_.setApplyImeModes(type != 21 && type != 22);
    form_.Label5.setCaption({});
    form_.Label6.setCaption(model::typingTypeCaption(type));
    form_.Image1.clear();
    session_.DurationSeconds = model::durationSeconds(form_.RadioGroup2.itemIndex());
    for (ui::Label* code : form_.codeLabels())
        code->setCaption({});
    form_.setImeMode(ui::ImeMode::Closed);
    form_.Edit1.setImeMode(ui::ImeMode::Closed);

    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &form_.RadioGroup1, &form_.RadioGroup2, &form_.CheckBox1, &form_.CheckBox2,
             &form_.CheckBox3, &form_.CheckBox4, &form_.Button1, &form_.Button2, &form_.Button4,
             &form_.Button5, &form_.Button6, &form_.Label9, &form_.Label10, &form_.TrackBar1,
             &form_.ComboBox1})
        c->hide();
    for (ui::Label* hint : {&form_.Label5, &form_.Label8}) {
        hint->setEnabled(true);
        hint->show();
    }
    showSessionHint();
    form_.Label7.show();
    form_.Timer1.setEnabled(true);
    session_.ElapsedSeconds = 0;
    session_.CorrectKeys = 0;
    session_.CorrectCodes = 0;
    session_.TotalCount = 0;
    session_.ErrorCount = 0;
    form_.Edit1.show();
}

void SessionLifecycle::routeSessionKeys(int type) {
    const model::Family family = model::familyOf(type);
    if (family != model::Family::Game && family != model::Family::Article)
        sound_.PlayMusic("Test0.mp3");
    switch (family) {
        case model::Family::LetterDrill:
            form_.setKeyPreview(true);
            form_.Edit1.hide();
            for (ui::Label* hint : {&form_.Label5, &form_.Label8}) {
                hint->setEnabled(false);
                hint->hide();
            }
            break;
        case model::Family::PinyinDrill:
        case model::Family::WubiDrill:
            form_.setFocus(form_.Edit1);
            break;
        case model::Family::Game:
        case model::Family::Article:
            session_.MusicAllowed = 0;
            sound_.PlayMusic("");
            form_.Edit1.hide();
            break;
    }
}

void SessionLifecycle::PauseSession() {
    form_.Label16.hide();
    boards_.PauseBoard();
    session_.SessionType = form_.RadioGroup1.itemIndex();
    form_.Timer1.setEnabled(false);
    form_.Edit1.setEnabled(false);
    form_.Button1.setCaption(pausedMarker());
    sound_.PauseMusic();
}

void SessionLifecycle::ContinueSession() {
    form_.Label16.show();
    form_.Label17.show();
    boards_.ContinueBoard();
    platform_.bringToFront(form_);
    form_.Edit1.setEnabled(true);
    form_.setKeyPreview(false);
    switch (model::familyOf(session_.SessionType)) {
        case model::Family::LetterDrill:
            form_.setKeyPreview(true);
            break;
        case model::Family::PinyinDrill:
        case model::Family::WubiDrill:
            form_.setFocus(form_.Edit1);
            break;
        case model::Family::Game:
        case model::Family::Article:
            break;
    }
    form_.Timer1.setEnabled(true);
    form_.Button1.setCaption(runningMarker());
    sound_.ResumeMusic();
    for (ui::Button* b :
         {&form_.Button1, &form_.Button2, &form_.Button4, &form_.Button5, &form_.Button6})
        b->hide();
    showSessionHint();
}

bool SessionLifecycle::SessionKeyDown(int& key, ui::ShiftState shift, bool hideHintLine) {
    if (key != ui::vk::Escape || !form_.sessionShown()) return false;
    form_.Button1.show();
    form_.Button2.hide();
    for (ui::Button* b : {&form_.Button4, &form_.Button5, &form_.Button6})
        b->show();
    for (ui::Label* code : form_.codeLabels())
        code->setCaption({});
    for (ui::Label* target : form_.targetLabels())
        target->setCaption(ui::toGbk("完"));
    key = 0;
    if (shift == ui::ShiftDown) {
        Button1Click();
    } else {
        if (hideHintLine) form_.Label16.hide();
        EndSession();
    }
    return true;
}

void SessionLifecycle::FormKeyDown(int& key, ui::ShiftState shift) {
    SessionKeyDown(key, shift);
    if (key == ui::vk::Tab && !form_.sessionShown()) form_.setFocus(form_.RadioGroup1);
}

void SessionLifecycle::RadioGroup1Click() {
    const bool articleList = model::isFileArticle(form_.RadioGroup1.itemIndex());
    form_.ComboBox1.setEnabled(articleList);
    form_.ComboBox1.setVisible(articleList);
}

// The widget changes an end shares, in the order each end applies them.
namespace {

void showIdleButtons(model::TForm1& f) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.Edit1, &f.Button1, &f.Button4,
                                                              &f.Button5, &f.Button6})
        c->show();
    f.Button2.hide();
}

void restoreBoard(model::TForm1& f) {
    for (ui::Label* l : f.targetLabels()) {
        l->setEnabled(true);
        l->show();
    }
    for (ui::Label* l : f.codeLabels()) {
        l->setEnabled(true);
        l->show();
    }
    f.Label15.setEnabled(false);
    f.Label15.hide();
    for (ui::RichLine* line : f.sourceLines()) {
        line->setEnabled(false);
        line->hide();
    }
    for (ui::Edit* line : f.typedLines()) {
        line->setEnabled(false);
        line->hide();
    }
}

void releaseArticle(model::TForm1& f, int type) {
    if (isArticle(type))
        for (ui::Edit* line : f.typedLines())
            line->setClipboardBlocked(false);
    if (model::isFileArticle(type)) f.ComboBox1.show();
}

}  // namespace

void SessionLifecycle::restoreIdleControls() {
    form_.Label8.hide();
    form_.Label8.setEnabled(false);
    form_.setKeyPreview(false);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &form_.RadioGroup1, &form_.RadioGroup2, &form_.CheckBox1, &form_.CheckBox2,
             &form_.CheckBox3, &form_.CheckBox4})
        c->show();
    form_.Timer1.setEnabled(false);
    form_.Button1.setEnabled(true);
    form_.Button1.setCaption(ui::toGbk("开始"));
    form_.Button2.setEnabled(false);
    form_.Edit1.setEnabled(true);
    form_.Edit1.clear();
    for (ui::Label* code : form_.codeLabels())
        code->setCaption({});
    for (ui::Label* target : form_.targetLabels())
        target->setCaption(ui::toGbk("完"));
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&form_.Label9, &form_.Label10, &form_.TrackBar1})
        c->show();
}

void SessionLifecycle::EndSession() {
    releaseArticle(form_, form_.RadioGroup1.itemIndex());
    boards_.EndBoard();
    session_.MusicAllowed = 1;
    sound_.PlayMusic("Test1.mp3");
    platform_.bringToFront(form_);
    showIdleButtons(form_);
    restoreBoard(form_);
    form_.Timer7.setEnabled(false);
    form_.Label7.hide();
    form_.Label6.setCaption(SessionSummary(form_));
    if (session_.ElapsedSeconds >= 60) record();
    restoreIdleControls();
    for (ui::Label* l : {&form_.Label5, &form_.Label8, &form_.Label16, &form_.Label17})
        l->setCaption({});
    form_.Label16.hide();
    form_.Label17.hide();
    session_.ElapsedSeconds = 0;
    form_.Image1.clear();
}

void SessionLifecycle::SessionTimeOut() {
    showIdleButtons(form_);
    restoreBoard(form_);
    form_.Label7.hide();
    form_.Label16.hide();
    form_.Label17.hide();
    releaseArticle(form_, form_.RadioGroup1.itemIndex());
    boards_.EndBoard();
    session_.MusicAllowed = 1;
    sound_.PlayMusic("Test1.mp3");
    form_.Label6.setCaption(SessionSummary(form_));
    restoreIdleControls();
    form_.Label5.setCaption({});
    form_.Label8.setCaption({});
    form_.Timer7.setEnabled(false);
    form_.Image1.clear();
    record();
}

void SessionLifecycle::record() {
    if (recordScore)
        recordScore(
            ComposeScoreRecord(form_, session_, settings_.CurrentUser, platform_.localTime()));
}

}  // namespace quorvin::session
