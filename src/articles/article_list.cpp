#include "articles/article_list.h"

#include <algorithm>
#include <system_error>

#include "ui/gbk.h"

namespace quorvin::articles {

namespace fs = std::filesystem;

void ArticleList::list(const fs::path& folder) {
    entries_.clear();
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (!it->is_directory(kindError)) files.push_back(it->path());
    }
    // The listing's own order on Linux is the file system's hash order; name order is what a
    // learner sees in a file manager.
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
    for (const fs::path& file : files) {
        const std::string number = std::to_string(entries_.size() + 1);
        entries_.push_back({number + "." + ui::toGbk(file.stem().string()), file});
    }
}

std::vector<std::string> ArticleList::displayTexts() const {
    std::vector<std::string> texts;
    for (const Entry& entry : entries_)
        texts.push_back(entry.displayText);
    return texts;
}

const ArticleList::Entry* ArticleList::entryAt(int itemIndex) const {
    if (itemIndex < 0 || itemIndex >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[static_cast<std::size_t>(itemIndex)];
}

std::string articleTitle(const std::string& comboText) {
    const std::size_t dot = std::min(comboText.find('.'), comboText.size());
    const std::string after = dot < comboText.size() ? comboText.substr(dot + 1) : std::string();
    return ui::toGbk("第 ") + comboText.substr(0, dot) + ui::toGbk(" 篇:  ") + after;
}

}  // namespace quorvin::articles
