#pragma once

#include <memory>

#include "control_view.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/radio_group.h"
#include "ui/rich_line.h"
#include "ui/track_bar.h"

// One factory per control kind; the view classes themselves stay private to their source files.
namespace quorvin::ui::qt {

std::unique_ptr<ControlView> makeLabelView(ui::Label& label, QWidget& parent);
std::unique_ptr<ControlView> makeGroupBoxView(ui::GroupBox& box, QWidget& parent);
std::unique_ptr<ControlView> makeButtonView(ui::Button& button, QWidget& parent);
std::unique_ptr<ControlView> makeCheckBoxView(ui::CheckBox& box, QWidget& parent);
std::unique_ptr<ControlView> makeRadioGroupView(ui::RadioGroup& group, QWidget& parent);
std::unique_ptr<ControlView> makeTrackBarView(ui::TrackBar& bar, QWidget& parent);
std::unique_ptr<ControlView> makeComboBoxView(ui::ComboBox& box, QWidget& parent);
std::unique_ptr<ControlView> makeListBoxView(ui::ListBox& box, QWidget& parent);
std::unique_ptr<ControlView> makeEditView(ui::Edit& edit, QWidget& parent);
std::unique_ptr<ControlView> makeRichLineView(ui::RichLine& line, QWidget& parent);
std::unique_ptr<ControlView> makeListViewView(ui::ListView& list, QWidget& parent);
std::unique_ptr<ControlView> makeImageView(ui::Image& image, QWidget& parent);

}  // namespace quorvin::ui::qt
