#pragma once

#include <set>
#include <string>

namespace quorvin::material {

// The 3500 common characters of the Table of General Standard Chinese Characters (level 1 of
// Unihan's kTGH), as UTF-8, from the unicode-data package. Throws when it is not installed.
std::set<std::string> commonCharacters();

}  // namespace quorvin::material
