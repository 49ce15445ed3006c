#include "app/program.h"

#include "app/help_menu.h"
#include "records/score_query_window.h"
#include "records/user_window.h"
#include "ui/gbk.h"

namespace quorvin::app {

Program::Program(ui::Platform& platform, std::filesystem::path programFolder)
    : platform_(platform),
      programFolder_(std::move(programFolder)),
      sound_(platform.audio(), resources_, settings_, session_, programFolder_),
      boards_(form_, session_, platform_, sound_, tables_, resources_, settings_, GameStartLeft,
              programFolder_, LineLimit),
      lifecycle_(form_, session_, platform_, sound_, boards_, settings_),
      clock_(form_, session_, lifecycle_) {
    for (const auto& timer : form_.timers())
        timer->setScheduler(&platform_.timers());
    form_.setClipboard(&platform_.clipboard());
    wireHandlers();
}

void Program::wireHandlers() {
    form_.onKeyDown = [this](int& key, ui::ShiftState shift) {
        lifecycle_.FormKeyDown(key, shift);
    };
    form_.Edit1.onKeyDown = [this](int& key, ui::ShiftState shift) {
        if (!lifecycle_.SessionKeyDown(key, shift)) boards_.Edit1HintKey(key);
    };
    form_.Edit1.onKeyPress = [this](ui::KeyChar& ch) { boards_.Edit1KeyPress(ch); };
    form_.Timer8.onTimer = [this] { boards_.Timer8Timer(); };
    const auto typedLines = form_.typedLines();
    for (std::size_t k = 0; k < typedLines.size(); ++k) {
        typedLines[k]->onKeyDown = [this, k](int& key, ui::ShiftState shift) {
            boards_.lineJudging().EditKeyDown(k, key);
            lifecycle_.SessionKeyDown(key, shift, /*hideHintLine=*/true);
        };
        typedLines[k]->onKeyUp = [this, k](int&, ui::ShiftState) {
            boards_.lineJudging().EditKeyUp(k);
        };
    }
    boards_.articleBoard().endSession = [this] { lifecycle_.EndSession(); };
    form_.Button1.onClick = [this] { lifecycle_.Button1Click(); };
    form_.Button2.onClick = [this] { lifecycle_.EndSession(); };
    form_.RadioGroup1.onClick = [this] {
        lifecycle_.RadioGroup1Click();
        boards_.RadioGroup1Click();
    };
    form_.Button4.onClick = [this] { showMenuAtCursor(form_.PopupMenu2); };
    form_.Button5.onClick = [this] { showMenuAtCursor(form_.PopupMenu1); };
    for (auto& item : form_.PopupMenu1.items()) {
        if (item.name == "N2")
            item.onClick = [this] { N2Click(); };
        else
            item.onClick = [this, name = item.name] { openHelpItem(name); };
    }
    form_.Button6.onClick = [this] { displayMode_.Button6Click(); };
    form_.onWindowStateChange = [this](ui::WindowState from, ui::WindowState to) {
        displayMode_.windowStateChanged(from, to);
    };
    for (auto& item : form_.PopupMenu2.items()) {
        if (item.name == "N7") item.onClick = [this] { N7Click(); };
        if (item.name == "N8") item.onClick = [this] { N8Click(); };
        if (item.name == "N9") item.onClick = [this] { form_.close(); };
    }
    form_.onClose = [this] { FormClose(); };

    const std::pair<ui::CheckBox*, std::pair<const char*, std::int32_t*>> switches[] = {
        {&form_.CheckBox1, {"PlayMp3", &settings_.PlayMp3}},
        {&form_.CheckBox2, {"PlayWav", &settings_.PlayWav}},
        {&form_.CheckBox3, {"PlayPYWav", &settings_.PlayPYWav}},
        {&form_.CheckBox4, {"PYOldTip", &settings_.PYOldTip}},
    };
    for (const auto& [box, value] : switches) {
        box->onClick = [this, box, name = value.first, field = value.second] {
            if (SettingsKey) storeSwitch(*SettingsKey, name, *box, *field);
            if (box == &form_.CheckBox1) sound_.PlayMusic("Test1.mp3");
        };
    }
    form_.TrackBar1.onChange = [this] { showHitDisplayTime(form_); };
    form_.Timer2.onTimer = [this] { sound_.Timer2Timer(); };
    form_.onKeyPress = [this](ui::KeyChar& ch) { boards_.FormKeyPress(ch); };
    form_.Timer1.onTimer = [this] { clock_.tick(); };
    for (int slot = 1; slot <= 4; ++slot)
        boards_.hitDisplay().timer(slot).onTimer = [this, slot] { boards_.hitDisplay().end(slot); };
    form_.Timer7.onTimer = [this] { boards_.typingGame().step(); };
    lifecycle_.recordScore = [this](records::orvScoreSet record) {
        recordScore(std::move(record));
    };
}

void Program::showMenuAtCursor(ui::PopupMenu& menu) {
    platform_.popupMenu(menu, platform_.cursorPosition());
}

void Program::N7Click() {
    records::TForm5 window(platform_, users_, [this] { showCurrentUser(); });
    platform_.showModal(window);
}

void Program::N8Click() {
    records::TForm3 window(scoreHistory_.table(), users_.UserNames(), SortAscending);
    platform_.showModal(window);
}

void Program::N2Click() {
    // One about box at a time; a second click brings it back to the front.
    if (!aboutBox()) aboutBox_ = std::make_unique<TForm2>();
    platform_.showModeless(*aboutBox_);
}

void Program::openHelpItem(const std::string& item) {
    // The desktop tells of a document it cannot open; the program says nothing more.
    for (const auto& document : helpDocuments(item, programFolder_))
        platform_.openDocument(document.string());
}

void Program::showCurrentUser() {
    form_.setCaption(records::mainCaption(BaseCaption, settings_.CurrentUser));
}

bool Program::failStartup(const char* message) {
    platform_.messageBox(ui::toGbk(message), ui::toGbk("失败"), ui::MessageIcon::None);
    platform_.terminate();
    return false;
}

}  // namespace quorvin::app
