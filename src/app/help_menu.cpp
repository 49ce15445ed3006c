#include "app/help_menu.h"

#include <initializer_list>

namespace quorvin::app {

namespace {

struct HelpItem {
    std::string_view name;
    std::initializer_list<const char*> files;
};

// There is no web site: the home and product pages ship with the program. The product page
// tells how to get a newer version.
constexpr const char* kHomePage = "web/index.html";
constexpr const char* kProductPage = "web/update.html";

const HelpItem kHelpItems[] = {
    {"N10", {kHomePage, kProductPage}},  {"N1", {kProductPage}},
    {"N3", {"标准键盘键位图.jpg"}},      {"N4", {"数字键盘指法图.jpg"}},
    {"N861", {"五笔字根图86版.jpg"}},    {"N5", {"五笔打字教程.doc"}},
    {"N6", {"Quorvin2020使用演示.mp4"}}, {"N11", {"软件详细使用说明.doc"}},
};

}  // namespace

std::vector<std::filesystem::path> helpDocuments(std::string_view item,
                                                 const std::filesystem::path& programFolder) {
    std::vector<std::filesystem::path> documents;
    for (const HelpItem& help : kHelpItems) {
        if (help.name != item) continue;
        for (const char* file : help.files)
            documents.push_back(programFolder / file);
    }
    return documents;
}

}  // namespace quorvin::app
