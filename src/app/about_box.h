#pragma once

#include "ui/button.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"

namespace quorvin::app {

// The about box: the program's name, version and a description. Shown modeless over the main
// window; 确定 closes it.
class TForm2 : public ui::Form {
  public:
    TForm2();

    ui::Label& Label1;
    ui::Label& Label5;
    ui::Button& Button1;
    ui::GroupBox& GroupBox1;
    ui::Label& Label6;

    static constexpr int ClientWidth = 344;
    // 23 px taller than designed: the stand-in face for 宋体 leads its lines wider, and the
    // description must show whole.
    static constexpr int ClientHeight = 360;
};

}  // namespace quorvin::app
