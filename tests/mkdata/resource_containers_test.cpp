#include "mkdata/resource_containers.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>

#include "data/media_resources.h"
#include "mkdata/zip_container.h"
#include "program_folder.h"
#include "small_sources.h"
#include "wave_analysis.h"

namespace quorvin::mkdata {
namespace {

using data::MediaResources;
using quorvin::testing::TempProgramFolder;

std::set<std::string> fileNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

const std::set<std::string> kContainers = {"WavRes.dll", "wbrc1.dll", "wbrc2.dll"};

// Small practice tables, and the syllables the build has already spoken.
class SmallSources {
  public:
    SmallSources() { test::writeSmallSources(folder_); }
    ResourceSources sources() const { return {folder_.path(), QUORVIN_SOUND_CACHE_DIR}; }
    TempProgramFolder& folder() { return folder_; }

  private:
    TempProgramFolder folder_;
};

void build(const std::filesystem::path& outDir) {
    buildResourceContainers(outDir, SmallSources().sources());
}

class BuiltResources : public ::testing::Test {
  protected:
    void SetUp() override {
        build(folder_.path());
        ASSERT_TRUE(media_.load(folder_.path()));
    }

    test::ParsedWave sound(std::string_view name) const {
        const auto bytes = media_.sound(name);
        return test::parseWave(bytes);
    }

    TempProgramFolder folder_;
    MediaResources media_;
};

TEST_F(BuiltResources, TheFolderHoldsTheThreeContainersAndNothingHalfWritten) {
    EXPECT_EQ(fileNames(folder_.path()), kContainers);
}

TEST_F(BuiltResources, SoundsAreCleanPcmWavesOfTheirLength) {
    struct Case {
        std::string_view name;
        double minMs;
        double maxMs;
    };
    const Case cases[] = {
        {data::kHitSound, 80, 150},
        {data::kErrorSound, 150, 250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto wave = sound(c.name);
        ASSERT_EQ(wave.error, "");
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bitsPerSample, 16);
        EXPECT_TRUE(wave.sampleRate == 44100 || wave.sampleRate == 22050) << wave.sampleRate;
        EXPECT_GE(durationMs(wave), c.minMs);
        EXPECT_LE(durationMs(wave), c.maxMs);

        const std::span<const std::int16_t> samples = wave.samples;
        EXPECT_NEAR(test::decibels(test::peakLevel(samples)), -6.0, 1.0);
        EXPECT_GT(test::decibels(test::rmsLevel(samples)), -24.0);
        // A sound that jumps in or breaks off is heard as a click: its first and last 0.1 ms
        // must stay near silence.
        const auto edge = static_cast<std::size_t>(wave.sampleRate / 10000);
        const double peak = test::peakLevel(samples);
        EXPECT_LT(test::peakLevel(samples.first(edge)), 0.01 * peak);
        EXPECT_LT(test::peakLevel(samples.last(edge)), 0.01 * peak);
    }
}

TEST_F(BuiltResources, HitIsBrightTheErrorLowAndFalling) {
    const auto hit = sound(data::kHitSound);
    const auto error = sound(data::kErrorSound);
    ASSERT_EQ(hit.error, "");
    ASSERT_EQ(error.error, "");

    EXPECT_GT(test::dominantFrequency(hit.samples, hit.sampleRate), 700.0);
    EXPECT_LT(test::dominantFrequency(error.samples, error.sampleRate), 500.0);

    const std::span<const std::int16_t> all = error.samples;
    const auto half = all.size() / 2;
    const double first = test::dominantFrequency(all.first(half), error.sampleRate);
    const double second = test::dominantFrequency(all.subspan(half), error.sampleRate);
    EXPECT_GT(first, second * 1.1) << first << " Hz then " << second << " Hz";
}

TEST_F(BuiltResources, AnimationContainersSayWhatTheyHold) {
    for (const auto module : {data::ResourceModule::Wbrc1, data::ResourceModule::Wbrc2}) {
        const auto readme = media_.fetch(module, "INFO", "README");
        const std::string text(readme.begin(), readme.end());
        EXPECT_NE(text.find("MywbGIF"), std::string::npos) << text;
    }
}

TEST_F(BuiltResources, HoldAPronunciationForEverySyllableAndAnAnimationForEveryCharacter) {
    for (const std::string_view syllable :
         {"de5", "di4", "guo2", "kou3", "lv4", "qi4", "yi1", "zhong1"}) {
        EXPECT_EQ(sound(std::string("MyPyWAV") + std::string(syllable)).error, "") << syllable;
    }
    EXPECT_TRUE(media_.sound("MyPyWAVma1").empty());
    for (const std::int32_t n : {1, 2, 3}) {
        EXPECT_FALSE(media_.animation(n).empty()) << n;
    }
    EXPECT_TRUE(media_.animation(4).empty());
}

TEST(ResourceContainers, SameSourcesGiveTheSameBytes) {
    TempProgramFolder first;
    TempProgramFolder second;
    build(first.path());
    build(second.path());
    for (const std::string& name : kContainers) {
        SCOPED_TRACE(name);
        EXPECT_EQ(first.read(name), second.read(name));
    }
}

TEST(ResourceContainers, RebuildingReplacesOlderContainers) {
    TempProgramFolder folder;
    for (const std::string& name : kContainers) {
        folder.write(name, "stale");
    }
    build(folder.path());
    MediaResources media;
    EXPECT_TRUE(media.load(folder.path()));
    EXPECT_FALSE(media.sound(data::kHitSound).empty());
}

TEST(ResourceContainers, ASourceThatFailsLeavesTheLastGoodContainersInPlace) {
    TempProgramFolder folder;
    build(folder.path());
    const auto before = quorvin::testing::snapshot(folder.path());

    SmallSources broken;
    broken.folder().write("PYTwo.tsv",
                          "word\tspelling\treading\tsounds\n"
                          "中国\tzhongguo\tzhōngguó\tzhong1 guo\n");
    EXPECT_THROW(buildResourceContainers(folder.path(), broken.sources()), std::runtime_error);
    SmallSources noCode;
    noCode.folder().write("wbOne.tsv",
                          "char\tcode1\tcode2\tcode3\tcode4\n"
                          "的\t\t\t\t\n");
    EXPECT_THROW(buildResourceContainers(folder.path(), noCode.sources()), std::runtime_error);
    EXPECT_EQ(quorvin::testing::snapshot(folder.path()), before);
}

TEST(ZipContainer, AFailedWriteLeavesTheOldContainerAlone) {
    TempProgramFolder folder;
    const auto target = folder / "WavRes.dll";
    writeContainer(target, {{"WAV/MyWAVabc", {1, 2, 3}}});
    const std::string before = folder.read("WavRes.dll");

    EXPECT_THROW(writeContainer(target, {}), std::runtime_error);
    EXPECT_EQ(folder.read("WavRes.dll"), before);

    // A folder in the way of the rename: the write fails and its temporary file goes too.
    const auto blocked = folder / "wbrc1.dll";
    std::filesystem::create_directories(blocked / "inside");
    EXPECT_THROW(writeContainer(blocked, {{"INFO/README", {'x'}}}), std::runtime_error);
    EXPECT_EQ(fileNames(folder.path()), (std::set<std::string>{"WavRes.dll", "wbrc1.dll"}));
}

TEST(MkdataCommand, BuildsWhatItIsAskedForAndRefusesTheRest) {
    struct Case {
        std::string arguments;
        int exitCode;
        std::set<std::string> files;
    };
    std::set<std::string> everything = kContainers;
    everything.insert({"Test0.mp3", "Test1.mp3", "orvScore.dat", "English", "Chinese"});
    for (const char* table : {"wb1", "wb2", "wbzg", "wbOne", "wbs", "wbTwo", "wbMulti", "PYs",
                              "PYOne", "PYTwo", "PYMulti"}) {
        everything.insert(std::string(table) + ".dat");
    }
    const std::vector<Case> cases = {
        {"all", 0, everything},
        {"resources", 0, kContainers},
        {"articles", 0, {"English", "Chinese"}},
        {"nonsense", 2, {}},
        {"", 2, {}},  // no output folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        TempProgramFolder folder;
        const auto out = folder / "out";
        const std::string command = std::string("'") + MKDATA_EXECUTABLE + "' " + c.arguments +
                                    (c.arguments.empty() ? "" : " '" + out.string() + "'") +
                                    " 2>/dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
        EXPECT_EQ(std::filesystem::exists(out) ? fileNames(out) : std::set<std::string>{}, c.files);
    }
}

TEST(ProgramFolder, ItsContainersLoadAndHoldTheSounds) {
    const std::filesystem::path programDir = quorvin::testing::builtProgramFolder();
    if (!std::filesystem::exists(programDir / data::kWavResFile)) {
        GTEST_SKIP() << "the program folder has not been built";
    }
    MediaResources media;
    ASSERT_TRUE(media.load(programDir));
    for (const auto name : {data::kHitSound, data::kErrorSound}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(test::parseWave(media.sound(name)).error, "");
    }
}

}  // namespace
}  // namespace quorvin::mkdata
