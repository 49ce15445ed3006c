// The material's links into the resource libraries: every sound a Pinyin table names and
// every key-stroke animation a Wubi table numbers is there to be fetched.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "built_material.h"
#include "data/fixed_columns.h"
#include "data/media_resources.h"
#include "faults.h"

namespace quorvin::material {
namespace {

class MaterialResources : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(material_.status(), data::DataFileStatus::Ok);
        ASSERT_TRUE(media_.load(testing::builtProgramFolder()));
    }

    BuiltMaterial material_;
    data::MediaResources media_;
};

TEST_F(MaterialResources, EverySoundNameHasItsSyllableInWavRes) {
    const auto& pinyin = material_.pinyin();
    std::set<std::string> names;
    for (int n = 1; n < pinyin.PYsTable.End(); ++n)
        names.insert(pinyin.PYsTable[n].Sound);
    for (int n = 1; n < pinyin.PYOneTable.End(); ++n)
        names.insert(pinyin.PYOneTable[n].Sound);
    for (int n = 1; n < pinyin.PYTwoTable.End(); ++n)
        names.insert(pinyin.PYTwoTable[n].Sounds.begin(), pinyin.PYTwoTable[n].Sounds.end());
    for (int n = 1; n < pinyin.PYMultiTable.End(); ++n) {
        for (const std::string& sound : pinyin.PYMultiTable[n].Sounds) {
            if (!sound.empty()) names.insert(sound);
        }
    }
    Faults faults("WavRes.dll");
    for (const std::string& name : names) {
        if (media_.sound(name).empty()) faults.add(name);
    }
    faults.expectNone();
}

TEST_F(MaterialResources, EveryAnimationNumberHasItsGif) {
    const auto& wubi = material_.wubi();
    // The hint passes WbOneTable positions; the drills pass the numbers wb2 and wbs give.
    std::set<std::int32_t> numbers;
    for (int n = 1; n < wubi.WbOneTable.End(); ++n)
        numbers.insert(n);
    for (int n = 1; n < wubi.WbsTable.End(); ++n)
        numbers.insert(wubi.WbsTable[n].AnimationNo);
    for (std::int64_t i = 0; i < wubi.Wb2Table.count(); ++i)
        numbers.insert(data::decimalOr(data::trimField(wubi.Wb2Table.record(i).substr(8, 8)), 0));
    Faults faults("wbrc1.dll and wbrc2.dll");
    for (const std::int32_t n : numbers) {
        const auto gif = media_.animation(n);
        if (gif.size() < 6 || std::string(gif.begin(), gif.begin() + 3) != "GIF")
            faults.add(data::animationResourceName(n));
    }
    faults.expectNone();
}

}  // namespace
}  // namespace quorvin::material
