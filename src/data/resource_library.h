#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace quorvin::data {

// One resource library: a ZIP archive whose entries are named TYPE/NAME. It is opened once and
// read on demand; an entry is decompressed on its first fetch and kept, so the bytes handed out
// stay put for as long as the library lives (a sound may still be playing from them).
class ResourceLibrary {
  public:
    // Fails when the file is missing, empty or not a readable ZIP archive.
    static std::optional<ResourceLibrary> load(const std::filesystem::path& file);

    ResourceLibrary(ResourceLibrary&&) noexcept;
    ResourceLibrary& operator=(ResourceLibrary&&) noexcept;
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;
    ~ResourceLibrary();

    // The bytes of resource TYPE/NAME, empty when it is absent or unreadable. Names match
    // without regard to ASCII case, as resource names always have. Safe to call from several
    // threads; the span survives moves of the library and later fetches.
    std::span<const std::uint8_t> fetch(std::string_view type, std::string_view name) const;

  private:
    struct Archive;
    explicit ResourceLibrary(std::unique_ptr<Archive> archive);

    std::unique_ptr<Archive> archive_;
};

}  // namespace quorvin::data
