#include <gtest/gtest.h>

#include <functional>

#include "app/program.h"
#include "model/typing_types.h"
#include "records/score_query.h"
#include "records/score_query_window.h"
#include "records_fixtures.h"
#include "running_program.h"

namespace quorvin::testing {
namespace {

using records::TForm3;

// The stored history of these tests, oldest first; carl is in no user list.
const std::vector<records::orvScoreSet> kHistory = {
    result("abc", "英文(大)", "100字"), result("bob", "数字练习", "8字"),
    result("abc", "五笔文章", "35字"),  result("carl", "英文(大)", "12字"),
    result("bob", "英文(大)", "9字"),   result("abc", "拼音文章", "100字"),
};

RunningProgram runWithHistory(const std::vector<records::orvScoreSet>& history = kHistory) {
    return RunningProgram([&](TempProgramFolder& folder) {
        folder.write("orvScore.dat", scoreFile(history));
        withUsers("abc;bob;", "abc")(folder);
    });
}

// Opens the score query window from the leave menu and does what the learner does in it.
void inQueryWindow(RunningProgram& run, const std::function<void(TForm3&)>& use) {
    run.platform.modalScripts.push_back(
        [use](ui::Form& form) { use(dynamic_cast<TForm3&>(form)); });
    run.form().Button4.click();
    ASSERT_TRUE(run.form().PopupMenu2.choose("N8"));
}

// A column of the list as the learner reads it, top to bottom.
std::vector<std::string> column(const TForm3& window, int c) {
    std::vector<std::string> cells;
    for (int row = 0; row < window.ListView1.rowCount(); ++row)
        cells.push_back(ui::fromGbk(window.ListView1.cell(row, c)));
    return cells;
}

constexpr int kTypeColumn = 0;
constexpr int kTotalColumn = 2;
constexpr int kUserColumn = 7;

using Cells = std::vector<std::string>;

TEST(ScoreQuery, OpeningListsEveryResultInAscendingOrderOfTheType) {
    auto run = runWithHistory();
    bool opened = false;
    inQueryWindow(run, [&](TForm3& w) {
        opened = true;
        EXPECT_EQ(ui::fromGbk(w.caption()), "查询打字成绩");
        // GBK puts the common characters in Pinyin order: pin, shu, wu, ying.
        EXPECT_EQ(column(w, kTypeColumn),
                  (Cells{"拼音文章", "数字练习", "五笔文章", "英文(大)", "英文(大)", "英文(大)"}));
        // Equal types keep the order of the history.
        EXPECT_EQ(column(w, kUserColumn), (Cells{"abc", "bob", "abc", "abc", "carl", "bob"}));
        const Cells firstRow = {
            "拼音文章", "0:1:0", "100字", "95.5%", "3", "120字/分", "2024年9月1日10时30分 星期日",
            "abc",      ""};
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(ui::fromGbk(w.ListView1.cell(0, c)), firstRow[static_cast<std::size_t>(c)]);
    });
    EXPECT_TRUE(opened);
    EXPECT_EQ(run.platform.modalForms, (std::vector<std::string>{"TForm3"}));
}

TEST(ScoreQuery, TheFilterBoxesStartAtAllAndOfferTheUsersAndTheTypes) {
    auto run = runWithHistory();
    inQueryWindow(run, [](TForm3& w) {
        EXPECT_EQ(w.ComboBox1.items(),
                  (std::vector<std::string>{ui::toGbk("所有用户"), "abc", "bob"}));
        EXPECT_EQ(w.ComboBox1.itemIndex(), 0);
        ASSERT_EQ(w.ComboBox2.items().size(), 24u);
        EXPECT_EQ(ui::fromGbk(w.ComboBox2.items()[0]), "所有类型");
        for (int type = 0; type < model::TypingTypeCount; ++type)
            EXPECT_EQ(w.ComboBox2.items()[static_cast<std::size_t>(type + 1)],
                      model::typingTypeCaption(type));
        EXPECT_EQ(w.ComboBox2.itemIndex(), 0);
    });
}

TEST(ScoreQuery, AQueryListsWhatTheBoxesSelect) {
    struct Case {
        int user;
        int type;  // index in ComboBox2: 0 all, else type + 1
        Cells users;
        Cells types;
    };
    const Case cases[] = {
        {2, 0, {"bob", "bob"}, {"数字练习", "英文(大)"}},
        {0, 1, {"abc", "carl", "bob"}, {"英文(大)", "英文(大)", "英文(大)"}},
        {1, 1, {"abc"}, {"英文(大)"}},
        {2, 23, {}, {}},
    };
    auto run = runWithHistory();
    for (const Case& c : cases) {
        inQueryWindow(run, [&](TForm3& w) {
            w.ComboBox1.choose(c.user);
            w.ComboBox2.choose(c.type);
            w.Button1.click();
            EXPECT_EQ(column(w, kUserColumn), c.users) << c.user << "/" << c.type;
            EXPECT_EQ(column(w, kTypeColumn), c.types) << c.user << "/" << c.type;
        });
    }
}

TEST(ScoreQuery, FilterRule) {
    records::ScoreTable table;
    for (const auto& record : kHistory)
        table.append(record);
    table.append(result("", "英文(大)"));  // a deleted entry
    const std::string english = ui::toGbk("英文(大)");
    struct Case {
        records::FilterBox user;
        records::FilterBox type;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {{0, ""}, {0, ""}, {1, 2, 3, 4, 5, 6}},
        {{0, ""}, {1, english}, {1, 4, 5}},
        // A name typed into the box filters like a chosen one, listed or not.
        {{-1, "carl"}, {0, ""}, {4}},
        {{-1, "carl"}, {1, english}, {4}},
        {{-1, "car"}, {0, ""}, {}},
        // The box's text, not its first item, decides when it stands elsewhere.
        {{-1, ui::toGbk("所有用户")}, {0, ""}, {}},
        // Typed texts never reach a deleted entry.
        {{0, ""}, {-1, ""}, {}},
    };
    for (const Case& c : cases) {
        const records::ScoreFilter filter(c.user, c.type);
        std::vector<int> matching;
        for (int p = 1; p <= table.ScoreCount(); ++p)
            if (filter.matches(table, p)) matching.push_back(p);
        EXPECT_EQ(matching, c.positions) << c.user.text << "/" << ui::fromGbk(c.type.text);
    }
}

TEST(ScoreQuery, ColumnClicksAlternateTheDirectionForTheWholeRun) {
    auto run = runWithHistory();
    EXPECT_FALSE(run.program->SortAscending);
    inQueryWindow(run, [](TForm3& w) {
        // The first click of a run sorts descending, by text: 9 and 8 before 35 and 100.
        w.ListView1.clickColumn(kTotalColumn);
        EXPECT_EQ(column(w, kTotalColumn), (Cells{"9字", "8字", "35字", "12字", "100字", "100字"}));
    });
    EXPECT_TRUE(run.program->SortAscending);
    inQueryWindow(run, [](TForm3& w) {
        // A fresh window; the next click, on another column, sorts ascending.
        w.ListView1.clickColumn(kUserColumn);
        EXPECT_EQ(column(w, kUserColumn), (Cells{"abc", "abc", "abc", "bob", "bob", "carl"}));
        // Ties keep the order the list had: by type, as opened.
        EXPECT_EQ(column(w, kTypeColumn),
                  (Cells{"拼音文章", "五笔文章", "英文(大)", "数字练习", "英文(大)", "英文(大)"}));
        w.ListView1.clickColumn(kUserColumn);
        EXPECT_EQ(column(w, kUserColumn), (Cells{"carl", "bob", "bob", "abc", "abc", "abc"}));
    });
    EXPECT_TRUE(run.program->SortAscending);
}

TEST(ScoreQuery, DeletingWithBothBoxesAtAllEmptiesTheHistory) {
    auto run = runWithHistory();
    inQueryWindow(run, [](TForm3& w) { w.Button3.click(); });
    EXPECT_EQ(run.program->scores().ScoreCount(), 0);
    // No question was asked.
    EXPECT_TRUE(run.platform.messages.empty());
    run.form().close();
    EXPECT_EQ(run.folder.read("orvScore.dat"), scoreFile({}));
}

TEST(ScoreQuery, DeletingFollowsTheBoxesNotTheList) {
    auto run = runWithHistory();
    inQueryWindow(run, [](TForm3& w) {
        w.ComboBox1.choose(2);  // bob
        w.Button1.click();
        ASSERT_EQ(column(w, kUserColumn), (Cells{"bob", "bob"}));
        w.ComboBox1.choose(0);  // back to all users, unqueried
        w.ComboBox2.choose(1);  // 英文(大)
        w.Button3.click();
        EXPECT_EQ(w.ListView1.rowCount(), 0);
    });
    // Every user's 英文(大) went; the positions stay counted until the next start.
    const auto& scores = run.program->scores();
    EXPECT_EQ(scores.ScoreCount(), 6);
    for (int p : {1, 4, 5})
        EXPECT_TRUE(scores.deleted(p)) << p;
    inQueryWindow(run, [](TForm3& w) {
        EXPECT_EQ(column(w, kTypeColumn), (Cells{"拼音文章", "数字练习", "五笔文章"}));
    });
    run.form().close();
    EXPECT_EQ(run.folder.read("orvScore.dat"), scoreFile({kHistory[1], kHistory[2], kHistory[5]}));
}

TEST(ScoreQuery, TheCloseButtonClosesTheWindow) {
    auto run = runWithHistory();
    bool closedByButton = false;
    inQueryWindow(run, [&](TForm3& w) {
        w.Button2.click();
        closedByButton = w.closed();
    });
    EXPECT_TRUE(closedByButton);
}

}  // namespace
}  // namespace quorvin::testing
