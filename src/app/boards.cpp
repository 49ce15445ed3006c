#include "app/boards.h"

#include "model/typing_types.h"
#include "ui/gbk.h"

namespace quorvin::app {

using model::Family;

Boards::Boards(model::TForm1& form, model::PracticeSession& session, ui::Platform& platform,
               sound::Sound& sound, const data::PracticeTables& tables,
               const data::MediaResources& resources, const model::Settings& settings,
               const int& gameStartLeft, const std::filesystem::path& programFolder,
               const int& lineLimit)
    : form_(form),
      session_(session),
      platform_(platform),
      hitDisplay_(form),
      letterDrill_(form, session, platform, sound, hitDisplay_),
      pinyinDrill_(form, session, platform, sound, hitDisplay_, tables.pinyin, settings),
      wubiDrill_(form, session, platform, sound, hitDisplay_, tables.wubi, resources),
      typingGame_(form, session, platform, sound, gameStartLeft),
      articleBoard_(form, session, platform, tables, resources, programFolder, lineLimit),
      lineJudging_(form, session, sound, articleBoard_) {}

session::BoardOutcome Boards::refuseEmptyTable(int type) {
    platform_.messageBox(model::typingTypeCaption(type) + ui::toGbk("的练习字库是空的，无法练习。"),
                         ui::toGbk("错误"), ui::MessageIcon::Error);
    return session::BoardOutcome::End;
}

session::BoardOutcome Boards::PrepareBoard(int type) {
    switch (model::familyOf(type)) {
        case Family::LetterDrill:
            letterDrill_.PrepareBoard(type);
            break;
        case Family::PinyinDrill:
            session_.CorrectCodes = 0;
            if (!pinyinDrill_.hasTargets(type)) return refuseEmptyTable(type);
            pinyinDrill_.PrepareBoard(type);
            break;
        case Family::WubiDrill:
            session_.CorrectCodes = 0;
            if (!wubiDrill_.hasTargets(type)) return refuseEmptyTable(type);
            wubiDrill_.PrepareBoard(type);
            break;
        case Family::Game:
            typingGame_.PrepareBoard(type);
            break;
        case Family::Article:
            return articleBoard_.PrepareBoard(type);
    }
    return session::BoardOutcome::Ready;
}

void Boards::RadioGroup1Click() {
    articleBoard_.RadioGroup1Click(form_.RadioGroup1.itemIndex());
}

int Boards::sessionType() const {
    // Keys reach the window and Edit1 between sessions too; only a session on show judges.
    return form_.sessionShown() ? form_.RadioGroup1.itemIndex() : -1;
}

void Boards::FormKeyPress(ui::KeyChar ch) {
    const int type = sessionType();
    if (type < 0) return;
    const Family family = model::familyOf(type);
    if (family == Family::LetterDrill)
        letterDrill_.judge(type, ch);
    else if (family == Family::Game)
        typingGame_.judge(type, ch);
}

void Boards::Edit1KeyPress(ui::KeyChar& ch) {
    const int type = sessionType();
    if (type < 0) return;
    const Family family = model::familyOf(type);
    if (family == Family::PinyinDrill)
        pinyinDrill_.Edit1KeyPress(type, ch);
    else if (family == Family::WubiDrill)
        wubiDrill_.Edit1KeyPress(type, ch);
}

void Boards::Edit1HintKey(int key) {
    const int type = sessionType();
    if (type < 0) return;
    const Family family = model::familyOf(type);
    if (family == Family::PinyinDrill)
        pinyinDrill_.hintKey(type, key);
    else if (family == Family::WubiDrill)
        wubiDrill_.hintKey(type, key);
}

void Boards::Timer8Timer() {
    pinyinDrill_.Timer8Timer(form_.RadioGroup1.itemIndex());
}

}  // namespace quorvin::app
