#pragma once

#include <filesystem>

namespace quorvin::mkdata {

// The shipped articles: every text of data-src/articles/English and .../Chinese (UTF-8) into
// the program folder's English and Chinese folders as GBK with CR LF line ends.
void buildArticles(const std::filesystem::path& sourceDir, const std::filesystem::path& outDir);

}  // namespace quorvin::mkdata
