#include "mkdata/music.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "program_folder.h"
#include "wave_analysis.h"

namespace quorvin::mkdata {
namespace {

namespace fs = std::filesystem;
using quorvin::testing::TempProgramFolder;

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

struct CommandResult {
    int exitCode = -1;  // -1: did not exit normally
    std::string output;
};

// Runs a shell command and collects what it prints on standard output and error.
CommandResult run(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
        result.output.append(buffer, got);
    }
    const int status = pclose(pipe);
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
}

std::vector<std::uint8_t> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> fileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

const std::string kIdle(kIdleMusicFile);
const std::string kDrill(kDrillMusicFile);

// A built file as an independent decoder hears it: sox must be installed, or the test fails.
struct DecodedMusic {
    double soxiSeconds = 0.0;
    test::ParsedWave wave;
};

DecodedMusic decode(const fs::path& mp3, const fs::path& wave) {
    DecodedMusic music;
    music.wave.error = "not decoded";
    const CommandResult soxi = run("soxi -D " + quoted(mp3.string()));
    EXPECT_EQ(soxi.exitCode, 0) << "soxi (Debian package sox) must read the file: " << soxi.output;
    if (soxi.exitCode == 0) music.soxiSeconds = std::stod(soxi.output);

    const CommandResult sox =
        run("sox " + quoted(mp3.string()) + " -b 16 " + quoted(wave.string()));
    EXPECT_EQ(sox.exitCode, 0) << "sox with libsox-fmt-mp3 must decode the file: " << sox.output;
    if (sox.exitCode == 0) music.wave = test::parseWave(readBytes(wave));
    return music;
}

std::size_t samplesFor(const test::ParsedWave& wave, double seconds) {
    return static_cast<std::size_t>(seconds * wave.sampleRate);
}

// Note onsets per second: 20 ms frames whose energy jumps by half again over the quietest of
// the three before, counted only above a floor so the reverb's tail cannot trigger them.
double onsetsPerSecond(const test::ParsedWave& wave) {
    const std::span<const std::int16_t> all = wave.samples;
    const std::size_t frame = samplesFor(wave, 0.02);
    std::vector<double> energy;
    for (std::size_t at = 0; at + frame <= all.size(); at += frame) {
        energy.push_back(test::rmsLevel(all.subspan(at, frame)));
    }
    int onsets = 0;
    for (std::size_t i = 3; i < energy.size(); ++i) {
        const double before = std::min({energy[i - 1], energy[i - 2], energy[i - 3]});
        if (energy[i] > 0.01 && energy[i] > 1.5 * before) ++onsets;
    }
    return onsets / (static_cast<double>(all.size()) / wave.sampleRate);
}

class BuiltMusic : public ::testing::Test {
  protected:
    void SetUp() override { buildMusic(folder_.path()); }

    DecodedMusic decoded(const std::string& name) {
        return decode(folder_ / name, scratch_ / (name + ".wav"));
    }

    TempProgramFolder folder_;
    TempProgramFolder scratch_;
};

TEST_F(BuiltMusic, BothLoopsAreSmallMp3sOfModerateLevelThatFadeAtTheEnds) {
    EXPECT_EQ(fileNames(folder_.path()), (std::set<std::string>{kIdle, kDrill}));

    for (const std::string& name : {kIdle, kDrill}) {
        SCOPED_TRACE(name);
        EXPECT_LT(fs::file_size(folder_ / name), 1'000'000u);
        const DecodedMusic music = decoded(name);
        const test::ParsedWave& wave = music.wave;
        ASSERT_EQ(wave.error, "");
        ASSERT_EQ(wave.channels, 1);

        const double seconds = test::durationMs(wave) / 1000.0;
        EXPECT_GE(seconds, 30.0);
        EXPECT_LE(seconds, 90.0);
        EXPECT_NEAR(music.soxiSeconds, seconds, 0.2);

        const std::span<const std::int16_t> samples = wave.samples;
        const double peakDb = test::decibels(test::peakLevel(samples));
        EXPECT_GE(peakDb, -7.0);
        EXPECT_LE(peakDb, -2.0);
        const double rmsDb = test::decibels(test::rmsLevel(samples));
        EXPECT_GT(rmsDb, -26.0);
        EXPECT_LT(rmsDb, -12.0);

        // The player restarts the file when it ends: both edges must be silent, or every
        // loop would click, and the sound must fade in and out rather than start or break off
        // (the MP3 coder's own padding is far shorter than these stretches).
        const double peak = test::peakLevel(samples);
        EXPECT_LT(test::peakLevel(samples.first(samplesFor(wave, 0.05))), 0.003);
        EXPECT_LT(test::peakLevel(samples.last(samplesFor(wave, 0.05))), 0.003);
        EXPECT_LT(test::peakLevel(samples.first(samplesFor(wave, 0.2))), 0.1 * peak);
        EXPECT_LT(test::peakLevel(samples.last(samplesFor(wave, 0.3))), 0.01 * peak);

        // Music all the way through: no stretch of five seconds falls silent between the
        // fades.
        const std::size_t window = samplesFor(wave, 5.0);
        for (std::size_t at = samplesFor(wave, 1.0); at + window < samples.size() - window;
             at += window) {
            EXPECT_GT(test::decibels(test::rmsLevel(samples.subspan(at, window))), -35.0)
                << "at " << at / wave.sampleRate << " s";
        }
    }
}

TEST_F(BuiltMusic, TheDrillMusicMovesFasterThanTheIdleMusic) {
    const DecodedMusic idle = decoded(kIdle);
    const DecodedMusic drill = decoded(kDrill);
    ASSERT_EQ(idle.wave.error, "");
    ASSERT_EQ(drill.wave.error, "");

    const double idleRate = onsetsPerSecond(idle.wave);
    const double drillRate = onsetsPerSecond(drill.wave);
    EXPECT_GT(idleRate, 0.5) << "the idle music has notes";
    EXPECT_GT(drillRate, 1.5 * idleRate) << idleRate << " vs " << drillRate << " onsets/s";
    EXPECT_GT(std::abs(test::durationMs(idle.wave) - test::durationMs(drill.wave)), 1000.0);
}

TEST(Music, SameSourcesGiveTheSameBytes) {
    TempProgramFolder first;
    TempProgramFolder second;
    buildMusic(first.path());
    buildMusic(second.path());
    for (const std::string& name : {kIdle, kDrill}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(first.read(name), second.read(name));
    }
}

// The build must stop when the encoder is missing or fails, and leave the folder as it was.
TEST(MkdataMusicCommand, FailsLoudlyAndLeavesNoHalfWrittenFile) {
    TempProgramFolder tools;
    fs::create_directories(tools / "none");
    fs::create_directories(tools / "failing");
    // Writes something where the MP3 should go, then gives up.
    const fs::path failingLame = tools / "failing" / "lame";
    {
        std::ofstream script(failingLame);
        script << "#!/bin/sh\nfor last; do :; done\nprintf 'half an mp3' > \"$last\"\nexit 3\n";
    }
    fs::permissions(failingLame, fs::perms::owner_all);

    struct Case {
        std::string name;
        std::string path;  // PATH for mkdata; empty: the real one
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {"real lame", "", 0, ""},
        {"no lame", (tools / "none").string(), 1, "lame is not installed"},
        {"failing lame", (tools / "failing").string(), 1, "lame failed with exit status 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder out;
        out.write(kIdle, "the previous build");
        const std::string environment = c.path.empty() ? "" : "PATH=" + quoted(c.path) + " ";
        const CommandResult result =
            run(environment + quoted(MKDATA_EXECUTABLE) + " music " + quoted(out.path().string()));
        EXPECT_EQ(result.exitCode, c.exitCode) << result.output;
        if (c.exitCode == 0) {
            EXPECT_EQ(fileNames(out.path()), (std::set<std::string>{kIdle, kDrill}));
            EXPECT_NE(out.read(kIdle), "the previous build");
            continue;
        }
        EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
        EXPECT_EQ(fileNames(out.path()), std::set<std::string>{kIdle});
        EXPECT_EQ(out.read(kIdle), "the previous build");
    }
}

}  // namespace
}  // namespace quorvin::mkdata
