#pragma once

#include <string>
#include <string_view>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {

// Types text into the focused control key by key, as the keyboard delivers it.
inline void typeKeys(RunningProgram& run, std::string_view text) {
    for (char ch : text) {
        int key = static_cast<unsigned char>(ch);
        if (ch >= 'a' && ch <= 'z') key = ch - 'a' + 'A';
        if (ch == '.') key = 190;
        if (ch == ',') key = 188;
        run.press(key, ui::NoModifier, std::string(1, ch).c_str());
    }
}

inline std::string utf8(const std::string& gbk) {
    return ui::fromGbk(gbk);
}

// The captions of Label1..Label4 as shown, "|"-separated, in UTF-8; a hidden label as "-".
inline std::string board(RunningProgram& run) {
    std::string all;
    for (ui::Label* label : run.form().targetLabels())
        all += (all.empty() ? "" : "|") + (label->visible() ? utf8(label->caption()) : "-");
    return all;
}

// Which of these wave resources were played, in order.
inline std::vector<std::string> played(RunningProgram& run,
                                       const std::vector<std::string>& candidates) {
    std::vector<std::string> names;
    for (const auto& wave : run.platform.recordingAudio.waves) {
        for (const std::string& name : candidates) {
            const auto bytes = run.program->resources().sound(name);
            if (!bytes.empty() && std::equal(bytes.begin(), bytes.end(), wave.begin(), wave.end()))
                names.push_back(name);
        }
    }
    return names;
}

}  // namespace quorvin::testing
