#include "data/resource_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "program_folder.h"
#include "zip_fixture.h"

namespace quorvin::data {
namespace {

using quorvin::testing::TempProgramFolder;
using test::bytesOf;
using test::ZipEntry;

// Binary bytes with runs and zeros, so that compression has real work to do.
std::vector<std::uint8_t> payload(std::size_t size, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = seed;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = (i % 64 < 16) ? 0 : static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

std::vector<std::uint8_t> copyOf(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(ResourceLibraryLoad, AcceptsAZipArchive) {
    TempProgramFolder folder;
    test::writeZip(folder / "lib.dll", {{"WAV/Sound", bytesOf("RIFF")}});
    EXPECT_TRUE(ResourceLibrary::load(folder / "lib.dll").has_value());
}

TEST(ResourceLibraryLoad, RejectsWhatIsNotAReadableArchive) {
    struct Case {
        const char* what;
        std::function<void(TempProgramFolder&)> make;
    };
    const std::vector<Case> cases = {
        {"missing file", [](auto&) {}},
        {"empty file", [](auto& folder) { folder.write("lib.dll", ""); }},
        {"text file", [](auto& folder) { folder.write("lib.dll", "MZ not an archive\r\n"); }},
        {"folder", [](auto& folder) { std::filesystem::create_directory(folder / "lib.dll"); }},
        {"archive cut short",
         [](auto& folder) {
             test::writeZip(folder / "lib.dll", {{"WAV/Sound", payload(4000, 1)}});
             const std::string whole = folder.read("lib.dll");
             folder.write("lib.dll", whole.substr(0, whole.size() - 12));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        c.make(folder);
        EXPECT_FALSE(ResourceLibrary::load(folder / "lib.dll").has_value());
    }
}

class ResourceLibraryFetch : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 40; ++i) {
            entries_.push_back({"GIF/MywbGIF" + std::to_string(i + 1),
                                payload(20000 + 997 * static_cast<std::size_t>(i), 100u + i)});
        }
        entries_.push_back({"WAV/MyWAVabc", payload(9000, 7)});
        entries_.push_back({"WAV/MyWAVywerror", payload(12000, 8)});
        entries_.push_back({"WAV/Empty", {}});
        entries_.push_back({"INFO/Deep/Name", bytesOf("nested")});
        test::writeZip(folder_ / "lib.dll", entries_);
        library_ = ResourceLibrary::load(folder_ / "lib.dll");
        ASSERT_TRUE(library_.has_value());
    }

    const std::vector<std::uint8_t>& expected(std::string_view name) const {
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const ZipEntry& e) { return e.name == name; });
        return found->bytes;
    }

    TempProgramFolder folder_;
    std::vector<ZipEntry> entries_;
    std::optional<ResourceLibrary> library_;
};

TEST_F(ResourceLibraryFetch, ReturnsTheExactBytesOfTheEntry) {
    EXPECT_EQ(copyOf(library_->fetch("WAV", "MyWAVabc")), expected("WAV/MyWAVabc"));
    EXPECT_EQ(copyOf(library_->fetch("WAV", "MyWAVywerror")), expected("WAV/MyWAVywerror"));
    EXPECT_EQ(copyOf(library_->fetch("GIF", "MywbGIF17")), expected("GIF/MywbGIF17"));
}

TEST_F(ResourceLibraryFetch, MatchesNamesWithoutRegardToCase) {
    const auto exact = library_->fetch("WAV", "MyWAVabc");
    const auto folded = library_->fetch("wav", "MYWAVABC");
    ASSERT_FALSE(folded.empty());
    EXPECT_EQ(folded.data(), exact.data());
}

TEST_F(ResourceLibraryFetch, AnswersNothingForWhatIsNotThere) {
    struct Case {
        std::string_view type;
        std::string_view name;
    };
    using namespace std::literals;
    const Case misses[] = {
        {"WAV", "MyWAVnothing"},
        {"GIF", "MyWAVabc"},   // right name, wrong type
        {"WAV", "MyWAV"},      // a prefix of a name
        {"WAV", "MyWAVabcd"},  // a name extended
        {"", "MyWAVabc"},
        {"WAV", ""},
        {"INFO/Deep", "Name"},    // the type ends at the first separator
        {"WAV", "Empty"},         // present but holding nothing
        {"WAV\0"sv, "MyWAVabc"},  // a C string would stop at the zero
        {"WAV", "MyWAVabc\0tail"sv},
    };
    for (const Case& miss : misses) {
        SCOPED_TRACE(std::string(miss.type) + " / " + std::string(miss.name));
        EXPECT_TRUE(library_->fetch(miss.type, miss.name).empty());
    }
    // The misses left the library working, and a separator inside a name is just a byte.
    EXPECT_EQ(copyOf(library_->fetch("WAV", "MyWAVabc")), expected("WAV/MyWAVabc"));
    EXPECT_EQ(copyOf(library_->fetch("INFO", "Deep/Name")), expected("INFO/Deep/Name"));
}

TEST_F(ResourceLibraryFetch, BytesStayValidAcrossLaterFetchesAndMoves) {
    const auto first = library_->fetch("WAV", "MyWAVabc");
    ASSERT_FALSE(first.empty());
    for (int i = 1; i <= 40; ++i) {
        ASSERT_FALSE(library_->fetch("GIF", "MywbGIF" + std::to_string(i)).empty());
    }
    ResourceLibrary moved = std::move(*library_);
    library_.reset();
    const auto again = moved.fetch("WAV", "MyWAVabc");

    EXPECT_EQ(again.data(), first.data());
    EXPECT_EQ(again.size(), first.size());
    EXPECT_EQ(copyOf(first), expected("WAV/MyWAVabc"));
}

TEST_F(ResourceLibraryFetch, ConcurrentFetchesAgree) {
    // Two threads walk the entries in opposite orders, so most entries are first fetched by
    // one thread while the other is filling the cache with another.
    std::vector<std::span<const std::uint8_t>> seen[2];
    std::latch start(2);
    const auto walk = [&](int who) {
        start.arrive_and_wait();
        for (int round = 0; round < 3; ++round) {
            for (int k = 0; k < 40; ++k) {
                const int i = who == 0 ? k + 1 : 40 - k;
                seen[who].push_back(library_->fetch("GIF", "MywbGIF" + std::to_string(i)));
            }
        }
    };
    std::thread other(walk, 1);
    walk(0);
    other.join();

    // Every answer for an entry, from either thread and any round, is the one cached copy.
    for (int k = 0; k < 40; ++k) {
        const int i = k + 1;
        SCOPED_TRACE(i);
        const auto canonical = seen[0][k];
        EXPECT_EQ(copyOf(canonical), expected("GIF/MywbGIF" + std::to_string(i)));
        for (int round = 0; round < 3; ++round) {
            EXPECT_EQ(seen[0][round * 40 + k].data(), canonical.data());
            EXPECT_EQ(seen[1][round * 40 + 39 - k].data(), canonical.data());
        }
    }
}

TEST(ResourceLibraryDamage, ADamagedEntryIsAbsentAndTheOthersStillRead) {
    TempProgramFolder folder;
    const auto good = payload(3000, 21);
    auto marked = payload(3000, 22);
    std::fill_n(marked.begin(), 8, std::uint8_t{0xA5});
    test::writeZip(folder / "lib.dll", {{"WAV/Good", good}, {"WAV/Hurt", marked}}, true);

    // Stored entries lie verbatim in the file: flip a byte in the middle of the marked one.
    std::string file = folder.read("lib.dll");
    const std::string marker(8, '\xA5');
    const auto at = std::search(file.begin(), file.end(), marker.begin(), marker.end());
    ASSERT_NE(at, file.end());
    at[1500] ^= 0xFF;
    folder.write("lib.dll", file);

    auto library = ResourceLibrary::load(folder / "lib.dll");
    ASSERT_TRUE(library.has_value());
    EXPECT_TRUE(library->fetch("WAV", "Hurt").empty());
    EXPECT_EQ(copyOf(library->fetch("WAV", "Good")), good);
}

}  // namespace
}  // namespace quorvin::data
