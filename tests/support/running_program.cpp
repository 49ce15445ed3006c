#include "running_program.h"

#include <stdexcept>

namespace quorvin::testing {

RunningProgram::RunningProgram(const std::function<void(TempProgramFolder&)>& prepare) {
    folder.copyAllDataFromBuild();
    if (prepare) prepare(folder);
    program = std::make_unique<app::Program>(platform, folder.path());
    if (!program->FormCreate())
        throw std::runtime_error("start-up failed in a full program folder");
}

void RunningProgram::press(int key, ui::ShiftState shift, const char* text) {
    form().typeKey(key, shift, text ? std::string_view(text) : std::string_view());
    form().keyUp(key, shift);
}

void RunningProgram::start(int type, int durationIndex) {
    form().RadioGroup1.choose(type);
    form().RadioGroup2.choose(durationIndex);
    form().Button1.click();
}

}  // namespace quorvin::testing
