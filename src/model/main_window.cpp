#include "model/main_window.h"

#include "model/typing_types.h"
#include "ui/gbk.h"

namespace quorvin::model {

namespace {

using ui::Font;
namespace colours = ui::colours;

const char* const kSong = "宋体";
const char* const kNewSong = "新宋体";

Font song(int px, bool bold = false) {
    return Font{kSong, px, bold};
}
Font newSong(int px) {
    return Font{kNewSong, px, false};
}

template <typename T>
T& place(T& control, ui::Rect r, Font font, ui::Colour colour) {
    control.setGeometry(r);
    control.setFont(std::move(font));
    control.setColour(colour);
    return control;
}

ui::Label& label(ui::Form& f, const char* name, ui::Rect r, Font font, ui::Colour colour,
                 const char* caption = "") {
    auto& l = place(f.add<ui::Label>(name), r, std::move(font), colour);
    l.setCaption(ui::toGbk(caption));
    // Labels given a box keep it; the others grow with their caption.
    l.setAutoSize(r.width == 0);
    return l;
}

ui::Button& button(ui::Form& f, const char* name, ui::Rect r, Font font, const char* caption) {
    auto& b = place(f.add<ui::Button>(name), r, std::move(font), colours::Highlight);
    b.setCaption(ui::toGbk(caption));
    return b;
}

ui::CheckBox& checkBox(ui::Form& f, const char* name, ui::Rect r, const char* caption) {
    auto& c = place(f.add<ui::CheckBox>(name), r, song(13), colours::Teal);
    c.setCaption(ui::toGbk(caption));
    return c;
}

ui::RadioGroup& radioGroup(ui::Form& f, const char* name, ui::Rect r, const char* caption,
                           std::vector<std::string> items, int columns) {
    auto& g = place(f.add<ui::RadioGroup>(name), r, song(17), colours::Teal);
    g.setCaption(ui::toGbk(caption));
    g.setItems(std::move(items));
    g.setColumns(columns);
    g.setItemIndex(0);
    return g;
}

ui::RichLine& sourceLine(ui::Form& f, int k) {
    auto& line =
        place(f.add<ui::RichLine>("RichEdit" + std::to_string(k)),
              {0, TForm1::SourceLineTops[k - 1], 961, 29}, newSong(21), colours::Highlight);
    line.hide();
    return line;
}

ui::Edit& typedLine(ui::Form& f, int k) {
    auto& edit =
        place(f.add<ui::Edit>("Edit" + std::to_string(k + 1)),
              {0, TForm1::TypedLineTops[k - 1], 961, 29}, newSong(21), colours::WindowText);
    edit.hide();
    return edit;
}

ui::Timer& timer(ui::Form& f, const char* name, int interval, bool enabled) {
    auto& t = f.addTimer(name);
    t.setInterval(interval);
    t.setEnabled(enabled);
    return t;
}

}  // namespace

std::string TForm1::designedCaption() {
    return ui::toGbk("Quorvin     2024年9月1日版");
}

TForm1::TForm1()
    : ui::Form("TForm1"),
      RadioGroup1(radioGroup(*this, "RadioGroup1", {5, 4, 353, 126},
                             "打字类型:", model::typingTypeCaptions(), 4)),
      RadioGroup2(radioGroup(*this, "RadioGroup2", {361, 4, 87, 126},
                             "测试时间:", model::durationCaptions(), 1)),
      CheckBox1(checkBox(*this, "CheckBox1", {454, 5, 105, 17}, "关闭背景音乐")),
      CheckBox2(checkBox(*this, "CheckBox2", {454, 24, 107, 17}, "关闭打中音效")),
      CheckBox3(checkBox(*this, "CheckBox3", {454, 43, 105, 17}, "关闭汉字读音")),
      CheckBox4(checkBox(*this, "CheckBox4", {454, 62, 108, 17}, "传统拼音提示")),
      Label10(
          label(*this, "Label10", {454, 82, 0, 0}, song(15), colours::Teal, "打中红字显示时间：")),
      TrackBar1(
          place(add<ui::TrackBar>("TrackBar1"), {447, 99, 150, 25}, song(14), colours::WindowText)),
      Label9(label(*this, "Label9", {600, 99, 0, 0}, song(13), colours::Teal, "500毫秒")),
      Label6(label(*this, "Label6", {560, 4, 400, 59}, song(15), colours::Teal,
                   "注意：练习过程按ESC键结束,按Shift+ESC键暂停继续。")),
      ComboBox1(place(add<ui::ComboBox>("ComboBox1"), {562, 47, 215, 24}, newSong(16),
                      colours::WindowText)),
      Label7(label(*this, "Label7", {10, 7, 0, 0}, song(15), colours::Teal)),
      Label17(label(*this, "Label17", {33, 38, 0, 0}, song(13), colours::Purple)),
      Label11(label(*this, "Label11", {43, 128, 32, 64}, newSong(64), colours::Highlight)),
      Label12(label(*this, "Label12", {278, 128, 32, 64}, newSong(64), colours::Highlight)),
      Label13(label(*this, "Label13", {523, 128, 32, 64}, newSong(64), colours::Highlight)),
      Label14(label(*this, "Label14", {761, 122, 32, 64}, newSong(64), colours::Highlight)),
      Label1(label(*this, "Label1", {23, 199, 200, 200}, newSong(200), colours::Highlight, "打")),
      Label2(label(*this, "Label2", {258, 199, 200, 200}, newSong(200), colours::Highlight, "字")),
      Label3(label(*this, "Label3", {503, 199, 200, 200}, newSong(200), colours::Highlight, "练")),
      Label4(label(*this, "Label4", {741, 201, 200, 200}, newSong(200), colours::Highlight, "习")),
      Label15(label(*this, "Label15", {DesignedGameStartLeft, 192, 67, 133}, newSong(133),
                    colours::Highlight)),
      RichEdit1(sourceLine(*this, 1)),
      Edit2(typedLine(*this, 1)),
      RichEdit2(sourceLine(*this, 2)),
      Edit3(typedLine(*this, 2)),
      RichEdit3(sourceLine(*this, 3)),
      Edit4(typedLine(*this, 3)),
      RichEdit4(sourceLine(*this, 4)),
      Edit5(typedLine(*this, 4)),
      RichEdit5(sourceLine(*this, 5)),
      Edit6(typedLine(*this, 5)),
      RichEdit6(sourceLine(*this, 6)),
      Edit7(typedLine(*this, 6)),
      Label5(label(*this, "Label5", {7, 467, 0, 0}, song(24), colours::Highlight)),
      Image1(place(add<ui::Image>("Image1"), {96, 457, 225, 41}, song(14), colours::WindowText)),
      Label8(label(*this, "Label8", {136, 472, 0, 0}, song(24), colours::Highlight)),
      Label16(label(*this, "Label16", {334, 466, 0, 0}, newSong(24), colours::Highlight)),
      Button1(button(*this, "Button1", {324, 468, 69, 29}, song(17), "开始")),
      Edit1(
          place(add<ui::Edit>("Edit1"), {411, 463, 214, 43}, song(35, true), colours::WindowText)),
      Button2(button(*this, "Button2", {551, 468, 69, 29}, song(17, true), "结束")),
      Button6(button(*this, "Button6", {635, 468, 66, 28}, song(17), "全屏")),
      Button4(button(*this, "Button4", {718, 468, 66, 29}, song(17), "退出")),
      Button5(button(*this, "Button5", {800, 468, 66, 29}, song(17), "帮助")),
      Timer1(timer(*this, "Timer1", 1000, false)),
      Timer2(timer(*this, "Timer2", 1000, true)),
      Timer3(timer(*this, "Timer3", 500, false)),
      Timer4(timer(*this, "Timer4", 500, false)),
      Timer5(timer(*this, "Timer5", 500, false)),
      Timer6(timer(*this, "Timer6", 500, false)),
      Timer7(timer(*this, "Timer7", 1, false)),
      Timer8(timer(*this, "Timer8", 450, false)),
      PopupMenu1(addMenu("PopupMenu1")),
      PopupMenu2(addMenu("PopupMenu2")) {
    setCaption(designedCaption());
    setClientSize(ClientWidth, ClientHeight);
    setBorderStyle(ui::BorderStyle::Single);
    // The desktop's maximise is the other way into full screen.
    setMaximizeBox(true);
    setPosition(ui::FormPosition::ScreenCenter);
    setBackground(colours::ButtonFace);
    setFont(song(14));
    setKeyPreview(true);

    TrackBar1.setRange(1, 10);
    TrackBar1.setPosition(1);
    TrackBar1.setTickMarks(false);
    Label6.setWordWrap(true);
    ComboBox1.setDropDownCount(30);
    ComboBox1.hide();
    Label7.hide();
    Label17.hide();
    Label15.hide();
    Label8.hide();
    Label16.hide();
    Edit1.setImeMode(ui::ImeMode::Closed);
    Button2.hide();
    Button2.setEnabled(false);

    for (const char* item : {"N10:官方网站", "N1:软件更新", "N2:关于软件说明", "N3:标准键盘键位图",
                             "N4:数字键盘指法图", "N861:五笔字根图86版", "N5:五笔打字教程",
                             "N6:演示视频", "N11:软件使用说明"}) {
        const std::string entry(item);
        const auto colon = entry.find(':');
        PopupMenu1.add(entry.substr(0, colon), ui::toGbk(entry.substr(colon + 1)));
    }
    PopupMenu2.add("N7", ui::toGbk("退出当前用户"));
    PopupMenu2.add("N8", ui::toGbk("查询打字成绩"));
    PopupMenu2.add("N9", ui::toGbk("退出系统"));
}

}  // namespace quorvin::model
