#include "running_program.h"

#include <filesystem>
#include <stdexcept>

#include "ui/gbk.h"

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

void RunningProgram::chooseArticle(int type, const std::string& name, const std::string& text) {
    folder.write(std::string(type == 19 ? "English/" : "Chinese/") + name, text);
    form().RadioGroup1.choose(type);
    const std::string stem = ui::toGbk(std::filesystem::path(name).stem().string());
    const auto& items = form().ComboBox1.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].substr(items[i].find('.') + 1) == stem)
            form().ComboBox1.choose(static_cast<int>(i));
    }
}

void RunningProgram::start(int type, int durationIndex) {
    form().RadioGroup1.choose(type);
    form().RadioGroup2.choose(durationIndex);
    form().Button1.click();
}

}  // namespace quorvin::testing
