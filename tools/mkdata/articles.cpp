#include "mkdata/articles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "mkdata/gbk_encoder.h"

namespace quorvin::mkdata {

namespace {

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

void buildArticles(const std::filesystem::path& sourceDir, const std::filesystem::path& outDir) {
    GbkEncoder encoder;
    for (const char* folder : {"English", "Chinese"}) {
        const std::filesystem::path from = sourceDir / "articles" / folder;
        const std::filesystem::path to = outDir / folder;
        std::filesystem::create_directories(to);
        for (const auto& entry : std::filesystem::directory_iterator(from)) {
            if (!entry.is_regular_file()) continue;
            std::string gbk;
            try {
                gbk = encoder.encode(withCrLf(readFile(entry.path())));
            } catch (const std::runtime_error& error) {
                throw std::runtime_error(entry.path().string() + ": " + error.what());
            }
            const std::filesystem::path target = to / entry.path().filename();
            std::ofstream out(target, std::ios::binary | std::ios::trunc);
            out.write(gbk.data(), static_cast<std::streamsize>(gbk.size()));
            if (!out) throw std::runtime_error("cannot write " + target.string());
        }
    }
}

}  // namespace quorvin::mkdata
