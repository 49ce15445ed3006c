#include "headless_platform.h"

#include "ui/gbk.h"
#include "ui/qt/ini_settings_store.h"

namespace quorvin::testing {

HeadlessPlatform::HeadlessPlatform() : uiThread_(std::this_thread::get_id()) {}

std::unique_ptr<ui::SettingsStore> HeadlessPlatform::openSettingsStore(
    const std::filesystem::path& file) {
    return std::make_unique<ui::qt::IniSettingsStore>(file);
}

ui::MessageAnswer HeadlessPlatform::messageBox(const std::string& text, const std::string& caption,
                                               ui::MessageIcon icon, ui::MessageButtons buttons) {
    messages.push_back({ui::fromGbk(text), ui::fromGbk(caption), icon, buttons});
    if (messageAnswers.empty()) return ui::MessageAnswer::Ok;
    const ui::MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

int HeadlessPlatform::showModal(ui::Form& form) {
    modalForms.push_back(form.name());
    form.show();
    if (!modalScripts.empty()) {
        auto script = std::move(modalScripts.front());
        modalScripts.pop_front();
        script(form);
    }
    form.close();
    return form.modalResult();
}

void HeadlessPlatform::showModeless(ui::Form& form) {
    modelessForms.push_back(form.name());
    form.show();
}

void HeadlessPlatform::popupMenu(ui::PopupMenu& menu, ui::Point at) {
    menus.push_back({menu.name(), at});
}

bool HeadlessPlatform::openDocument(const std::string& target) {
    openedDocuments.push_back(target);
    return true;
}

void HeadlessPlatform::bringToFront(ui::Form&) {
    ++foregroundRequests;
}

int HeadlessPlatform::random(int range) {
    if (range <= 0) return 0;
    int draw = 0;
    if (!randomDraws.empty()) {
        draw = randomDraws.front();
        randomDraws.pop_front();
    }
    return ((draw % range) + range) % range;
}

void HeadlessPlatform::runOnUiThread(const std::function<void()>& call) {
    if (std::this_thread::get_id() == uiThread_) {
        call();
        return;
    }
    Posted posted{call, false};
    std::unique_lock lock(mutex_);
    posted_.push_back(&posted);
    done_.wait(lock, [&] { return posted.finished; });
}

int HeadlessPlatform::pump() {
    int ran = 0;
    for (;;) {
        Posted* next = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (posted_.empty()) break;
            next = posted_.front();
            posted_.pop_front();
        }
        next->call();
        ++ran;
        {
            std::lock_guard lock(mutex_);
            next->finished = true;
        }
        done_.notify_all();
    }
    return ran;
}

}  // namespace quorvin::testing
