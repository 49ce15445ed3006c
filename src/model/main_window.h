#pragma once

#include <array>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/radio_group.h"
#include "ui/rich_line.h"
#include "ui/track_bar.h"

namespace quorvin::model {

// The main window in its designed state: every control at its place, with its font, colour
// and caption. Behaviour is attached by the program; this class only lays the window out.
class TForm1 : public ui::Form {
  public:
    TForm1();

    // The designed window caption (before the user name is added).
    static std::string designedCaption();
    // Where the flying game character starts in the designed layout.
    static constexpr int DesignedGameStartLeft = 888;
    static constexpr int ClientWidth = 961;
    static constexpr int ClientHeight = 521;
    // The designed tops of the article line pairs, source line above its typed line.
    static constexpr std::array<int, 6> SourceLineTops{70, 128, 192, 257, 321, 384};
    static constexpr std::array<int, 6> TypedLineTops{99, 158, 222, 286, 350, 414};

    ui::RadioGroup& RadioGroup1;
    ui::RadioGroup& RadioGroup2;
    ui::CheckBox& CheckBox1;
    ui::CheckBox& CheckBox2;
    ui::CheckBox& CheckBox3;
    ui::CheckBox& CheckBox4;
    ui::Label& Label10;
    ui::TrackBar& TrackBar1;
    ui::Label& Label9;
    ui::Label& Label6;
    ui::ComboBox& ComboBox1;
    ui::Label& Label7;
    ui::Label& Label17;
    ui::Label& Label11;
    ui::Label& Label12;
    ui::Label& Label13;
    ui::Label& Label14;
    ui::Label& Label1;
    ui::Label& Label2;
    ui::Label& Label3;
    ui::Label& Label4;
    ui::Label& Label15;
    ui::RichLine& RichEdit1;
    ui::Edit& Edit2;
    ui::RichLine& RichEdit2;
    ui::Edit& Edit3;
    ui::RichLine& RichEdit3;
    ui::Edit& Edit4;
    ui::RichLine& RichEdit4;
    ui::Edit& Edit5;
    ui::RichLine& RichEdit5;
    ui::Edit& Edit6;
    ui::RichLine& RichEdit6;
    ui::Edit& Edit7;
    ui::Label& Label5;
    ui::Image& Image1;
    ui::Label& Label8;
    ui::Label& Label16;
    ui::Button& Button1;
    ui::Edit& Edit1;
    ui::Button& Button2;
    ui::Button& Button6;
    ui::Button& Button4;
    ui::Button& Button5;

    ui::Timer& Timer1;  // session clock
    ui::Timer& Timer2;  // music loop
    ui::Timer& Timer3;  // hit display, slot 1
    ui::Timer& Timer4;  // hit display, slot 2
    ui::Timer& Timer5;  // hit display, slot 3
    ui::Timer& Timer6;  // hit display, slot 4
    ui::Timer& Timer7;  // game step
    ui::Timer& Timer8;  // second syllable of a word

    ui::PopupMenu& PopupMenu1;  // help
    ui::PopupMenu& PopupMenu2;  // leave

    // A session exists, running or paused, while the setup controls are hidden. This is what
    // key handlers ask; Button1's caption only tells Button1Click what a click means.
    bool sessionShown() const { return !RadioGroup1.visible(); }

    // Groupings the logic walks over.
    std::array<ui::Label*, 4> targetLabels() { return {&Label1, &Label2, &Label3, &Label4}; }
    std::array<ui::Label*, 4> codeLabels() { return {&Label11, &Label12, &Label13, &Label14}; }
    std::array<ui::RichLine*, 6> sourceLines() {
        return {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5, &RichEdit6};
    }
    std::array<ui::Edit*, 6> typedLines() {
        return {&Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7};
    }
};

}  // namespace quorvin::model
