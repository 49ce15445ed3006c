#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin::records {

// The main window's caption while a user is logged in.
std::string mainCaption(const std::string& baseCaption, const std::string& currentUser);

// The user list of a run. UsersText (every name followed by ";") and CurrentUser belong to
// the settings, which store them; the list changes them in place and keeps UserNames, the
// names parsed from UsersText, in step. Texts are GBK.
class UserList {
  public:
    static constexpr int Capacity = 200;
    static constexpr std::size_t NameLimit = 100;
    // Who is logged in after the current user was deleted.
    static constexpr const char* FallbackUser = "abc";

    UserList(std::string& usersText, std::string& currentUser)
        : usersText_(usersText), currentUser_(currentUser) {}
    UserList(const UserList&) = delete;
    UserList& operator=(const UserList&) = delete;

    // Start-up: a ";" ends each name, so text after the last one is no name and two in a row
    // make an empty one; names beyond the capacity are dropped.
    void parse();

    // UserNames[0] is the system user, who cannot be deleted.
    const std::vector<std::string>& UserNames() const { return names_; }
    int UserCount() const { return static_cast<int>(names_.size()); }
    const std::string& UsersText() const { return usersText_; }
    const std::string& CurrentUser() const { return currentUser_; }

    // index counts from 0 in UserNames.
    void logIn(int index);

    enum class NewName { Added, Empty, ListFull, HasSeparator, TooLong, NotGbk };
    // Whether a name can be added, and if not, why.
    NewName check(const std::string& name) const;
    // Adds the name at the end and logs it in; anything but Added changes nothing.
    NewName add(const std::string& name);

    enum class Removal { Removed, SystemUser, NoSuchUser };
    // Deletes a user; deleting the current one logs in FallbackUser.
    Removal remove(int index);

  private:
    bool valid(int index) const { return index >= 0 && index < UserCount(); }

    std::string& usersText_;
    std::string& currentUser_;
    std::vector<std::string> names_;
};

}  // namespace quorvin::records
