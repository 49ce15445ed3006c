#pragma once

#include <functional>

#include "records/users.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/platform.h"

namespace quorvin::records {

// The user window: log in as another user, create users, delete users. Made afresh for each
// opening and shown modally; it changes the user list in place and calls currentUserChanged
// whenever the logged-in user changed, so the main window can show it.
class TForm5 : public ui::Form {
  public:
    TForm5(ui::Platform& platform, UserList& users, std::function<void()> currentUserChanged);

    ui::ListBox& ListBox1;
    ui::Label& Label2;
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Button& Button3;
    ui::Button& Button4;
    ui::Label& Label1;
    ui::Edit& Edit1;
    ui::Button& Button6;

    static constexpr int ClientWidth = 360;
    static constexpr int ClientHeight = 230;

  private:
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button6Click();
    void Button3Click();
    void showCurrentUser();
    void announceCurrentUser();
    void hideNewUserBox();

    ui::Platform& platform_;
    UserList& users_;
    std::function<void()> currentUserChanged_;
};

}  // namespace quorvin::records
