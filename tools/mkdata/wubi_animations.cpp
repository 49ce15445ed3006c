#include "mkdata/wubi_animations.h"

#include <stdexcept>

#include "data/media_resources.h"
#include "mkdata/keystroke_animation.h"
#include "mkdata/parallel_for.h"
#include "mkdata/source_table.h"

namespace quorvin::mkdata {

namespace {

// The program's resource name of animation n.
std::string entryName(std::size_t n) {
    return std::string(data::kAnimationType) + "/MywbGIF" + std::to_string(n);
}

constexpr std::string_view kCodeColumns[] = {"code1", "code2", "code3", "code4"};

bool isWubiCode(std::string_view code) {
    if (code.empty() || code.size() > 4) return false;
    for (const char c : code) {
        if (c < 'a' || c > 'y') return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> wubiFullCodes(const std::filesystem::path& wbOneTable) {
    const SourceTable table = SourceTable::read(wbOneTable);
    table.require({"char", "code1", "code2", "code3", "code4"});
    std::vector<std::string> codes;
    codes.reserve(table.rows().size());
    for (const SourceTable::Row& row : table.rows()) {
        std::string_view longest;
        for (const std::string_view column : kCodeColumns) {
            const std::string_view code = table.field(row, column);
            if (code.empty()) continue;
            if (!isWubiCode(code)) {
                throw std::runtime_error(table.name() + " line " + std::to_string(row.line) + ": " +
                                         std::string(column) + " \"" + std::string(code) +
                                         "\" is not a Wubi code");
            }
            if (code.size() > longest.size()) longest = code;
        }
        if (longest.empty()) {
            throw std::runtime_error(table.name() + " line " + std::to_string(row.line) +
                                     ": no code");
        }
        codes.emplace_back(longest);
    }
    return codes;
}

AnimationEntries keystrokeAnimations(const std::filesystem::path& wbOneTable) {
    const std::vector<std::string> codes = wubiFullCodes(wbOneTable);
    std::vector<ContainerEntry> all(codes.size());
    parallelFor(codes.size(), [&](std::size_t i) {
        all[i] = {entryName(i + 1), drawKeystrokeAnimation(codes[i])};
    });

    AnimationEntries entries;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool first = i + 1 < static_cast<std::size_t>(data::kFirstWbrc2Animation);
        (first ? entries.wbrc1 : entries.wbrc2).push_back(std::move(all[i]));
    }
    return entries;
}

}  // namespace quorvin::mkdata
