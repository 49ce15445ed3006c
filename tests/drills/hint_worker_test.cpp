// The hint workers of the Pinyin and Wubi articles: the look-ups of a job, and the thread's
// hand-over, Pause and Continue, catching up and stopping, on real threads.

#include <gtest/gtest.h>

#include <string>

#include "drills/hint_worker.h"
#include "headless_platform.h"
#include "model/main_window.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

using drills::HintNext;
using drills::HintWorkerState;
using drills::LookupMethod;

std::string g(const char* utf8) {
    return ui::toGbk(utf8);
}

// The next one to four characters of a text.
HintNext ahead(const char* utf8) {
    const std::string text = g(utf8);
    return {text.substr(0, 2), text.substr(0, 4), text.substr(0, 6), text.substr(0, 8)};
}

data::PinyinTables pinyinTables() {
    data::PinyinTables t;
    // 行 has three consecutive readings, and a fourth further on that is not taken.
    for (const char* reading : {"xíng", "háng", "hàng"})
        t.PYOneTable.append({"x", g("行"), g(reading), "s"});
    t.PYOneTable.append({"wen2", g("文"), g("wén"), "wen2"});
    t.PYOneTable.append({"heng2", g("行"), g("héng"), "heng2"});
    t.PYTwoTable.append({"xingwen", g("行文"), g("xíngwén"), {"xing2", "wen2"}});
    t.PYTwoTable.append({"xingwen", g("行文"), g("second"), {}});
    t.PYMultiTable.append({"xwl", g("行文流"), g("three"), {}});
    t.PYMultiTable.append({"xwls", g("行文流水"), g("four"), {}});
    t.PYMultiTable.append({"wlsy", g("文流水远"), g("only"), {}});
    return t;
}

data::WubiTables wubiTables() {
    data::WubiTables t;
    t.WbOneTable.append({{"tf", "tfhh", "", ""}, g("行")});
    t.WbOneTable.append({{"yygy", "", "", ""}, g("文")});
    t.WbTwoTable.append({"tfyy", g("行文")});
    t.WbMultiTable.append({"tyiw", g("行文流水")});
    t.WbMultiTable.append({"tyi", g("行文流")});
    return t;
}

TEST(HintLookup, PinyinJobsTakeTheFirstMatchesAndComposeTheTexts) {
    const data::PinyinTables tables = pinyinTables();
    const struct {
        const char* ahead;
        const char* hintText;
        const char* wordText;
        int readings;
    } cases[] = {
        // Four characters found win over three.
        {"行文流水", "xíng(行)", "xíngwén(行文) xwls(行文流水)four", 3},
        {"行文流", "xíng(行)", "xíngwén(行文) xwl(行文流)three", 3},
        {"文流水远", "wén(文)", " wlsy(文流水远)only", 1},
        {"书", "", "", 0},
    };
    for (const LookupMethod method : {LookupMethod::Scan, LookupMethod::Index}) {
        const drills::PinyinLookup lookup(tables, method);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.ahead);
            const drills::PinyinHints h = lookup.run(ahead(c.ahead));
            EXPECT_EQ(ui::fromGbk(h.HintText), c.hintText);
            EXPECT_EQ(ui::fromGbk(h.WordText), c.wordText);
            int readings = 0;
            for (const std::string& s : h.PinyinCharHint.Spellings)
                readings += !s.empty();
            EXPECT_EQ(readings, c.readings);
            EXPECT_EQ(h.PinyinCharHint.HintReadingIndex, 1);
        }
    }
}

TEST(HintLookup, WubiJobsGiveTheCodeInCapitalsAndTheCharactersAnimation) {
    const data::WubiTables tables = wubiTables();
    const struct {
        const char* ahead;
        const char* hintText;
        const char* wordText;
        int animation;
    } cases[] = {
        {"行文流水", "TF", "TFYY(行文)  TYIW(行文流水)", 1},
        {"文", "YYGY", "", 2},
        {"书", "", "", 0},  // nothing found: the last animation stays
    };
    for (const LookupMethod method : {LookupMethod::Scan, LookupMethod::Index}) {
        const drills::WubiLookup lookup(tables, method);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.ahead);
            const drills::WubiHints h = lookup.run(ahead(c.ahead));
            EXPECT_EQ(ui::fromGbk(h.HintText), c.hintText);
            EXPECT_EQ(ui::fromGbk(h.WordText), c.wordText);
            EXPECT_EQ(h.AnimationNo, c.animation);
        }
    }
}

// A Pinyin worker on the test tables, its window and the platform that runs its calls.
struct PinyinWorkerRun {
    HeadlessPlatform platform;
    model::TForm1 form;
    data::PinyinTables tables = pinyinTables();
    drills::TPYThread worker{platform, form, tables};

    PinyinWorkerRun() { worker.start(); }
    bool idleAfterPumping() {
        return platform.pumpUntil([&] { return worker.state() == HintWorkerState::Idle; });
    }
};

TEST(HintWorker, AJobIsShownOnTheWindowThreadAndTheWorkerWaitsForTheNext) {
    PinyinWorkerRun run;
    EXPECT_EQ(run.worker.state(), HintWorkerState::Idle);
    EXPECT_TRUE(run.worker.handOver(ahead("行文")));
    ASSERT_TRUE(run.idleAfterPumping());
    EXPECT_EQ(ui::fromGbk(run.form.Label8.caption()), "xíng(行)");
    EXPECT_EQ(ui::fromGbk(run.form.Label16.caption()), "xíngwén(行文)");
    EXPECT_EQ(run.worker.shownJobs(), 1);
}

TEST(HintWorker, TextHandedOverWhileBusyIsLookedUpOnceTheJobIsShown) {
    PinyinWorkerRun run;
    ASSERT_TRUE(run.worker.handOver(ahead("行文")));
    // The window has not shown the first job yet, so the worker is still busy.
    EXPECT_FALSE(run.worker.handOver(ahead("书")));
    EXPECT_FALSE(run.worker.handOver(ahead("文流水远")));
    ASSERT_TRUE(run.idleAfterPumping());
    EXPECT_EQ(ui::fromGbk(run.form.Label8.caption()), "wén(文)");
    EXPECT_EQ(run.worker.shownJobs(), 2);  // the text at the cursor, not every key between
}

TEST(HintWorker, APauseHoldsTheJobUntilContinue) {
    PinyinWorkerRun run;
    run.worker.suspend();
    ASSERT_TRUE(run.worker.handOver(ahead("行文")));
    EXPECT_FALSE(run.platform.pumpUntil([&] { return run.worker.shownJobs() > 0; },
                                        std::chrono::milliseconds(50)));
    EXPECT_EQ(run.worker.state(), HintWorkerState::Busy);
    run.worker.resume();
    ASSERT_TRUE(run.idleAfterPumping());
    EXPECT_EQ(run.worker.shownJobs(), 1);
    // Pause and Continue around an idle worker leave it waiting for its next job.
    run.worker.suspend();
    run.worker.resume();
    EXPECT_EQ(run.worker.state(), HintWorkerState::Idle);
}

TEST(HintWorker, StoppingNeverWaitsForTheWindowAndALateCallShowsNothing) {
    PinyinWorkerRun run;
    ASSERT_TRUE(run.worker.handOver(ahead("行文")));
    // The worker now waits for the window thread, which is busy stopping it.
    run.worker.stop();
    run.platform.pump();
    EXPECT_EQ(run.form.Label8.caption(), "");
    EXPECT_FALSE(run.worker.handOver(ahead("文")));
}

TEST(HintWorker, ThousandsOfHandOversWithPausesLoseNoWakeUp) {
    HeadlessPlatform platform;
    model::TForm1 form;
    const data::WubiTables tables = wubiTables();
    const data::MediaResources resources;
    for (int session = 0; session < 20; ++session) {
        drills::TWBThread worker(platform, form, tables, resources);
        worker.start();
        int accepted = 0;
        for (int key = 0; key < 300; ++key) {
            if (worker.handOver(ahead(key % 2 ? "行文流水" : "文"))) ++accepted;
            if (key % 7 == 0) worker.suspend();
            if (key % 5 == 0) platform.pump();
            if (key % 7 == 3) worker.resume();
        }
        worker.resume();
        ASSERT_TRUE(platform.pumpUntil([&] { return worker.state() == HintWorkerState::Idle; }))
            << "session " << session << " stayed busy: a wake-up was lost";
        EXPECT_GE(worker.shownJobs(), accepted);
    }  // each worker is joined here
    EXPECT_EQ(platform.pump(), 0);
}

}  // namespace
}  // namespace quorvin::testing
