#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

namespace quorvin::articles {

inline constexpr int kPageLineCount = 6;
// The source lines of a page, GBK bytes without CR or LF.
using PageLines = std::array<std::string, kPageLineCount>;

// The chosen article file in memory, taken page by page.
struct ArticleText {
    std::string bytes;
    std::size_t ReadPos = 0;
    bool Exhausted = false;

    std::size_t TextEnd() const { return bytes.size(); }
    // Reads the whole file; false when it cannot be read (missing, no right, not a file).
    bool load(const std::filesystem::path& file);
    void release();
};

// Cuts the next page into lines of at most lineLimit bytes: a line ends at CR LF, before a
// NUL, or at the limit, never on the lead byte of a character. Returns the number of lines
// taken (0 to 6); none sets Exhausted and releases the text.
int LoadNextPage(ArticleText& text, int lineLimit, PageLines& lines);

}  // namespace quorvin::articles
