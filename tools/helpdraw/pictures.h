#pragma once

#include <QString>
#include <map>
#include <vector>

namespace helpdraw {

// The radicals of each Wubi key, lower-case letters, the key name first.
using RadicalsByKey = std::map<char, std::vector<QString>>;

// Reads the radical table (key, radical, note; tab-separated, with a header line). Throws
// std::runtime_error when it cannot be read or a key has no key name.
RadicalsByKey readRadicals(const QString& tablePath);

bool drawKeyboardMap(const QString& path);
bool drawKeypadMap(const QString& path);
bool drawRadicalChart(const RadicalsByKey& radicals, const QString& path);

}  // namespace helpdraw
