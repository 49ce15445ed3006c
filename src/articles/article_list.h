#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvin::articles {

// The article files of one folder, as ComboBox1 lists them: entry n is item n - 1.
class ArticleList {
  public:
    struct Entry {
        std::string displayText;  // GBK: "3.春晓"
        std::filesystem::path path;
    };

    // Rebuilds the list from the folder: every entry that is not a folder, by name; a folder
    // of more than 300 files is listed whole. A missing folder lists nothing.
    void list(const std::filesystem::path& folder);

    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<std::string> displayTexts() const;
    // The entry of a ComboBox1 item index, or nullptr.
    const Entry* entryAt(int itemIndex) const;

  private:
    std::vector<Entry> entries_;
};

// The title above the lines for a ComboBox1 text (GBK): "3.春晓" gives "第 3 篇:  春晓".
std::string articleTitle(const std::string& comboText);

}  // namespace quorvin::articles
