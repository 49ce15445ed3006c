#include "model/typing_types.h"

#include <array>
#include <stdexcept>

#include "ui/gbk.h"

namespace quorvin::model {

namespace {

constexpr std::array<const char*, TypingTypeCount> kTypeCaptions = {
    "英文(大)", "英文(小)", "数字练习", "拼单字练", "拼单字跟", "拼词组练", "拼词组跟", "字根跟打",
    "一级跟打", "二级跟打", "五笔单跟", "五笔词跟", "字根练习", "一级简码", "二级简码", "五笔单练",
    "五笔词练", "英文游戏", "数字游戏", "英文文章", "数字文章", "拼音文章", "五笔文章",
};

constexpr std::array<const char*, DurationCount> kDurationCaptions = {
    "30秒", "1分钟", "5分钟", "15分钟", "30分钟", "60分钟",
};
constexpr std::array<int, DurationCount> kDurationSeconds = {30, 60, 300, 900, 1800, 3600};

void checkType(int type) {
    if (type < 0 || type >= TypingTypeCount)
        throw std::out_of_range("typing type " + std::to_string(type));
}

}  // namespace

Family familyOf(int type) {
    checkType(type);
    if (type <= 2) return Family::LetterDrill;
    if (type <= 6) return Family::PinyinDrill;
    if (type <= 16) return Family::WubiDrill;
    if (type <= 18) return Family::Game;
    return Family::Article;
}

std::string typingTypeCaption(int type) {
    checkType(type);
    return ui::toGbk(kTypeCaptions[type]);
}

std::vector<std::string> typingTypeCaptions() {
    std::vector<std::string> captions;
    for (const char* c : kTypeCaptions)
        captions.push_back(ui::toGbk(c));
    return captions;
}

int durationSeconds(int index) {
    if (index < 0 || index >= DurationCount)
        throw std::out_of_range("duration index " + std::to_string(index));
    return kDurationSeconds[index];
}

std::vector<std::string> durationCaptions() {
    std::vector<std::string> captions;
    for (const char* c : kDurationCaptions)
        captions.push_back(ui::toGbk(c));
    return captions;
}

bool isFileArticle(int type) {
    return type == 19 || type == 21 || type == 22;
}

}  // namespace quorvin::model
