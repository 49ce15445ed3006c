#include <gtest/gtest.h>

#include <functional>

#include "app/program.h"
#include "records/user_window.h"
#include "records/users.h"
#include "records_fixtures.h"
#include "running_program.h"

namespace quorvin::testing {
namespace {

using records::TForm5;
using records::UserList;
using Names = std::vector<std::string>;

Names utf8(const Names& gbk) {
    Names names;
    for (const auto& n : gbk)
        names.push_back(ui::fromGbk(n));
    return names;
}

TEST(UserList, ParsingTheStoredText) {
    struct Case {
        const char* name;
        std::string text;
        Names names;
    };
    std::string twoHundredAndOne;
    Names twoHundred;
    for (int i = 1; i <= 201; ++i) {
        twoHundredAndOne += "u" + std::to_string(i) + ";";
        if (i <= 200) twoHundred.push_back("u" + std::to_string(i));
    }
    const Case cases[] = {
        {"Default", "abc;", {"abc"}},
        {"TwoNames", ui::toGbk("abc;张三;"), {"abc", ui::toGbk("张三")}},
        {"TextAfterTheLastSeparatorIsNoName", "abc;bob", {"abc"}},
        {"TwoSeparatorsMakeAnEmptyName", "abc;;", {"abc", ""}},
        {"NamesAreNotTrimmed", " abc ;", {" abc "}},
        {"Empty", "", {}},
        {"TheFirstTwoHundredAreKept", twoHundredAndOne, twoHundred},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        std::string current = "abc";
        UserList users(text, current);
        users.parse();
        EXPECT_EQ(users.UserNames(), c.names) << c.name;
        EXPECT_EQ(users.UserCount(), static_cast<int>(c.names.size())) << c.name;
    }
}

TEST(UserList, NewNamesThatAreRefused) {
    std::string full;
    for (int i = 0; i < UserList::Capacity; ++i)
        full += "u" + std::to_string(i) + ";";
    // 100 bytes: 50 Latin letters and 25 Chinese characters.
    std::string longest(50, 'n');
    for (int i = 0; i < 25; ++i)
        longest += ui::toGbk("汉");
    struct Case {
        const char* name;
        std::string usersText;
        std::string newName;
        UserList::NewName verdict;
    };
    const Case cases[] = {
        {"Empty", "abc;", "", UserList::NewName::Empty},
        {"Separator", "abc;", "a;b", UserList::NewName::HasSeparator},
        {"OneByteTooLong", "abc;", std::string(101, 'n'), UserList::NewName::TooLong},
        {"NotGbk", "abc;", "\x81", UserList::NewName::NotGbk},
        {"NotGbkEither", "abc;", "ab\xFF\x30", UserList::NewName::NotGbk},
        {"TwoHundredAndFirst", full, "late", UserList::NewName::ListFull},
        {"LongestAllowed", "abc;", longest, UserList::NewName::Added},
        {"TwoHundredth", full.substr(0, full.rfind(';', full.size() - 2) + 1), "last",
         UserList::NewName::Added},
    };
    for (const Case& c : cases) {
        std::string text = c.usersText;
        std::string current = "abc";
        UserList users(text, current);
        users.parse();
        const Names before = users.UserNames();
        const UserList::NewName verdict = users.add(c.newName);
        EXPECT_EQ(verdict, c.verdict) << c.name;
        if (verdict == UserList::NewName::Added) {
            EXPECT_EQ(current, c.newName) << c.name;
            EXPECT_EQ(text, c.usersText + c.newName + ";") << c.name;
        } else {
            EXPECT_EQ(users.UserNames(), before) << c.name;
            EXPECT_EQ(text, c.usersText) << c.name;
            EXPECT_EQ(current, "abc") << c.name;
        }
    }
}

// Opens the user window from the leave menu and does what the learner does in it.
void inUserWindow(RunningProgram& run, const std::function<void(TForm5&)>& use) {
    run.platform.modalScripts.push_back(
        [use](ui::Form& form) { use(dynamic_cast<TForm5&>(form)); });
    run.form().Button4.click();
    ASSERT_TRUE(run.form().PopupMenu2.choose("N7"));
}

std::string captionUser(RunningProgram& run) {
    const std::string caption = ui::fromGbk(run.form().caption());
    return caption.substr(caption.rfind("----") + 4);
}

TEST(Users, TheStoredListAndCurrentUserShowInTheCaptionAndTheWindow) {
    RunningProgram run(withUsers("abc;张三;", "张三"));
    EXPECT_EQ(ui::fromGbk(run.form().caption()),
              ui::fromGbk(run.program->BaseCaption) + "----张三");
    bool opened = false;
    inUserWindow(run, [&](TForm5& w) {
        opened = true;
        EXPECT_EQ(ui::fromGbk(w.caption()), "用户管理");
        EXPECT_EQ(utf8(w.ListBox1.items()), (Names{"abc", "张三"}));
        EXPECT_EQ(ui::fromGbk(w.Label2.caption()), "当前用户:张三");
        EXPECT_FALSE(w.Edit1.visible());
        EXPECT_FALSE(w.Label1.visible());
        EXPECT_FALSE(w.Button6.visible());
    });
    EXPECT_TRUE(opened);
    EXPECT_EQ(run.platform.modalForms, (std::vector<std::string>{"TForm5"}));
}

TEST(Users, TextAfterTheLastSeparatorIsNoUser) {
    RunningProgram run(withUsers("abc;bob", "abc"));
    EXPECT_EQ(run.program->users().UserNames(), (Names{"abc"}));
}

TEST(Users, LoggingInChangesTheCaptionAndClosesTheWindow) {
    RunningProgram run(withUsers("abc;bob;", "abc"));
    inUserWindow(run, [](TForm5& w) {
        w.ListBox1.setItemIndex(1);
        w.Button1.click();
        EXPECT_TRUE(w.closed());
    });
    EXPECT_EQ(captionUser(run), "bob");
    run.form().close();
    EXPECT_EQ(storedText(run.folder, "CurrentUser"), "bob");
}

TEST(Users, LoggingInWithNothingSelectedOnlyClosesTheWindow) {
    RunningProgram run(withUsers("abc;bob;", "bob"));
    inUserWindow(run, [](TForm5& w) {
        w.Button1.click();
        EXPECT_TRUE(w.closed());
    });
    EXPECT_EQ(captionUser(run), "bob");
    EXPECT_EQ(run.program->settings().CurrentUser, "bob");
}

TEST(Users, ANewUserIsLoggedInAtOnceAndStoredAtTheNextClose) {
    RunningProgram run(withUsers("abc;", "abc"));
    inUserWindow(run, [&](TForm5& w) {
        w.Button2.click();
        EXPECT_TRUE(w.Edit1.visible());
        EXPECT_TRUE(w.Button6.visible());
        EXPECT_TRUE(w.Label1.visible());
        EXPECT_EQ(ui::fromGbk(w.Label1.caption()), "新建用户名");
        w.Edit1.setText(ui::toGbk("李四"));
        w.Button6.click();
        EXPECT_EQ(utf8(w.ListBox1.items()), (Names{"abc", "李四"}));
        EXPECT_EQ(ui::fromGbk(w.Label2.caption()), "当前用户:李四");
        EXPECT_EQ(captionUser(run), "李四");
        EXPECT_FALSE(w.Edit1.visible());
        EXPECT_FALSE(w.Label1.visible());
        EXPECT_FALSE(w.Button6.visible());
        // The box keeps its text for the next new user.
        w.Button2.click();
        EXPECT_EQ(ui::fromGbk(w.Edit1.text()), "李四");
    });
    run.form().close();
    EXPECT_EQ(storedText(run.folder, "Users"), "abc;李四;");
    EXPECT_EQ(storedText(run.folder, "CurrentUser"), "李四");
}

TEST(Users, AnEmptyNewNameDoesNothing) {
    RunningProgram run(withUsers("abc;", "abc"));
    inUserWindow(run, [](TForm5& w) {
        w.Button2.click();
        w.Button6.click();
        EXPECT_EQ(w.ListBox1.items().size(), 1u);
        EXPECT_FALSE(w.Edit1.visible());
    });
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_EQ(run.program->settings().UsersText, "abc;");
}

TEST(Users, ARefusedNameIsExplainedAndChangesNothing) {
    const std::pair<std::string, const char*> cases[] = {
        {"a;b", "用户名不能含有分号“;”！"},
        {std::string(101, 'x'), "用户名太长，最多100个字节（50个汉字）！"},
        {"\x81", "用户名含有GBK不能表示的字符！"},
    };
    for (const auto& [name, message] : cases) {
        RunningProgram run(withUsers("abc;", "abc"));
        inUserWindow(run, [&name = name](TForm5& w) {
            w.Button2.click();
            w.Edit1.setText(name);
            w.Button6.click();
            EXPECT_EQ(w.ListBox1.items().size(), 1u);
            EXPECT_EQ(ui::fromGbk(w.Label2.caption()), "当前用户:abc");
        });
        ASSERT_EQ(run.platform.messages.size(), 1u);
        EXPECT_EQ(run.platform.messages[0].text, message);
        EXPECT_EQ(run.platform.messages[0].caption, "错误");
        EXPECT_EQ(run.platform.messages[0].icon, ui::MessageIcon::Error);
        EXPECT_EQ(captionUser(run), "abc");
        EXPECT_EQ(run.program->settings().UsersText, "abc;");
    }
}

TEST(Users, TheTwoHundredAndFirstUserIsRefused) {
    std::string full;
    for (int i = 0; i < 200; ++i)
        full += "u" + std::to_string(i) + ";";
    RunningProgram run(withUsers(full, "u0"));
    inUserWindow(run, [](TForm5& w) {
        w.Button2.click();
        w.Edit1.setText("late");
        w.Button6.click();
        EXPECT_EQ(w.ListBox1.items().size(), 200u);
    });
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].text, "用户已满200个，不能再新建用户！");
    EXPECT_EQ(run.program->settings().UsersText, full);
}

TEST(Users, DeletingTheCurrentUserFallsBackToAbc) {
    RunningProgram run(withUsers("abc;bob;", "bob"));
    inUserWindow(run, [&](TForm5& w) {
        w.ListBox1.setItemIndex(1);
        w.Button3.click();
        EXPECT_EQ(utf8(w.ListBox1.items()), (Names{"abc"}));
        EXPECT_EQ(ui::fromGbk(w.Label2.caption()), "当前用户:abc");
        EXPECT_EQ(captionUser(run), "abc");
        EXPECT_FALSE(w.closed());
    });
    EXPECT_EQ(run.program->users().UserNames(), (Names{"abc"}));
    run.form().close();
    EXPECT_EQ(storedText(run.folder, "Users"), "abc;");
    EXPECT_EQ(storedText(run.folder, "CurrentUser"), "abc");
}

TEST(Users, DeletingAnotherUserKeepsTheCurrentOneAndTheirResults) {
    RunningProgram run([](TempProgramFolder& folder) {
        withUsers("abc;bob;carl;", "carl")(folder);
        folder.write("orvScore.dat", scoreFile({result("bob", "英文(大)")}));
    });
    inUserWindow(run, [](TForm5& w) {
        w.ListBox1.setItemIndex(1);
        w.Button3.click();
        EXPECT_EQ(utf8(w.ListBox1.items()), (Names{"abc", "carl"}));
    });
    EXPECT_EQ(captionUser(run), "carl");
    EXPECT_EQ(run.program->settings().UsersText, "abc;carl;");
    EXPECT_EQ(run.program->scores().field(1, records::ScoreField::User), "bob");
}

TEST(Users, TheSystemUserCannotBeDeleted) {
    RunningProgram run(withUsers("abc;bob;", "abc"));
    inUserWindow(run, [](TForm5& w) {
        w.ListBox1.setItemIndex(0);
        w.Button3.click();
        EXPECT_EQ(w.ListBox1.items().size(), 2u);
    });
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].text, "不能删除系统用户！");
    EXPECT_EQ(run.platform.messages[0].caption, "错误");
    EXPECT_EQ(run.platform.messages[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(run.program->settings().UsersText, "abc;bob;");
}

TEST(Users, DeletingWithNothingSelectedDoesNothing) {
    RunningProgram run(withUsers("abc;bob;", "bob"));
    inUserWindow(run, [](TForm5& w) {
        w.Button3.click();
        EXPECT_EQ(w.ListBox1.items().size(), 2u);
    });
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_EQ(run.program->settings().UsersText, "abc;bob;");
}

TEST(Users, TheCloseButtonClosesTheWindow) {
    RunningProgram run;
    bool closedByButton = false;
    inUserWindow(run, [&](TForm5& w) {
        w.Button4.click();
        closedByButton = w.closed();
    });
    EXPECT_TRUE(closedByButton);
}

}  // namespace
}  // namespace quorvin::testing
