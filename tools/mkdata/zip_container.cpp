#include "mkdata/zip_container.h"

#include <zip.h>

#include <ctime>
#include <stdexcept>
#include <system_error>

namespace quorvin::mkdata {

namespace {

// Entries carry a fixed time stamp so that the same sources always give the same bytes.
constexpr std::time_t kEntryTime = 1704067200;  // 2024-01-01 00:00 UTC

[[noreturn]] void fail(const std::filesystem::path& file, const std::string& why) {
    throw std::runtime_error(file.string() + ": " + why);
}

void addEntries(zip_t* zip, const std::filesystem::path& file,
                const std::vector<ContainerEntry>& entries) {
    for (const ContainerEntry& entry : entries) {
        // The buffers outlive zip_close, which is when libzip reads them.
        zip_source_t* source = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
        if (source == nullptr) fail(file, zip_strerror(zip));
        const zip_int64_t index = zip_file_add(zip, entry.name.c_str(), source, 0);
        if (index < 0) {
            zip_source_free(source);
            fail(file, entry.name + ": " + zip_strerror(zip));
        }
        if (zip_file_set_mtime(zip, static_cast<zip_uint64_t>(index), kEntryTime, 0) != 0) {
            fail(file, entry.name + ": " + zip_strerror(zip));
        }
    }
}

}  // namespace

void writeContainer(const std::filesystem::path& file, const std::vector<ContainerEntry>& entries) {
    // libzip writes no file at all for an archive without entries.
    if (entries.empty()) fail(file, "a container needs at least one entry");

    std::filesystem::path partial = file;
    partial += ".partial";
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);

    int openError = 0;
    zip_t* zip = zip_open(partial.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &openError);
    if (zip == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, openError);
        const std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        fail(partial, why);
    }
    try {
        addEntries(zip, partial, entries);
    } catch (...) {
        zip_discard(zip);
        throw;
    }
    if (zip_close(zip) != 0) {
        const std::string why = zip_strerror(zip);
        zip_discard(zip);
        std::filesystem::remove(partial, ignored);
        fail(partial, why);
    }

    std::error_code renameError;
    std::filesystem::rename(partial, file, renameError);
    if (renameError) {
        std::filesystem::remove(partial, ignored);
        fail(file, renameError.message());
    }
}

}  // namespace quorvin::mkdata
