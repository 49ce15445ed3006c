#include "mkdata/mp3_encoder.h"
#include "mkdata/temporary_files.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "mkdata/run_program.h"

namespace quorvin::mkdata {

namespace {

// 64 kbit/s leaves no audible artefacts in soft mono music at 22.05 kHz, and a minute of it stays
// under half a megabyte.
constexpr const char* kBitRate = "64";

std::filesystem::path withSuffix(const std::filesystem::path& file, const char* suffix) {
    std::filesystem::path result = file;
    result += suffix;
    return result;
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error(file.string() + ": cannot write");
}

}  // namespace

void encodeMp3(const PcmSound& sound, const std::filesystem::path& target) {
    const std::filesystem::path wave = withSuffix(target, ".wav.partial");
    const std::filesystem::path partial = withSuffix(target, ".partial");
    const TemporaryFiles cleanup({wave, partial});

    writeBytes(wave, encodeWave(sound));
    try {
        // No ReplayGain pass: the level is set when mastering, and the scan only costs time.
        runProgram({"lame", "--quiet", "--noreplaygain", "-m", "m", "-b", kBitRate, wave.string(),
                    partial.string()});
    } catch (const ProgramMissing& error) {
        throw std::runtime_error(target.filename().string() + ": " + error.what() +
                                 " (install the Debian package lame)");
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(target.filename().string() + ": " + error.what());
    }

    std::error_code renameError;
    std::filesystem::rename(partial, target, renameError);
    if (renameError) throw std::runtime_error(target.string() + ": " + renameError.message());
}

}  // namespace quorvin::mkdata
