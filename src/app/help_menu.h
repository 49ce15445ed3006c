#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace quorvin::app {

// What a help menu item opens, in order: the documents and the program's web pages, all in the
// program folder. Empty for the about box and for an unknown item.
std::vector<std::filesystem::path> helpDocuments(std::string_view item,
                                                 const std::filesystem::path& programFolder);

}  // namespace quorvin::app
