// The start-up and shutdown sequences of a run, in their fixed order.
#include "app/program.h"
#include "ui/gbk.h"

namespace quorvin::app {

bool Program::FormCreate() {
    LineLimit = 86;
    form_.setImeMode(ui::ImeMode::Closed);

    if (!resources_.load(programFolder_)) return failStartup("打开声音文件失败！");

    SettingsKey = platform_.openSettingsStore(programFolder_ / "Quorvin.ini");
    readSettings(*SettingsKey, settings_);

    BaseCaption = form_.caption();
    form_.setCaption(BaseCaption + "----" + settings_.CurrentUser);

    GameStartLeft = form_.Label15.left();
    session_.MusicAllowed = 1;
    applySettings(form_, settings_);
    sound_.PlayMusic("Test1.mp3");
    return true;
}

void Program::FormClose() {
    if (SettingsKey) {
        writeShutdownSettings(*SettingsKey, form_, settings_);
        SettingsKey.reset();
    }
    // The sounds' bytes live in WavRes.dll.
    platform_.audio().stopWave();
    resources_.unloadWavRes();
}

}  // namespace quorvin::app
