// The start-up and shutdown sequences of a run, in their fixed order.
#include "app/program.h"
#include "ui/gbk.h"

namespace quorvin::app {

bool Program::FormCreate() {
    LineLimit = 86;
    form_.setImeMode(ui::ImeMode::Closed);

    if (!resources_.load(programFolder_)) return failStartup("打开声音文件失败！");

    BaseCaption = form_.caption();
    if (CurrentUser.empty()) CurrentUser = "abc";
    form_.setCaption(BaseCaption + "----" + CurrentUser);

    GameStartLeft = form_.Label15.left();
    session_.MusicAllowed = 1;
    return true;
}

void Program::FormClose() {
    resources_.unloadWavRes();
}

}  // namespace quorvin::app
