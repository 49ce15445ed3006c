#include "records/users.h"

#include "ui/gbk.h"

namespace quorvin::records {

namespace {

// Whether every byte belongs to a well-formed GBK character.
bool isGbkText(std::string_view text) {
    return ui::fromGbk(text).find("\xEF\xBF\xBD") == std::string::npos;
}

}  // namespace

std::string mainCaption(const std::string& baseCaption, const std::string& currentUser) {
    return baseCaption + "----" + currentUser;
}

void UserList::parse() {
    names_.clear();
    std::string name;
    for (const char byte : usersText_) {
        if (UserCount() >= Capacity) break;
        if (byte == ';') {
            names_.push_back(std::move(name));
            name.clear();
        } else {
            name += byte;
        }
    }
}

void UserList::logIn(int index) {
    if (valid(index)) currentUser_ = names_[static_cast<std::size_t>(index)];
}

UserList::NewName UserList::check(const std::string& name) const {
    if (name.empty()) return NewName::Empty;
    if (UserCount() >= Capacity) return NewName::ListFull;
    if (name.find(';') != std::string::npos) return NewName::HasSeparator;
    if (name.size() > NameLimit) return NewName::TooLong;
    if (!isGbkText(name)) return NewName::NotGbk;
    return NewName::Added;
}

UserList::NewName UserList::add(const std::string& name) {
    const NewName verdict = check(name);
    if (verdict != NewName::Added) return verdict;
    names_.push_back(name);
    currentUser_ = name;
    usersText_ += name + ";";
    return verdict;
}

UserList::Removal UserList::remove(int index) {
    if (!valid(index)) return Removal::NoSuchUser;
    if (index == 0) return Removal::SystemUser;
    if (names_[static_cast<std::size_t>(index)] == currentUser_) currentUser_ = FallbackUser;
    names_.erase(names_.begin() + index);
    usersText_.clear();
    for (const std::string& name : names_)
        usersText_ += name + ";";
    return Removal::Removed;
}

}  // namespace quorvin::records
