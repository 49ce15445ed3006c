// The score store at its capacity: a million results (a 360 MB file) loaded, saved, queried
// and sorted, each set against reading the same file raw in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "median_seconds.h"
#include "model/typing_types.h"
#include "records/score_file.h"
#include "records/score_query.h"
#include "records/score_store.h"
#include "ui/gbk.h"

namespace {

namespace fs = std::filesystem;
using namespace quorvin;
using Clock = std::chrono::steady_clock;

constexpr const char* kMeasureLoadMemory = "--measure-load-memory";

// A folder of its own on the disk the program folder would be on, removed at the end.
class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "quorvin-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

records::ScoreTable fullTable() {
    std::mt19937 random(20240901);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<std::string> users;
    for (const char* name : {"abc", "张三", "李四", "王五", "Zhao Liu", "小明", "teacher"})
        users.push_back(ui::toGbk(name));
    for (int i = 0; i < 40; ++i)
        users.push_back("learner" + std::to_string(i));
    const std::vector<std::string> types = model::typingTypeCaptions();
    const char* weekdays[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    const std::string title = ui::toGbk("岳阳楼记");

    records::ScoreTable table;
    table.ScoreHeader1 = ui::toGbk("Quorvin 打字成绩记录");
    table.ScoreHeader2 = "bench";
    while (!table.full()) {
        const int type = pick(model::TypingTypeCount);
        const int total = pick(3000);
        const int errors = pick(total / 10 + 1);
        records::orvScoreSet record;
        record.User = users[static_cast<std::size_t>(pick(static_cast<int>(users.size())))];
        record.TypeName = types[static_cast<std::size_t>(type)];
        record.Duration = "0:" + std::to_string(1 + pick(60)) + ":0";
        record.Total = std::to_string(total) + ui::toGbk("字");
        record.CorrectRate = std::to_string(90 + pick(10)) + "." + std::to_string(pick(100)) + "%";
        record.Errors = std::to_string(errors);
        record.Speed = std::to_string(pick(200)) + ui::toGbk("字/分");
        record.Date =
            ui::toGbk(std::to_string(2020 + pick(5)) + "年" + std::to_string(1 + pick(12)) + "月" +
                      std::to_string(1 + pick(28)) + "日" + std::to_string(pick(24)) + "时" +
                      std::to_string(pick(60)) + "分 " + weekdays[pick(7)]);
        if (model::isFileArticle(type)) record.Article = title;
        table.append(record);
    }
    return table;
}

struct Fixture {
    BenchFolder folder;
    records::ScoreTable table = fullTable();
    fs::path file = folder.path() / records::ScoreFileName;
    double rawReadSeconds = 0;

    Fixture() {
        if (!records::ScoreFile(file).save(table)) throw std::runtime_error("cannot write");
        rawReadSeconds = quorvin::bench::medianSeconds(21, [this] { readRaw(); });
    }

    std::uintmax_t bytes() const { return fs::file_size(file); }

    // The file read to nowhere, as `cat` does.
    void readRaw() const {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        std::vector<char> buffer(std::size_t{1} << 20);
        while (::read(fd, buffer.data(), buffer.size()) > 0) {
        }
        ::close(fd);
    }

    // As many bytes as the file, written raw to a new file and flushed to the disk: what any
    // save that survives a power loss must pay.
    void writeRawAndSync() const {
        static const std::string spaces(std::size_t{4} << 20, ' ');
        const fs::path target = folder.path() / "raw.dat";
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        for (std::uintmax_t left = bytes(); left > 0;) {
            const ssize_t n =
                ::write(fd, spaces.data(), std::min<std::uintmax_t>(left, spaces.size()));
            if (n <= 0) break;
            left -= static_cast<std::uintmax_t>(n);
        }
        ::fsync(fd);
        ::close(fd);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Runs the work once per iteration and reports its mean time as a multiple of another's.
template <typename Work>
void timeAgainst(benchmark::State& state, double baselineSeconds, const char* counter, Work work) {
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        work();
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters[counter] = total / static_cast<double>(state.iterations()) / baselineSeconds;
}

void RawRead(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        f.readRaw();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes()));
}

void Load(benchmark::State& state) {
    Fixture& f = fixture();
    timeAgainst(state, f.rawReadSeconds, "x_raw_read", [&] {
        records::ScoreTable table;
        records::ScoreFile file(f.file);
        if (file.load(table) != records::ScoreFile::LoadResult::Read ||
            table.ScoreCount() != records::ScoreTable::Capacity)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(table);
    });
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes()));
}

void RawWriteAndSync(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        f.writeRawAndSync();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes()));
}

void Save(benchmark::State& state) {
    Fixture& f = fixture();
    const records::ScoreFile target(f.folder.path() / "saved.dat");
    const double rawWriteSeconds = quorvin::bench::medianSeconds(3, [&] { f.writeRawAndSync(); });
    timeAgainst(state, f.rawReadSeconds, "x_raw_read", [&] {
        if (!target.save(f.table)) state.SkipWithError("save failed");
    });
    state.counters["x_raw_write_sync"] =
        state.counters["x_raw_read"] * f.rawReadSeconds / rawWriteSeconds;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes()));
}

void QueryAll(benchmark::State& state) {
    Fixture& f = fixture();
    const records::ScoreFilter everything({0, ""}, {0, ""});
    timeAgainst(state, f.rawReadSeconds, "x_raw_read",
                [&] { benchmark::DoNotOptimize(records::queryScores(f.table, everything)); });
}

void QueryOneUser(benchmark::State& state) {
    Fixture& f = fixture();
    const records::ScoreFilter oneUser({1, "abc"}, {0, ""});
    timeAgainst(state, f.rawReadSeconds, "x_raw_read",
                [&] { benchmark::DoNotOptimize(records::queryScores(f.table, oneUser)); });
}

// A column click over the whole history, as the window lists it after opening.
void SortColumn(benchmark::State& state) {
    Fixture& f = fixture();
    const auto field = static_cast<records::ScoreField>(state.range(0));
    const std::vector<int> listed =
        records::queryScores(f.table, records::ScoreFilter({0, ""}, {0, ""}));
    state.SetLabel(std::to_string(listed.size()) + " rows");
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<int> rows = listed;
        state.ResumeTiming();
        const auto start = Clock::now();
        records::sortRows(rows, f.table, field, records::TextOrder::LatinCaseFolded, false);
        total += std::chrono::duration<double>(Clock::now() - start).count();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["x_raw_read"] =
        total / static_cast<double>(state.iterations()) / f.rawReadSeconds;
}

// The peak resident memory (VmHWM, in kB) a fresh process of this program reports after
// loading the file, or after loading nothing when the file is empty.
long peakKilobytesOfChild(const std::string& file) {
    const std::string command =
        fs::read_symlink("/proc/self/exe").string() + " " + kMeasureLoadMemory + " '" + file + "'";
    FILE* child = ::popen(command.c_str(), "r");
    if (!child) return -1;
    long kilobytes = -1;
    if (std::fscanf(child, "%ld", &kilobytes) != 1) kilobytes = -1;
    return ::pclose(child) == 0 ? kilobytes : -1;
}

long ownPeakKilobytes() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) break;
    std::fclose(status);
    return kilobytes;
}

void LoadPeakMemory(benchmark::State& state) {
    Fixture& f = fixture();
    long loaded = 0;
    long idle = 0;
    for (auto _ : state) {
        loaded = peakKilobytesOfChild(f.file.string());
        idle = peakKilobytesOfChild("");
    }
    if (loaded < 0 || idle < 0) state.SkipWithError("the measuring process failed");
    state.counters["peak_MB"] = static_cast<double>(loaded) / 1024.0;
    state.counters["idle_process_MB"] = static_cast<double>(idle) / 1024.0;
    state.counters["file_MB"] = static_cast<double>(f.bytes()) / (1024.0 * 1024.0);
}

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(Load)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(RawWriteAndSync)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Save)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(QueryAll)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(QueryOneUser)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(SortColumn)
    ->ArgName("field")
    ->Arg(static_cast<int>(records::ScoreField::Total))
    ->Arg(static_cast<int>(records::ScoreField::Date))
    ->Arg(static_cast<int>(records::ScoreField::User))
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);
BENCHMARK(LoadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    // The child of LoadPeakMemory: load the file (if one is named) and end.
    if (argc == 3 && std::strcmp(argv[1], kMeasureLoadMemory) == 0) {
        records::ScoreTable table;
        if (argv[2][0] != '\0' &&
            records::ScoreFile(argv[2]).load(table) != records::ScoreFile::LoadResult::Read)
            return 1;
        std::printf("%ld\n", ownPeakKilobytes());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
