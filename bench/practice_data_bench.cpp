// The practice data's share of start-up on the built program folder: deciphering, the
// temporary files, the eleven tables and the three resource libraries. Deciphering is set
// against a plain memory copy of the same bytes in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/data_cipher.h"
#include "data/media_resources.h"
#include "data/practice_tables.h"
#include "median_seconds.h"

namespace {

namespace fs = std::filesystem;
using namespace quorvin;
using Clock = std::chrono::steady_clock;

const fs::path kProgramFolder = QUORVIN_PROGRAM_DIR;

const char* const kEnciphered[] = {"wbzg.dat",  "wbOne.dat",   "wbs.dat",
                                   "wbTwo.dat", "wbMulti.dat", "PYs.dat",
                                   "PYOne.dat", "PYTwo.dat",   "PYMulti.dat"};

// The nine enciphered files one after another, as start-up deciphers them.
std::vector<std::uint8_t> encipheredBytes() {
    std::vector<std::uint8_t> bytes;
    for (const char* name : kEnciphered) {
        std::ifstream in(kProgramFolder / name, std::ios::binary);
        bytes.insert(bytes.end(), std::istreambuf_iterator<char>(in), {});
    }
    return bytes;
}

void copyInto(const std::vector<std::uint8_t>& from, std::vector<std::uint8_t>& to) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::ClobberMemory();
}

void Memcpy(benchmark::State& state) {
    const auto bytes = encipheredBytes();
    std::vector<std::uint8_t> copy(bytes.size());
    for (auto _ : state)
        copyInto(bytes, copy);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void Decipher(benchmark::State& state) {
    const auto bytes = encipheredBytes();
    if (bytes.empty()) state.SkipWithError("no enciphered files in the program folder");
    std::vector<std::uint8_t> copy(bytes.size());
    const double copySeconds = quorvin::bench::medianSeconds(201, [&] { copyInto(bytes, copy); });
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(data::decipher(bytes));
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["x_memcpy"] = total / static_cast<double>(state.iterations()) / copySeconds;
    state.SetLabel(std::to_string(bytes.size()) + " bytes");
}

// Start-up steps 3 to 5: wb1.dat and wb2.dat, wbzg.dat in memory, the eight line tables
// through their temporary files.
void LoadTables(benchmark::State& state) {
    for (auto _ : state) {
        data::PracticeTables tables;
        if (tables.load(kProgramFolder) != data::DataFileStatus::Ok)
            state.SkipWithError("the tables did not load");
        benchmark::DoNotOptimize(tables);
    }
}

// Start-up step 2: the three resource libraries opened.
void OpenContainers(benchmark::State& state) {
    for (auto _ : state) {
        data::MediaResources media;
        if (!media.load(kProgramFolder)) state.SkipWithError("the libraries did not open");
        benchmark::DoNotOptimize(media);
    }
}

// Steps 2 to 5 together, as a run of the trainer does them.
void StartupData(benchmark::State& state) {
    for (auto _ : state) {
        data::MediaResources media;
        data::PracticeTables tables;
        if (!media.load(kProgramFolder) || tables.load(kProgramFolder) != data::DataFileStatus::Ok)
            state.SkipWithError("start-up data did not load");
        benchmark::DoNotOptimize(tables);
    }
}

}  // namespace

BENCHMARK(Memcpy);
BENCHMARK(Decipher)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTables)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenContainers)->Unit(benchmark::kMillisecond);
BENCHMARK(StartupData)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
