#include "model/main_window.h"

#include <gtest/gtest.h>

#include "ui/gbk.h"

namespace quorvin::model {
namespace {

namespace colours = ui::colours;

struct Placement {
    const char* name;
    ui::Rect rect;  // width and height 0: sized by the caption
    const char* face;
    int px;
    ui::Colour colour;
    bool visible;
};

// The designed layout of the window as it opens.
const Placement kLayout[] = {
    {"RadioGroup1", {5, 4, 353, 126}, "宋体", 17, colours::Teal, true},
    {"RadioGroup2", {361, 4, 87, 126}, "宋体", 17, colours::Teal, true},
    {"CheckBox1", {454, 5, 105, 17}, "宋体", 13, colours::Teal, true},
    {"CheckBox2", {454, 24, 107, 17}, "宋体", 13, colours::Teal, true},
    {"CheckBox3", {454, 43, 105, 17}, "宋体", 13, colours::Teal, true},
    {"CheckBox4", {454, 62, 108, 17}, "宋体", 13, colours::Teal, true},
    {"Label10", {454, 82, 0, 0}, "宋体", 15, colours::Teal, true},
    {"Label9", {600, 99, 0, 0}, "宋体", 13, colours::Teal, true},
    {"Label6", {560, 4, 400, 59}, "宋体", 15, colours::Teal, true},
    {"ComboBox1", {562, 47, 215, 24}, "新宋体", 16, colours::WindowText, false},
    {"Label7", {10, 7, 0, 0}, "宋体", 15, colours::Teal, false},
    {"Label17", {33, 38, 0, 0}, "宋体", 13, colours::Purple, false},
    {"Label11", {43, 128, 32, 64}, "新宋体", 64, colours::Highlight, true},
    {"Label14", {761, 122, 32, 64}, "新宋体", 64, colours::Highlight, true},
    {"Label1", {23, 199, 200, 200}, "新宋体", 200, colours::Highlight, true},
    {"Label4", {741, 201, 200, 200}, "新宋体", 200, colours::Highlight, true},
    {"Label15", {888, 192, 67, 133}, "新宋体", 133, colours::Highlight, false},
    {"RichEdit1", {0, 70, 961, 29}, "新宋体", 21, colours::Highlight, false},
    {"Edit2", {0, 99, 961, 29}, "新宋体", 21, colours::WindowText, false},
    {"RichEdit6", {0, 384, 961, 29}, "新宋体", 21, colours::Highlight, false},
    {"Edit7", {0, 414, 961, 29}, "新宋体", 21, colours::WindowText, false},
    {"Label5", {7, 467, 0, 0}, "宋体", 24, colours::Highlight, true},
    {"Label8", {136, 472, 0, 0}, "宋体", 24, colours::Highlight, false},
    {"Label16", {334, 466, 0, 0}, "新宋体", 24, colours::Highlight, false},
    {"Button1", {324, 468, 69, 29}, "宋体", 17, colours::Highlight, true},
    {"Edit1", {411, 463, 214, 43}, "宋体", 35, colours::WindowText, true},
    {"Button2", {551, 468, 69, 29}, "宋体", 17, colours::Highlight, false},
    {"Button6", {635, 468, 66, 28}, "宋体", 17, colours::Highlight, true},
    {"Button4", {718, 468, 66, 29}, "宋体", 17, colours::Highlight, true},
    {"Button5", {800, 468, 66, 29}, "宋体", 17, colours::Highlight, true},
};

TEST(MainWindowLayout, EveryControlAtItsDesignedPlace) {
    TForm1 form;
    for (const auto& p : kLayout) {
        const ui::Control* c = form.find(p.name);
        ASSERT_NE(c, nullptr) << p.name;
        EXPECT_EQ(c->geometry(), p.rect) << p.name;
        EXPECT_EQ(c->font().face, p.face) << p.name;
        EXPECT_EQ(c->font().pixelHeight, p.px) << p.name;
        EXPECT_EQ(c->colour(), p.colour) << p.name;
        EXPECT_EQ(c->visible(), p.visible) << p.name;
    }
    EXPECT_TRUE(form.Edit1.font().bold);
    EXPECT_TRUE(form.Button2.font().bold);
    EXPECT_FALSE(form.Button2.enabled());
    EXPECT_EQ(form.Edit1.imeMode(), ui::ImeMode::Closed);
}

TEST(MainWindowLayout, WindowAndChoices) {
    TForm1 form;
    EXPECT_EQ(ui::fromGbk(form.caption()), "Quorvin     2024年9月1日版");
    EXPECT_EQ(form.clientWidth(), 961);
    EXPECT_EQ(form.clientHeight(), 521);
    EXPECT_EQ(form.borderStyle(), ui::BorderStyle::Single);
    EXPECT_EQ(form.position(), ui::FormPosition::ScreenCenter);
    EXPECT_TRUE(form.keyPreview());
    EXPECT_EQ(form.RadioGroup1.items().size(), 23u);
    EXPECT_EQ(form.RadioGroup1.columns(), 4);
    EXPECT_EQ(form.RadioGroup1.itemIndex(), 0);
    EXPECT_EQ(ui::fromGbk(form.RadioGroup1.caption()), "打字类型:");
    EXPECT_EQ(form.RadioGroup2.items().size(), 6u);
    EXPECT_EQ(form.RadioGroup2.itemIndex(), 0);
    EXPECT_EQ(ui::fromGbk(form.RadioGroup2.items()[1]), "1分钟");
    EXPECT_EQ(form.TrackBar1.min(), 1);
    EXPECT_EQ(form.TrackBar1.max(), 10);
    EXPECT_FALSE(form.TrackBar1.tickMarks());
    EXPECT_EQ(form.ComboBox1.dropDownCount(), 30);
    std::string bigCaptions;
    for (ui::Label* l : form.targetLabels())
        bigCaptions += ui::fromGbk(l->caption());
    EXPECT_EQ(bigCaptions, "打字练习");
    EXPECT_EQ(ui::fromGbk(form.Label6.caption()),
              "注意：练习过程按ESC键结束,按Shift+ESC键暂停继续。");
    EXPECT_TRUE(form.Label6.wordWrap());
}

TEST(MainWindowLayout, TimersAsDesigned) {
    TForm1 form;
    const std::tuple<ui::Timer*, int, bool> timers[] = {
        {&form.Timer1, 1000, false}, {&form.Timer2, 1000, true}, {&form.Timer3, 500, false},
        {&form.Timer6, 500, false},  {&form.Timer7, 1, false},   {&form.Timer8, 450, false}};
    for (const auto& [timer, interval, enabled] : timers) {
        EXPECT_EQ(timer->interval(), interval) << timer->name();
        EXPECT_EQ(timer->enabled(), enabled) << timer->name();
    }
}

TEST(MainWindowLayout, MenusListTheirItemsInOrder) {
    TForm1 form;
    std::string help;
    for (const auto& item : form.PopupMenu1.items())
        help += item.name + " ";
    EXPECT_EQ(help, "N10 N1 N2 N3 N4 N861 N5 N6 N11 ");
    ASSERT_EQ(form.PopupMenu2.items().size(), 3u);
    EXPECT_EQ(ui::fromGbk(form.PopupMenu2.items()[2].caption), "退出系统");
}

}  // namespace
}  // namespace quorvin::model
