#include "data/media_resources.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "program_folder.h"
#include "zip_fixture.h"

namespace quorvin::data {
namespace {

using quorvin::testing::TempProgramFolder;
using test::bytesOf;

std::string textOf(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

// A program folder with the three libraries; each entry's bytes name where they came from,
// and each animation library also holds decoys of the numbers that belong to the other.
void writeLibraries(const TempProgramFolder& folder, const std::set<std::string_view>& skip = {}) {
    if (!skip.contains(kWavResFile)) {
        test::writeZip(folder.path() / kWavResFile,
                       {{"WAV/MyWAVabc", bytesOf("hit")}, {"WAV/MyWAVywerror", bytesOf("error")}});
    }
    if (!skip.contains(kWbrc1File)) {
        test::writeZip(folder.path() / kWbrc1File, {{"GIF/MywbGIF0", bytesOf("wbrc1 0")},
                                                    {"GIF/MywbGIF1", bytesOf("wbrc1 1")},
                                                    {"GIF/MywbGIF3499", bytesOf("wbrc1 3499")},
                                                    {"GIF/MywbGIF3500", bytesOf("wbrc1 3500")}});
    }
    if (!skip.contains(kWbrc2File)) {
        test::writeZip(folder.path() / kWbrc2File, {{"GIF/MywbGIF3499", bytesOf("wbrc2 3499")},
                                                    {"GIF/MywbGIF3500", bytesOf("wbrc2 3500")},
                                                    {"GIF/MywbGIF20901", bytesOf("wbrc2 20901")}});
    }
}

TEST(MediaResourcesLoad, LoadsInOrderAndStopsAtTheFirstFailure) {
    struct Case {
        const char* what;
        std::set<std::string_view> missing;
        std::string_view broken;  // written as a text file instead of an archive
        bool ok;
        bool wavRes, wbrc1, wbrc2;
    };
    const Case cases[] = {
        {"all present", {}, {}, true, true, true, true},
        {"WavRes.dll missing", {kWavResFile}, {}, false, false, false, false},
        {"wbrc1.dll missing", {kWbrc1File}, {}, false, true, false, false},
        {"wbrc2.dll missing", {kWbrc2File}, {}, false, true, true, false},
        {"wbrc1.dll not an archive", {}, kWbrc1File, false, true, false, false},
        {"all missing", {kWavResFile, kWbrc1File, kWbrc2File}, {}, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        writeLibraries(folder, c.missing);
        if (!c.broken.empty()) folder.write(std::string(c.broken), "not an archive");

        MediaResources media;
        EXPECT_EQ(media.load(folder.path()), c.ok);
        EXPECT_EQ(media.WavResModule.has_value(), c.wavRes);
        EXPECT_EQ(media.Wbrc1Module.has_value(), c.wbrc1);
        EXPECT_EQ(media.Wbrc2Module.has_value(), c.wbrc2);
    }
}

TEST(MediaResourcesLoad, ALaterLoadDropsWhatAnEarlierOneHeld) {
    TempProgramFolder good;
    writeLibraries(good);
    TempProgramFolder empty;
    MediaResources media;
    ASSERT_TRUE(media.load(good.path()));

    EXPECT_FALSE(media.load(empty.path()));
    EXPECT_FALSE(media.WavResModule || media.Wbrc1Module || media.Wbrc2Module);
    EXPECT_TRUE(media.sound(kHitSound).empty());
}

class MediaResourcesLoaded : public ::testing::Test {
  protected:
    void SetUp() override {
        writeLibraries(folder_);
        ASSERT_TRUE(media_.load(folder_.path()));
    }

    TempProgramFolder folder_;
    MediaResources media_;
};

TEST_F(MediaResourcesLoaded, SoundsComeFromWavResOnly) {
    EXPECT_EQ(textOf(media_.sound(kHitSound)), "hit");
    EXPECT_EQ(textOf(media_.sound(kErrorSound)), "error");
    EXPECT_TRUE(media_.sound("MyPyWAVa1").empty());
    EXPECT_TRUE(media_.fetch(ResourceModule::Wbrc1, kSoundType, kHitSound).empty());
    EXPECT_EQ(textOf(media_.fetch(ResourceModule::WavRes, kSoundType, kHitSound)), "hit");
}

TEST_F(MediaResourcesLoaded, AnimationNumbersPickTheirLibrary) {
    struct Case {
        std::int32_t n;
        std::string expected;
    };
    const Case cases[] = {
        {0, ""},  // no animation, although wbrc1.dll holds a resource of that name
        {1, "wbrc1 1"}, {3499, "wbrc1 3499"}, {3500, "wbrc2 3500"}, {20901, "wbrc2 20901"},
        {2, ""},  // absent
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(textOf(media_.animation(c.n)), c.expected);
    }
}

TEST_F(MediaResourcesLoaded, UnloadingWavResSilencesOnlyTheSounds) {
    ASSERT_FALSE(media_.sound(kHitSound).empty());
    media_.unloadWavRes();

    EXPECT_FALSE(media_.WavResModule.has_value());
    EXPECT_TRUE(media_.sound(kHitSound).empty());
    EXPECT_TRUE(media_.sound(kErrorSound).empty());
    EXPECT_EQ(textOf(media_.animation(3499)), "wbrc1 3499");
    EXPECT_EQ(textOf(media_.animation(3500)), "wbrc2 3500");
}

}  // namespace
}  // namespace quorvin::data
