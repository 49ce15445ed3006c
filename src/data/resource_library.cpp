#include "data/resource_library.h"

#include <zip.h>

#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quorvin::data {

namespace {

// Far above any sound or animation; keeps a damaged size field from asking for gigabytes.
constexpr zip_uint64_t kMaxEntryBytes = zip_uint64_t{64} << 20;

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};

struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::optional<std::vector<std::uint8_t>> readEntry(zip_t* zip, zip_uint64_t index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        stat.size > kMaxEntryBytes) {
        return std::nullopt;
    }
    std::unique_ptr<zip_file_t, ZipFileClose> file(zip_fopen_index(zip, index, 0));
    if (!file) return std::nullopt;

    std::vector<std::uint8_t> bytes(stat.size);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const zip_int64_t got = zip_fread(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got <= 0) return std::nullopt;
        filled += static_cast<std::size_t>(got);
    }
    // Reading on to the end is what makes libzip verify the checksum; a damaged entry is absent.
    std::uint8_t beyond = 0;
    if (zip_fread(file.get(), &beyond, 1) != 0) return std::nullopt;
    return bytes;
}

}  // namespace

struct ResourceLibrary::Archive {
    explicit Archive(zip_t* opened) : zip(opened) {}

    // libzip handles are not thread-safe; the mutex covers the handle and the cache together.
    std::mutex mutex;
    std::unique_ptr<zip_t, ZipDiscard> zip;
    // Node-based, so a cached entry never moves when others are added.
    std::unordered_map<zip_uint64_t, std::vector<std::uint8_t>> entries;
};

ResourceLibrary::ResourceLibrary(std::unique_ptr<Archive> archive) : archive_(std::move(archive)) {}
ResourceLibrary::ResourceLibrary(ResourceLibrary&&) noexcept = default;
ResourceLibrary& ResourceLibrary::operator=(ResourceLibrary&&) noexcept = default;
ResourceLibrary::~ResourceLibrary() = default;

std::optional<ResourceLibrary> ResourceLibrary::load(const std::filesystem::path& file) {
    int zipError = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, &zipError);
    if (zip == nullptr) return std::nullopt;
    return ResourceLibrary(std::make_unique<Archive>(zip));
}

std::span<const std::uint8_t> ResourceLibrary::fetch(std::string_view type,
                                                     std::string_view name) const {
    if (!archive_ || type.empty() || name.empty()) return {};
    // The separator must stay unambiguous, and libzip takes C strings.
    if (type.find('/') != std::string_view::npos || type.find('\0') != std::string_view::npos ||
        name.find('\0') != std::string_view::npos) {
        return {};
    }
    std::string entryName;
    entryName.reserve(type.size() + 1 + name.size());
    entryName.append(type).append(1, '/').append(name);

    std::lock_guard lock(archive_->mutex);
    zip_t* zip = archive_->zip.get();
    // The exact spelling is a hashed lookup; the case-blind one scans, so it only runs on a miss.
    zip_int64_t index = zip_name_locate(zip, entryName.c_str(), 0);
    if (index < 0) index = zip_name_locate(zip, entryName.c_str(), ZIP_FL_NOCASE);
    if (index < 0) return {};

    const auto key = static_cast<zip_uint64_t>(index);
    auto cached = archive_->entries.find(key);
    if (cached == archive_->entries.end()) {
        auto bytes = readEntry(zip, key);
        if (!bytes) return {};
        cached = archive_->entries.emplace(key, std::move(*bytes)).first;
    }
    return cached->second;
}

}  // namespace quorvin::data
