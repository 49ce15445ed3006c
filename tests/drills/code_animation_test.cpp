#include "drills/code_animation.h"

#include <gtest/gtest.h>

#include <memory>

#include "gif_fixture.h"
#include "program_folder.h"
#include "zip_fixture.h"

namespace quorvin::drills {
namespace {

using testing::TempProgramFolder;

// A one-frame GIF of the given size, so a test can tell which resource was shown.
std::vector<std::uint8_t> gifOfSize(int width, int height) {
    const test::GifFrameSpec frame =
        test::frameAt(0, 0, width, height,
                      std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 1));
    return test::encodeGif({width, height, {0x000000, 0xFFFFFF}, 0, {frame}});
}

class ShowCodeAnimationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Each library also holds decoys of numbers that belong to the other one.
        test::writeZip(folder_ / "WavRes.dll", {{"WAV/MyWAVabc", test::bytesOf("RIFF")}});
        test::writeZip(folder_ / "wbrc1.dll", {{"GIF/MywbGIF0", gifOfSize(9, 9)},
                                               {"GIF/MywbGIF1", gifOfSize(30, 11)},
                                               {"GIF/MywbGIF3499", gifOfSize(34, 99)},
                                               {"GIF/MywbGIF3500", gifOfSize(8, 8)},
                                               {"GIF/MywbGIF7", test::bytesOf("GIF89a broken")}});
        test::writeZip(folder_ / "wbrc2.dll", {{"GIF/MywbGIF3499", gifOfSize(7, 7)},
                                               {"GIF/MywbGIF3500", gifOfSize(35, 100)}});
        ASSERT_TRUE(resources_.load(folder_.path()));
        image_.setBounds(96, 457, 225, 41);
        image_.setPicture(previous_);
    }

    void expectUnchanged() {
        EXPECT_EQ(image_.picture(), previous_);
        EXPECT_EQ(image_.geometry(), (ui::Rect{96, 457, 225, 41}));
        EXPECT_FALSE(image_.autoSize());
    }

    TempProgramFolder folder_;
    data::MediaResources resources_;
    ui::Image image_{"Image1"};
    std::shared_ptr<const ui::Picture> previous_ = std::make_shared<const ui::Picture>();
};

TEST_F(ShowCodeAnimationTest, ShowsTheNumberedAnimationSizedToItsPicture) {
    struct Case {
        std::int32_t n;
        int width, height;
    };
    for (const Case c : {Case{1, 30, 11}, Case{3499, 34, 99}, Case{3500, 35, 100}}) {
        SCOPED_TRACE(c.n);
        ShowCodeAnimation(c.n, resources_, image_);
        ASSERT_TRUE(image_.picture());
        EXPECT_NE(image_.picture(), previous_);
        EXPECT_EQ(image_.picture()->width, c.width);
        EXPECT_EQ(image_.picture()->height, c.height);
        EXPECT_EQ(image_.picture()->frames.size(), 1u);
        EXPECT_EQ(image_.geometry(), (ui::Rect{96, 457, c.width, c.height}));
        EXPECT_TRUE(image_.autoSize());
    }
}

TEST_F(ShowCodeAnimationTest, NothingToShowLeavesTheImageAsItWas) {
    // 0 means none even where a resource of that name exists; 2 and 3501 are absent; 7 and
    // negative numbers do not decode or do not exist.
    for (std::int32_t n : {0, 2, 3501, 7, -1}) {
        SCOPED_TRACE(n);
        ShowCodeAnimation(n, resources_, image_);
        expectUnchanged();
    }
}

TEST_F(ShowCodeAnimationTest, UnloadedLibrariesShowNothing) {
    data::MediaResources none;
    ShowCodeAnimation(1, none, image_);
    expectUnchanged();
}

}  // namespace
}  // namespace quorvin::drills
