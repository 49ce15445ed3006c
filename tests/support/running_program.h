#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/program.h"
#include "headless_platform.h"
#include "program_folder.h"

namespace quorvin::testing {

// A run of the trainer on the headless platform, in a temporary copy of the built program
// folder, started through its start-up sequence.
class RunningProgram {
  public:
    // prepare: what the program folder holds besides the built data, before start-up.
    explicit RunningProgram(const std::function<void(TempProgramFolder&)>& prepare = {});

    HeadlessPlatform platform;
    TempProgramFolder folder;
    std::unique_ptr<app::Program> program;

    model::TForm1& form() { return program->form(); }
    model::PracticeSession& practice() { return program->practice(); }

    // A key as the keyboard delivers it: down with its text, then up.
    void press(int key, ui::ShiftState shift = ui::NoModifier, const char* text = nullptr);
    void escape(ui::ShiftState shift = ui::NoModifier) { press(ui::vk::Escape, shift, "\x1b"); }
    // Chooses type and duration as the idle learner does and clicks Start.
    void start(int type, int durationIndex = 0);
    // Puts an article file (name in UTF-8, text in GBK) into the type's folder, chooses the
    // type and then the article from the list, as the idle learner does.
    void chooseArticle(int type, const std::string& name, const std::string& text = "abc\r\n");
};

}  // namespace quorvin::testing
