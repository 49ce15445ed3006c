#include "model/typing_types.h"

#include <gtest/gtest.h>

#include "ui/gbk.h"

namespace quorvin::model {
namespace {

TEST(TypingTypes, FamiliesSplitAtTheirDocumentedBoundaries) {
    const std::pair<int, Family> cases[] = {{0, Family::LetterDrill}, {2, Family::LetterDrill},
                                            {3, Family::PinyinDrill}, {6, Family::PinyinDrill},
                                            {7, Family::WubiDrill},   {16, Family::WubiDrill},
                                            {17, Family::Game},       {18, Family::Game},
                                            {19, Family::Article},    {22, Family::Article}};
    for (const auto& [type, family] : cases)
        EXPECT_EQ(familyOf(type), family) << type;
    EXPECT_THROW(familyOf(23), std::out_of_range);
    EXPECT_THROW(familyOf(-1), std::out_of_range);
}

TEST(TypingTypes, CaptionsAreTheNamesInRecords) {
    const auto captions = typingTypeCaptions();
    ASSERT_EQ(captions.size(), 23u);
    EXPECT_EQ(ui::fromGbk(captions[0]), "英文(大)");
    EXPECT_EQ(ui::fromGbk(captions[12]), "字根练习");
    EXPECT_EQ(ui::fromGbk(captions[22]), "五笔文章");
    EXPECT_EQ(typingTypeCaption(19), captions[19]);
}

TEST(TypingTypes, DurationsInSeconds) {
    const int expected[DurationCount] = {30, 60, 300, 900, 1800, 3600};
    for (int i = 0; i < DurationCount; ++i)
        EXPECT_EQ(durationSeconds(i), expected[i]);
    EXPECT_EQ(ui::fromGbk(durationCaptions()[3]), "15分钟");
    EXPECT_THROW(durationSeconds(6), std::out_of_range);
}

}  // namespace
}  // namespace quorvin::model
