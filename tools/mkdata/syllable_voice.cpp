#include "mkdata/syllable_voice.h"
#include "mkdata/temporary_files.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "mkdata/parallel_for.h"
#include "mkdata/pinyin_syllables.h"
#include "mkdata/program_output.h"
#include "mkdata/run_program.h"
#include "mkdata/wave_reader.h"

namespace quorvin::mkdata {

namespace {

constexpr const char* kProgram = "espeak-ng";
constexpr const char* kVoice = "cmn-latn-pinyin";
// The normal rate: the Pinyin word drills start a word's second syllable 450 ms after the
// first, and at this rate nearly every syllable has ended by then.
constexpr const char* kWordsPerMinute = "175";
// Below the default 100, which clips the loudest vowels; the level is set afterwards.
constexpr const char* kAmplitude = "70";
// The voice's own pitch range moves the tones too little (a fourth tone falls by a fifth of
// its pitch); the widest range SSML offers about doubles every contour, so a learner hears them.
constexpr std::string_view kSpeechBefore = "<speak><prosody range=\"x-high\">";
constexpr std::string_view kSpeechAfter = "</prosody></speak>";

// The pitch contour espeak-ng writes for each tone digit, in its phoneme notation.
constexpr std::string_view kToneContours[] = {"55", "35", "214", "51", "11"};

std::string speechOf(const std::string& syllable) {
    return std::string(kSpeechBefore) + syllable + std::string(kSpeechAfter);
}

// Everything that shapes a recording besides the syllable; the cache is keyed by it too.
std::vector<std::string> voiceArguments() {
    return {"-v", kVoice, "-s", kWordsPerMinute, "-a", kAmplitude, "-m"};
}

std::filesystem::path withSuffix(const std::filesystem::path& folder, const std::string& name,
                                 const std::string& suffix) {
    return folder / (name + suffix);
}

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(in ? std::filesystem::file_size(file) : 0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in) throw std::runtime_error(file.string() + ": cannot read");
    return bytes;
}

// FNV-1a, enough to tell one espeak-ng installation from another.
std::uint64_t fingerprint(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

// "eSpeak NG text-to-speech: 1.51  Data at: /usr/lib/.../espeak-ng-data": the version, and the
// size and time of the voice data files, which change when the package is updated.
std::string installationIdentity(std::string& version) {
    std::string banner;
    try {
        banner = programOutput({kProgram, "--version"});
    } catch (const ProgramMissing&) {
        throw std::runtime_error(
            "the syllable sounds need espeak-ng (install the Debian package espeak-ng)");
    }
    const std::size_t colon = banner.find(": ");
    const std::size_t data = banner.find("Data at: ");
    if (colon == std::string::npos || data == std::string::npos) {
        throw std::runtime_error("espeak-ng --version: unexpected answer \"" + banner + "\"");
    }
    version = banner.substr(colon + 2, banner.find(' ', colon + 2) - colon - 2);
    const std::string dataPath = banner.substr(data + 9);
    const std::filesystem::path dataDir =
        dataPath.substr(0, dataPath.find_last_not_of(" \r\n") + 1);

    std::string identity = banner;
    for (const char* file : {"phontab", "phondata", "phonindex", "intonations", "cmn_dict"}) {
        std::error_code sizeError;
        std::error_code timeError;
        const auto size = std::filesystem::file_size(dataDir / file, sizeError);
        const auto time = std::filesystem::last_write_time(dataDir / file, timeError);
        if (sizeError || timeError) {
            throw std::runtime_error("espeak-ng has no " + (dataDir / file).string());
        }
        identity += std::string(file) + ":" + std::to_string(size) + ":" +
                    std::to_string(time.time_since_epoch().count()) + "\n";
    }
    return identity;
}

// espeak-ng falls back to English letter names for text it cannot read as Pinyin; what it
// read shows in its phonemes: exactly one tone contour, the one asked for, and no language
// switch.
void checkReading(const std::string& syllable, const std::string& phonemes) {
    const std::string_view expected = kToneContours[syllable.back() - '1'];
    std::size_t contours = 0;
    std::string_view contour;
    for (std::size_t i = 0; i < phonemes.size();) {
        if (phonemes[i] < '0' || phonemes[i] > '9') {
            ++i;
            continue;
        }
        const std::size_t end = phonemes.find_first_not_of("0123456789", i);
        contour = std::string_view(phonemes).substr(i, end - i);
        ++contours;
        i = end == std::string::npos ? phonemes.size() : end;
    }
    if (contours != 1 || contour != expected || phonemes.find('(') != std::string::npos) {
        std::string shown = phonemes.substr(0, phonemes.find_last_not_of(" \n") + 1);
        throw std::runtime_error("espeak-ng cannot say the syllable " + syllable + " (it read [" +
                                 shown + "], the contour " + std::string(expected) + " wanted)");
    }
}

void speakIntoCache(const std::string& syllable, const std::filesystem::path& folder) {
    // Named by process, so builds sharing the cache never write the same file.
    std::string partial = ".";
    partial += std::to_string(getpid());
    partial += ".partial";
    const auto wave = withSuffix(folder, syllable, partial + ".wav");
    const auto phonemes = withSuffix(folder, syllable, partial + ".txt");
    const TemporaryFiles cleanup({wave, phonemes});
    try {
        std::vector<std::string> arguments = voiceArguments();
        arguments.insert(arguments.begin(), kProgram);
        arguments.insert(arguments.end(), {"-x", "--phonout=" + phonemes.string(), "-w",
                                           wave.string(), speechOf(syllable)});
        runProgram(arguments);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error("syllable " + syllable + ": " + error.what());
    }
    checkReading(syllable, readText(phonemes));
    std::error_code renameError;
    std::filesystem::rename(wave, withSuffix(folder, syllable, ".wav"), renameError);
    if (renameError) throw std::runtime_error(folder.string() + ": " + renameError.message());
}

}  // namespace

std::filesystem::path syllableCacheFolder(const std::filesystem::path& cacheDir) {
    std::string version;
    const std::string identity = installationIdentity(version);
    std::string settings = speechOf("");
    for (const std::string& argument : voiceArguments())
        settings += " " + argument;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(fingerprint(identity + settings)));
    return cacheDir / ("espeak-ng-" + version + "-" + hex);
}

std::vector<PcmSound> speakSyllables(std::span<const std::string> syllables,
                                     const std::filesystem::path& cacheDir) {
    const std::filesystem::path folder = syllableCacheFolder(cacheDir);
    std::filesystem::create_directories(folder);

    std::vector<std::string> missing;
    for (const std::string& syllable : syllables) {
        if (!isToneSyllable(syllable)) {
            throw std::runtime_error("\"" + syllable + "\" is not a syllable with a tone digit");
        }
        // Each once, or two workers would write the same files.
        if (!std::filesystem::exists(withSuffix(folder, syllable, ".wav")) &&
            std::find(missing.begin(), missing.end(), syllable) == missing.end()) {
            missing.push_back(syllable);
        }
    }
    parallelFor(missing.size(), [&](std::size_t i) { speakIntoCache(missing[i], folder); });

    std::vector<PcmSound> recordings;
    recordings.reserve(syllables.size());
    for (const std::string& syllable : syllables) {
        const auto file = withSuffix(folder, syllable, ".wav");
        try {
            recordings.push_back(decodeWave(readBytes(file)));
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(file.string() + ": " + error.what());
        }
    }
    return recordings;
}

}  // namespace quorvin::mkdata
