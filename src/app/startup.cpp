// The start-up and shutdown sequences of a run, in their fixed order.
#include "app/program.h"
#include "ui/gbk.h"

namespace quorvin::app {

namespace {

// The learner cannot tell one table file from another, so every table that does not open
// says what the raw tables say; a folder refusing the temporary files needs another remedy.
const char* tableFailureMessage(data::DataFileStatus status) {
    return status == data::DataFileStatus::TempFileFailed ? "写入临时文件失败！" : "打开字库失败！";
}

}  // namespace

bool Program::FormCreate() {
    LineLimit = 86;
    form_.setImeMode(ui::ImeMode::Closed);

    if (!resources_.load(programFolder_)) return failStartup("打开声音文件失败！");
    if (const auto status = tables_.load(programFolder_); status != data::DataFileStatus::Ok)
        return failStartup(tableFailureMessage(status));

    if (!scoreHistory_.load()) return failStartup("读取成绩文件失败！");

    SettingsKey = platform_.openSettingsStore(programFolder_ / "Quorvin.ini");
    if (!readSettings(*SettingsKey, settings_))
        platform_.messageBox(ui::toGbk("设置文件中的用户名含有 GBK 不能表示的字符，"
                                       "这些字符显示为“?”，保存时也写作“?”。"),
                             ui::toGbk("提示"), ui::MessageIcon::Warning);
    // The run goes on with what could be read; the learner should know that changes are lost.
    if (!SettingsKey->writable())
        platform_.messageBox(
            ui::toGbk("设置文件 Quorvin.ini 无法写入，这次运行中更改的设置和用户不会保存。"),
            ui::toGbk("提示"), ui::MessageIcon::Warning);

    BaseCaption = form_.caption();
    showCurrentUser();
    users_.parse();

    GameStartLeft = form_.Label15.left();
    session_.MusicAllowed = 1;
    applySettings(form_, settings_);
    sound_.PlayMusic("Test1.mp3");
    return true;
}

void Program::FormClose() {
    // The run ends with its main window: no window of it stays behind.
    if (TForm2* box = aboutBox()) box->close();
    tables_.wubi.releaseRawTables();
    if (SettingsKey) {
        writeShutdownSettings(*SettingsKey, form_, settings_);
        SettingsKey.reset();
    }
    // The sounds' bytes live in WavRes.dll.
    platform_.audio().stopWave();
    resources_.unloadWavRes();
    scoreHistory_.save();
}

}  // namespace quorvin::app
