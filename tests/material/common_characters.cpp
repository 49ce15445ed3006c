#include "common_characters.h"

#include <bzlib.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace quorvin::material {

namespace {

constexpr const char* kUnihanMappings = "/usr/share/unicode/Unihan_OtherMappings.txt.bz2";
constexpr int kCommonLevelSize = 3500;

std::string decompressed(const char* path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), std::fclose);
    if (!file) throw std::runtime_error(std::string("cannot open ") + path + " (unicode-data)");
    int error = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&error, file.get(), 0, 0, nullptr, 0);
    std::string text;
    char chunk[1 << 16];
    while (error == BZ_OK) {
        const int got = BZ2_bzRead(&error, bz, chunk, sizeof chunk);
        if (got > 0) text.append(chunk, static_cast<std::size_t>(got));
    }
    int ignored = BZ_OK;
    BZ2_bzReadClose(&ignored, bz);
    if (error != BZ_STREAM_END) throw std::runtime_error(std::string("cannot read ") + path);
    return text;
}

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace

std::set<std::string> commonCharacters() {
    // Lines like "U+4E00<TAB>kTGH<TAB>2013:1": the number is the place in the table.
    std::istringstream lines(decompressed(kUnihanMappings));
    std::set<std::string> common;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t field = line.find("\tkTGH\t");
        if (!line.starts_with("U+") || field == std::string::npos) continue;
        const std::size_t colon = line.find(':', field);
        if (colon == std::string::npos) continue;
        if (std::stoi(line.substr(colon + 1)) > kCommonLevelSize) continue;
        common.insert(
            utf8Of(static_cast<char32_t>(std::stoul(line.substr(2, field - 2), nullptr, 16))));
    }
    return common;
}

}  // namespace quorvin::material
