#include "articles/article_text.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "ui/gbk.h"

namespace quorvin::articles {

bool ArticleText::load(const std::filesystem::path& file) {
    release();
    // Only a regular file: a FIFO or device would block the window on its first read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        release();
        return false;
    }
    return true;
}

void ArticleText::release() {
    bytes.clear();
    bytes.shrink_to_fit();
    ReadPos = 0;
    Exhausted = false;
}

namespace {

// Whether the cut ends on the first byte of a character whose second byte lies beyond it.
bool endsOnLeadByte(std::string_view cut) {
    std::size_t i = 0;
    while (i < cut.size()) {
        const std::size_t length = ui::isGbkLeadByte(static_cast<unsigned char>(cut[i])) ? 2 : 1;
        if (i + length > cut.size()) return true;
        i += length;
    }
    return false;
}

// The next line from ReadPos, or nothing when the cut is empty (the end, or a NUL).
bool cutLine(ArticleText& text, std::size_t lineLimit, std::string& line) {
    const std::string_view rest = std::string_view(text.bytes).substr(text.ReadPos);
    std::string_view cut = rest.substr(0, std::min(rest.size(), lineLimit));
    cut = cut.substr(0, std::min(cut.find('\0'), cut.size()));
    if (cut.empty()) return false;
    std::size_t breakAt = cut.find("\r\n");
    // A CR at the end of the cut with its LF just after it.
    if (breakAt == std::string_view::npos && cut.back() == '\r' && cut.size() < rest.size() &&
        rest[cut.size()] == '\n')
        breakAt = cut.size() - 1;
    if (breakAt != std::string_view::npos) {
        line.assign(cut.substr(0, breakAt));
        text.ReadPos += breakAt + 2;
        return true;
    }
    std::size_t length = cut.size();
    if (endsOnLeadByte(cut)) --length;
    // A lone lead byte at the very end of the text is a line of its own, so the text moves on.
    if (length == 0) length = cut.size();
    line.assign(cut.substr(0, length));
    text.ReadPos += length;
    return true;
}

}  // namespace

int LoadNextPage(ArticleText& text, int lineLimit, PageLines& lines) {
    for (std::string& line : lines)
        line.clear();
    int taken = 0;
    while (
        taken < kPageLineCount && !text.Exhausted && text.ReadPos < text.TextEnd() &&
        cutLine(text, static_cast<std::size_t>(lineLimit), lines[static_cast<std::size_t>(taken)]))
        ++taken;
    if (taken == 0) {
        text.release();
        text.Exhausted = true;
    }
    return taken;
}

}  // namespace quorvin::articles
