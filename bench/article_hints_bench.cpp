// Article typing on the built program folder: the Pinyin and Wubi hint jobs for every
// character of a shipped article, by the linear scans and by the index (whose answers are
// checked equal first), and a key release in a 100-byte typed line up to its judged marks.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "data/practice_tables.h"
#include "drills/hint_lookup.h"
#include "running_program.h"
#include "ui/gbk.h"

namespace {

using namespace quorvin;
using drills::HintNext;
using drills::LookupMethod;

// The tables as start-up loads them, from a copy of the program folder.
const data::PracticeTables& tables() {
    static const std::unique_ptr<data::PracticeTables> loaded = [] {
        testing::TempProgramFolder folder;
        folder.copyAllDataFromBuild();
        auto t = std::make_unique<data::PracticeTables>();
        if (t->load(folder.path()) != data::DataFileStatus::Ok) t.reset();
        return t;
    }();
    return *loaded;
}

// The text ahead of every character of a shipped Chinese article, in order.
const std::vector<HintNext>& jobs() {
    static const std::vector<HintNext> all = [] {
        std::ifstream in(testing::builtProgramFolder() / "Chinese" / "唐诗三百首01.txt",
                         std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        std::vector<HintNext> made;
        for (std::size_t i = 0; i + 1 < text.size();) {
            if (!ui::isGbkLeadByte(static_cast<unsigned char>(text[i]))) {
                ++i;
                continue;
            }
            const std::string_view ahead = std::string_view(text).substr(i);
            auto slice = [&](std::size_t n) { return std::string(ahead.substr(0, n)); };
            made.push_back({slice(2), slice(4), slice(6), slice(8)});
            i += 2;
        }
        return made;
    }();
    return all;
}

template <typename Lookup, typename Tables>
void HintJob(benchmark::State& state, const Tables& t, LookupMethod method) {
    if (jobs().empty()) {
        state.SkipWithError("no article in the program folder");
        return;
    }
    const Lookup lookup(t, method);
    const Lookup scan(t, LookupMethod::Scan);
    for (const HintNext& next : jobs()) {
        const auto a = lookup.run(next), b = scan.run(next);
        if (a.HintText != b.HintText || a.WordText != b.WordText) {
            state.SkipWithError("the index answers otherwise than the scans");
            return;
        }
    }
    std::size_t k = 0;
    for (auto _ : state) {
        auto hints = lookup.run(jobs()[k]);
        benchmark::DoNotOptimize(hints);
        k = (k + 1) % jobs().size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void PinyinJobScan(benchmark::State& s) {
    HintJob<drills::PinyinLookup>(s, tables().pinyin, LookupMethod::Scan);
}
void PinyinJobIndex(benchmark::State& s) {
    HintJob<drills::PinyinLookup>(s, tables().pinyin, LookupMethod::Index);
}
void WubiJobScan(benchmark::State& s) {
    HintJob<drills::WubiLookup>(s, tables().wubi, LookupMethod::Scan);
}
void WubiJobIndex(benchmark::State& s) {
    HintJob<drills::WubiLookup>(s, tables().wubi, LookupMethod::Index);
}

// One key release in a 100-byte line (full screen) holding 99 bytes, half of them wrong: the
// judging and the marks.
void KeyReleaseJudging(benchmark::State& state) {
    testing::RunningProgram run;
    run.program->LineLimit = 100;
    std::string line;
    for (int i = 0; i < 100; ++i)
        line += static_cast<char>('a' + i % 26);
    run.chooseArticle(19, "bench.txt", line + "\r\n" + line + "\r\n");
    run.start(19);
    auto& form = run.form();
    std::string typed = line.substr(0, 99);
    for (std::size_t i = 1; i < typed.size(); i += 2)
        typed[i] = 'X';  // the last byte stays right: no error sound piles up
    form.Edit2.setText(typed);
    for (auto _ : state)
        form.keyUp('X', ui::NoModifier);  // 99 bytes: the line is not complete yet
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

}  // namespace

BENCHMARK(PinyinJobScan);
BENCHMARK(PinyinJobIndex);
BENCHMARK(WubiJobScan);
BENCHMARK(WubiJobIndex);
BENCHMARK(KeyReleaseJudging);
BENCHMARK_MAIN();
