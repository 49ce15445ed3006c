#pragma once

#include <string>
#include <string_view>

#include "ui/edit.h"
#include "ui/keys.h"

// The drill input box Edit1, as the Pinyin and Wubi drills read it.
namespace quorvin::drills {

// Backspace, Space, the full stop and the Latin letters reach the box; anything else is
// swallowed, neither entered nor judged.
bool acceptsDrillKey(ui::KeyChar ch);

enum class LetterCase { Upper, Lower };

// A code as submitted: without surrounding blanks and control characters, in one case.
std::string submittedCode(std::string_view text, LetterCase letterCase);

// The filter and the full-stop rule every drill applies first. Returns false when the key was
// swallowed; a full stop empties the box and is then entered like any other key.
bool filterDrillKey(ui::Edit& box, ui::KeyChar& ch);

// "spelling(character)": the hint line's form of a reading or code with what it stands for.
std::string withTarget(const std::string& code, const std::string& target);

}  // namespace quorvin::drills
