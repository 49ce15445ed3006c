#include "app/about_box.h"

#include "ui/gbk.h"

namespace quorvin::app {

namespace {

ui::Font song(int px) {
    return ui::Font{"宋体", px, false};
}

template <typename T>
T& place(ui::Form& form, const char* name, ui::Rect r, int fontPixels, ui::Colour colour) {
    auto& control = form.add<T>(name);
    control.setGeometry(r);
    control.setFont(song(fontPixels));
    control.setColour(colour);
    return control;
}

ui::Label& label(ui::Form& form, const char* name, ui::Rect r, int fontPixels,
                 const char* caption) {
    auto& l = place<ui::Label>(form, name, r, fontPixels, ui::colours::Black);
    l.setCaption(ui::toGbk(caption));
    l.setAutoSize(r.width == 0);
    return l;
}

// Docked to the bottom.
constexpr ui::Rect kGroupBox{0, 152, TForm2::ClientWidth, TForm2::ClientHeight - 152};
// The description fills the group box below its caption.
constexpr ui::Rect kDescription{kGroupBox.left + 6, kGroupBox.top + 20, kGroupBox.width - 12,
                                kGroupBox.height - 26};

const char* const kDescriptionText =
    "本软件需要在英文输入法状态下进行英文字母、数字键、拼音、86版五笔练习，软件支持音效功能，"
    "电脑有声音输出，开启后练习效果更佳。"
    "在五笔练习(拼音训练)中可按键盘上的F1、F2、F3、F4键对应的汉字显示出该汉字的五笔编码(拼音)"
    "和该汉字的五笔拆解图(直观易理解)，可按多次。打字界面有全屏幕和窗口显示两种，"
    "本次版本改进打中效果。";

}  // namespace

TForm2::TForm2()
    : ui::Form("TForm2"),
      Label1(label(*this, "Label1", {63, 19, 0, 0}, 16, "名称:  Quorvin")),
      Label5(label(*this, "Label5", {62, 52, 0, 0}, 16, "版本:  2024年9月1日版")),
      Button1(place<ui::Button>(*this, "Button1", {247, 120, 75, 25}, 15, ui::colours::HotLight)),
      GroupBox1(place<ui::GroupBox>(*this, "GroupBox1", kGroupBox, 15, ui::colours::Black)),
      Label6(label(*this, "Label6", kDescription, 15, kDescriptionText)) {
    setCaption(ui::toGbk("关于..."));
    setClientSize(ClientWidth, ClientHeight);
    setBorderStyle(ui::BorderStyle::Dialog);
    setPosition(ui::FormPosition::MainFormCenter);
    setFont(song(13));
    Button1.setCaption(ui::toGbk("确定(&O)"));
    GroupBox1.setCaption(ui::toGbk("说明"));
    Label6.setWordWrap(true);
    Button1.onClick = [this] { close(); };
}

}  // namespace quorvin::app
