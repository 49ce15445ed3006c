#include "headless_platform.h"

#include <system_error>
#include <utility>

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

void HeadlessPlatform::postToUiThread(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(std::move(call));
    }
    posted_changed_.notify_all();
}

std::thread HeadlessPlatform::startThread(std::function<void()> body) {
    if (!threadFailure.empty()) {
        const std::string failure = std::exchange(threadFailure, {});
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again),
                                failure);
    }
    return std::thread(std::move(body));
}

int HeadlessPlatform::pump() {
    int ran = 0;
    for (;;) {
        std::function<void()> next;
        {
            std::lock_guard lock(mutex_);
            if (posted_.empty()) break;
            next = std::move(posted_.front());
            posted_.pop_front();
        }
        next();
        ++ran;
    }
    return ran;
}

bool HeadlessPlatform::pumpUntil(const std::function<bool()>& done,
                                 std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        pump();
        if (done()) return true;
        std::unique_lock lock(mutex_);
        // Woken by the next post; a condition that changes without one is seen within 1 ms.
        posted_changed_.wait_for(lock, std::chrono::milliseconds(1),
                                 [&] { return !posted_.empty(); });
        if (std::chrono::steady_clock::now() > deadline) {
            lock.unlock();
            pump();
            return done();
        }
    }
}

}  // namespace quorvin::testing
