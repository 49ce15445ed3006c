#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/settings.h"
#include "running_program.h"
#include "ui/gbk.h"
#include "ui/qt/ini_settings_store.h"

namespace quorvin::testing {
namespace {

namespace fs = std::filesystem;

// Reads the settings file as the next run will, independently of the running program.
class StoredSettings {
  public:
    explicit StoredSettings(const TempProgramFolder& folder) : store_(folder / "Quorvin.ini") {
        store_.openKey(model::SettingsKeyPath, false);
    }
    std::optional<int> integer(const char* name) { return store_.readInteger(name); }
    std::optional<std::string> text(const char* name) {
        auto gbk = store_.readString(name);
        if (!gbk) return std::nullopt;
        return ui::fromGbk(*gbk);
    }

  private:
    ui::qt::IniSettingsStore store_;
};

auto writeIni(const std::string& body) {
    return [body](TempProgramFolder& folder) { folder.write("Quorvin.ini", body); };
}

TEST(Settings, FirstRunStoresTheDefaults) {
    RunningProgram run;
    StoredSettings stored(run.folder);
    EXPECT_EQ(stored.integer("PlayMp3"), 1);
    EXPECT_EQ(stored.integer("PlayWav"), 1);
    EXPECT_EQ(stored.integer("PlayPYWav"), 1);
    EXPECT_EQ(stored.integer("PYOldTip"), 1);
    EXPECT_EQ(stored.integer("Interval"), 5);
    EXPECT_EQ(stored.text("Users"), "abc;");
    EXPECT_EQ(stored.text("CurrentUser"), "abc");

    auto& f = run.form();
    EXPECT_EQ(f.TrackBar1.position(), 5);
    EXPECT_EQ(ui::fromGbk(f.Label9.caption()), "500毫秒");
    for (ui::CheckBox* box : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox3, &f.CheckBox4})
        EXPECT_FALSE(box->checked()) << box->name();
    EXPECT_EQ(f.Timer3.interval(), 500);
    EXPECT_EQ(ui::fromGbk(f.caption()), "Quorvin     2024年9月1日版----abc");
}

struct IntervalCase {
    int stored;
    int position;
    const char* caption;
};

class StoredInterval : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(StoredInterval, TrackBarKeepsItsRangeAndShutdownWritesThePosition) {
    const auto& c = GetParam();
    RunningProgram run(
        writeIni("[Software]\nOrnvale\\Quorvin\\Interval=" + std::to_string(c.stored) + "\n"));
    auto& f = run.form();
    EXPECT_EQ(f.TrackBar1.position(), c.position);
    EXPECT_EQ(ui::fromGbk(f.Label9.caption()), c.caption);
    for (ui::Timer* t : {&f.Timer3, &f.Timer4, &f.Timer5, &f.Timer6})
        EXPECT_EQ(t->interval(), c.position * 100);
    EXPECT_EQ(StoredSettings(run.folder).integer("Interval"), c.stored);
    f.close();
    EXPECT_EQ(StoredSettings(run.folder).integer("Interval"), c.position);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredInterval,
                         ::testing::Values(IntervalCase{0, 1, "100毫秒"},
                                           IntervalCase{11, 10, "1000毫秒"},
                                           IntervalCase{-3, 1, "100毫秒"},
                                           IntervalCase{3, 3, "300毫秒"}));

TEST(Settings, ACheckBoxWritesAtOnceAndTheNextRunStartsWithIt) {
    fs::path kept;
    std::string ini;
    {
        RunningProgram run;
        run.form().CheckBox2.click();
        // No shutdown: the value must already be in the file.
        EXPECT_EQ(StoredSettings(run.folder).integer("PlayWav"), 0);
        EXPECT_EQ(run.program->settings().PlayWav, 0);
        run.form().CheckBox4.click();
        run.form().CheckBox4.click();
        EXPECT_EQ(StoredSettings(run.folder).integer("PYOldTip"), 1);
        ini = run.folder.read("Quorvin.ini");
    }
    RunningProgram next(writeIni(ini));
    EXPECT_TRUE(next.form().CheckBox2.checked());
    EXPECT_FALSE(next.form().CheckBox4.checked());
    EXPECT_EQ(next.program->settings().PlayWav, 0);
}

TEST(Settings, MovingTheTrackBarActsAtOnceButIsStoredAtShutdown) {
    RunningProgram run;
    auto& f = run.form();
    f.TrackBar1.setPosition(3);
    EXPECT_EQ(ui::fromGbk(f.Label9.caption()), "300毫秒");
    EXPECT_EQ(f.Timer6.interval(), 300);
    EXPECT_EQ(f.TrackBar1.selEnd(), 3);
    EXPECT_EQ(StoredSettings(run.folder).integer("Interval"), 5);
    f.close();
    EXPECT_EQ(StoredSettings(run.folder).integer("Interval"), 3);
}

TEST(Settings, UnreadableValuesFallBackToTheirDefaults) {
    RunningProgram run(
        writeIni("[Software]\nOrnvale\\Quorvin\\PlayMp3=loud\n"
                 "Ornvale\\Quorvin\\PlayWav=0\n"));
    EXPECT_EQ(run.program->settings().PlayMp3, 1);
    EXPECT_EQ(run.program->settings().PlayWav, 0);
    EXPECT_TRUE(run.form().CheckBox2.checked());
    EXPECT_EQ(StoredSettings(run.folder).integer("PlayMp3"), 1);
}

TEST(Settings, UserNamesAreStoredAsReadableText) {
    RunningProgram run;
    run.program->settings().UsersText = ui::toGbk("abc;张三;");
    run.program->settings().CurrentUser = ui::toGbk("张三");
    run.form().close();
    const std::string file = run.folder.read("Quorvin.ini");
    EXPECT_NE(file.find("张三"), std::string::npos) << file;
    EXPECT_EQ(StoredSettings(run.folder).text("CurrentUser"), "张三");
    EXPECT_EQ(StoredSettings(run.folder).text("Users"), "abc;张三;");
}

TEST(Settings, AUserNameGbkCannotHoldKeepsTheOtherNamesAndIsToldOnce) {
    RunningProgram run(
        writeIni("[Software]\nOrnvale\\Quorvin\\Users=\"abc;张三;😀Bob;\"\n"
                 "Ornvale\\Quorvin\\CurrentUser=张三\n"));
    EXPECT_EQ(ui::fromGbk(run.program->settings().UsersText), "abc;张三;?Bob;");
    EXPECT_EQ(ui::fromGbk(run.program->settings().CurrentUser), "张三");
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].caption, "提示");
    run.form().close();
    EXPECT_EQ(StoredSettings(run.folder).text("Users"), "abc;张三;?Bob;");
}

TEST(Settings, ASwitchOutsideZeroAndOneFallsBackToItsDefault) {
    RunningProgram run(
        writeIni("[Software]\nOrnvale\\Quorvin\\PlayWav=2147483647\n"
                 "Ornvale\\Quorvin\\PYOldTip=-1\n"));
    EXPECT_EQ(run.program->settings().PlayWav, 1);
    EXPECT_FALSE(run.form().CheckBox2.checked());
    EXPECT_EQ(run.program->settings().PYOldTip, 1);
    EXPECT_EQ(StoredSettings(run.folder).integer("PlayWav"), 1);
}

// What stands where the settings file should be: it can be neither read nor written, even by
// root, and a FIFO must not hold the start-up in its open().
class UnusableSettingsFile : public ::testing::TestWithParam<bool> {};

TEST_P(UnusableSettingsFile, LeavesTheRunWorkingAndItselfUntouchedAndIsToldOnce) {
    const bool fifo = GetParam();
    RunningProgram run([fifo](TempProgramFolder& folder) {
        if (fifo) {
            ASSERT_EQ(::mkfifo((folder / "Quorvin.ini").c_str(), 0644), 0);
        } else {
            fs::create_directory(folder / "Quorvin.ini");
            folder.write("Quorvin.ini/keep", "x");
        }
    });
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].caption, "提示");
    EXPECT_NE(run.platform.messages[0].text.find("Quorvin.ini 无法写入"), std::string::npos);
    const auto before = snapshot(run.folder.path());
    auto& f = run.form();
    EXPECT_EQ(f.TrackBar1.position(), 5);
    f.CheckBox1.click();
    EXPECT_EQ(run.program->settings().PlayMp3, 0);
    f.TrackBar1.setPosition(7);
    f.close();
    EXPECT_EQ(snapshot(run.folder.path()), before);
    EXPECT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(fs::is_fifo(run.folder / "Quorvin.ini"), fifo);
}

INSTANTIATE_TEST_SUITE_P(FolderOrFifo, UnusableSettingsFile, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Fifo" : "Folder"; });

}  // namespace
}  // namespace quorvin::testing
