#include "app/program.h"

#include "ui/gbk.h"

namespace quorvin::app {

Program::Program(ui::Platform& platform, std::filesystem::path programFolder)
    : platform_(platform),
      programFolder_(std::move(programFolder)),
      boards_(form_, session_),
      lifecycle_(form_, session_, platform_, boards_) {
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
        lifecycle_.SessionKeyDown(key, shift);
    };
    for (ui::Edit* line : form_.typedLines()) {
        line->onKeyDown = [this](int& key, ui::ShiftState shift) {
            lifecycle_.SessionKeyDown(key, shift, /*hideHintLine=*/true);
        };
    }
    form_.Button1.onClick = [this] { lifecycle_.Button1Click(); };
    form_.Button2.onClick = [this] { lifecycle_.EndSession(); };
    form_.RadioGroup1.onClick = [this] { lifecycle_.RadioGroup1Click(); };
    form_.Button4.onClick = [this] { showMenuAtCursor(form_.PopupMenu2); };
    form_.Button5.onClick = [this] { showMenuAtCursor(form_.PopupMenu1); };
    if (ui::PopupMenu* leave = &form_.PopupMenu2) {
        for (auto& item : leave->items())
            if (item.name == "N9") item.onClick = [this] { form_.close(); };
    }
    form_.onClose = [this] { FormClose(); };
}

void Program::showMenuAtCursor(ui::PopupMenu& menu) {
    platform_.popupMenu(menu, platform_.cursorPosition());
}

bool Program::failStartup(const char* message) {
    platform_.messageBox(ui::toGbk(message), ui::toGbk("失败"), ui::MessageIcon::None);
    platform_.terminate();
    return false;
}

}  // namespace quorvin::app
