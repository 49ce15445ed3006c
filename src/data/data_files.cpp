#include "data/data_files.h"

#include <fstream>

#include "data/data_cipher.h"

namespace quorvin::data {

namespace fs = std::filesystem;

namespace {

bool writeFileBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Reads lines until the sink stops or the file ends; false when the file would not give them.
bool readLines(const fs::path& file, const LineSink& sink) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!sink(line)) return true;
    }
    return !in.bad();
}

// Only files: a folder of the same name belongs to someone else and blocks the route.
void removeFile(const fs::path& file) {
    std::error_code ignored;
    if (!fs::is_directory(file, ignored)) fs::remove(file, ignored);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    // A directory opens but fails on its first read, which leaves the stream bad.
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> decipherFile(const fs::path& file) {
    auto bytes = readFileBytes(file);
    if (!bytes) return std::nullopt;
    return decipher(*bytes);
}

std::string tempFileName(std::string_view dataFile) {
    constexpr std::string_view kExtension = ".dat";
    std::string name(dataFile);
    const std::size_t dot =
        name.ends_with(kExtension) ? name.size() - kExtension.size() : name.size();
    name.insert(dot, "Temp");
    return name;
}

DataFileStatus readThroughTempFile(const fs::path& folder, std::string_view dataFile,
                                   const LineSink& sink) {
    const auto plaintext = decipherFile(folder / dataFile);
    if (!plaintext) return DataFileStatus::Unreadable;

    const fs::path temp = folder / tempFileName(dataFile);
    // A read-only leftover would refuse to be truncated; removing it first replaces it anyway.
    removeFile(temp);
    const bool ok = writeFileBytes(temp, *plaintext) && readLines(temp, sink);
    removeFile(temp);
    return ok ? DataFileStatus::Ok : DataFileStatus::TempFileFailed;
}

}  // namespace quorvin::data
