#include "records/user_window.h"

#include "ui/gbk.h"

namespace quorvin::records {

namespace {

const ui::Font kFont{"宋体", 13, false};

template <typename T>
T& place(ui::Form& form, const char* name, ui::Rect r) {
    auto& control = form.add<T>(name);
    control.setGeometry(r);
    control.setFont(kFont);
    return control;
}

ui::Button& button(ui::Form& form, const char* name, ui::Rect r, const char* caption) {
    auto& b = place<ui::Button>(form, name, r);
    b.setCaption(ui::toGbk(caption));
    return b;
}

ui::Label& label(ui::Form& form, const char* name, ui::Rect r) {
    auto& l = place<ui::Label>(form, name, r);
    l.setAutoSize(true);
    return l;
}

// Why a new name was refused, for the learner; nullptr when there is nothing to say.
const char* refusal(UserList::NewName verdict) {
    switch (verdict) {
        case UserList::NewName::ListFull:
            return "用户已满200个，不能再新建用户！";
        case UserList::NewName::HasSeparator:
            return "用户名不能含有分号“;”！";
        case UserList::NewName::TooLong:
            return "用户名太长，最多100个字节（50个汉字）！";
        case UserList::NewName::NotGbk:
            return "用户名含有GBK不能表示的字符！";
        case UserList::NewName::Added:
        case UserList::NewName::Empty:
            break;
    }
    return nullptr;
}

}  // namespace

TForm5::TForm5(ui::Platform& platform, UserList& users, std::function<void()> currentUserChanged)
    : ui::Form("TForm5"),
      ListBox1(place<ui::ListBox>(*this, "ListBox1", {12, 12, 150, 206})),
      Label2(label(*this, "Label2", {176, 14, 0, 0})),
      Button1(button(*this, "Button1", {176, 40, 75, 25}, "登陆(&L)")),
      Button2(button(*this, "Button2", {176, 72, 75, 25}, "新建(&A)")),
      Button3(button(*this, "Button3", {176, 104, 75, 25}, "删除(&D)")),
      Button4(button(*this, "Button4", {176, 136, 75, 25}, "退出(&X)")),
      Label1(label(*this, "Label1", {176, 172, 0, 0})),
      Edit1(place<ui::Edit>(*this, "Edit1", {176, 190, 100, 21})),
      Button6(button(*this, "Button6", {282, 188, 66, 25}, "确定(&O)")),
      platform_(platform),
      users_(users),
      currentUserChanged_(std::move(currentUserChanged)) {
    setCaption(ui::toGbk("用户管理"));
    setClientSize(ClientWidth, ClientHeight);
    setBorderStyle(ui::BorderStyle::Dialog);
    setPosition(ui::FormPosition::MainFormCenter);
    setFont(kFont);
    Label1.hide();
    Edit1.hide();
    Button6.hide();

    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button6.onClick = [this] { Button6Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Button4.onClick = [this] { close(); };
    FormCreate();
}

void TForm5::FormCreate() {
    ListBox1.setItems(users_.UserNames());
    showCurrentUser();
}

void TForm5::showCurrentUser() {
    Label2.setCaption(ui::toGbk("当前用户:") + users_.CurrentUser());
}

void TForm5::announceCurrentUser() {
    if (currentUserChanged_) currentUserChanged_();
}

void TForm5::hideNewUserBox() {
    Edit1.hide();
    Label1.hide();
    Button6.hide();
}

void TForm5::Button1Click() {
    if (ListBox1.itemIndex() >= 0) {
        users_.logIn(ListBox1.itemIndex());
        announceCurrentUser();
    }
    close();
}

void TForm5::Button2Click() {
    Edit1.show();
    Label1.setCaption(ui::toGbk("新建用户名"));
    Label1.show();
    Button6.show();
}

void TForm5::Button6Click() {
    const UserList::NewName verdict = users_.add(Edit1.text());
    if (verdict == UserList::NewName::Added) {
        announceCurrentUser();
        ListBox1.addItem(users_.UserNames().back());
        showCurrentUser();
    } else if (const char* why = refusal(verdict)) {
        platform_.messageBox(ui::toGbk(why), ui::toGbk("错误"), ui::MessageIcon::Error);
    }
    hideNewUserBox();
}

void TForm5::Button3Click() {
    const int selected = ListBox1.itemIndex();
    if (selected < 0) return;
    const std::string before = users_.CurrentUser();
    switch (users_.remove(selected)) {
        case UserList::Removal::SystemUser:
            platform_.messageBox(ui::toGbk("不能删除系统用户！"), ui::toGbk("错误"),
                                 ui::MessageIcon::Error);
            return;
        case UserList::Removal::NoSuchUser:
            return;
        case UserList::Removal::Removed:
            break;
    }
    if (users_.CurrentUser() != before) announceCurrentUser();
    ListBox1.removeItem(selected);
    showCurrentUser();
}

}  // namespace quorvin::records
