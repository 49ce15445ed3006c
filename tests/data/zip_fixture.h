#pragma once

#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin::test {

struct ZipEntry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

// Writes a ZIP archive with libzip directly, independent of the program's own builder.
// Stored entries keep their bytes verbatim in the file, which lets a test damage them.
inline void writeZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries,
                     bool stored = false) {
    int error = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (zip == nullptr) throw std::runtime_error("zip_open " + file.string());
    for (const ZipEntry& entry : entries) {
        zip_source_t* source = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index =
            source == nullptr ? -1 : zip_file_add(zip, entry.name.c_str(), source, 0);
        if (index < 0 || (stored && zip_set_file_compression(zip, static_cast<zip_uint64_t>(index),
                                                             ZIP_CM_STORE, 0) != 0)) {
            if (source != nullptr && index < 0) zip_source_free(source);
            zip_discard(zip);
            throw std::runtime_error("zip_file_add " + entry.name);
        }
    }
    if (zip_close(zip) != 0) {
        zip_discard(zip);
        throw std::runtime_error("zip_close " + file.string());
    }
}

}  // namespace quorvin::test
