#include "control_view.h"

#include <QWidget>

#include "fonts.h"
#include "palette.h"
#include "views.h"

namespace quorvin::ui::qt {

ControlView::ControlView(ui::Control& control, QWidget& widget)
    : control_(control), widget_(widget) {
    widget.setObjectName(QString::fromStdString(control.name()));
}

void ControlView::update(ui::Property property) {
    if (released()) return;
    switch (property) {
        case ui::Property::Visible:
            widget_.setVisible(control_.visible());
            break;
        case ui::Property::Enabled:
            widget_.setEnabled(control_.enabled());
            break;
        case ui::Property::Geometry:
            applyGeometry();
            break;
        case ui::Property::Font:
            applyFont();
            break;
        case ui::Property::Colour:
            applyColour();
            break;
        default:
            updateOwn(property);
            break;
    }
}

void ControlView::updateAll() {
    for (int p = 0; p <= static_cast<int>(ui::Property::ClipboardBlocked); ++p)
        update(static_cast<ui::Property>(p));
}

void ControlView::release() {
    context_.reset();
}

void ControlView::applyGeometry() {
    const ui::Rect& r = control_.geometry();
    widget_.setGeometry(r.left, r.top, r.width, r.height);
}

void ControlView::applyFont() {
    widget_.setFont(toQFont(control_.font()));
}

void ControlView::applyColour() {
    setTextColour(widget_, control_.colour());
}

std::unique_ptr<ControlView> makeControlView(ui::Control& control, QWidget& parent) {
    switch (control.kind()) {
        case ui::ControlKind::Form:
            return nullptr;
        case ui::ControlKind::Label:
            return makeLabelView(static_cast<ui::Label&>(control), parent);
        case ui::ControlKind::Button:
            return makeButtonView(static_cast<ui::Button&>(control), parent);
        case ui::ControlKind::Edit:
            return makeEditView(static_cast<ui::Edit&>(control), parent);
        case ui::ControlKind::RichLine:
            return makeRichLineView(static_cast<ui::RichLine&>(control), parent);
        case ui::ControlKind::RadioGroup:
            return makeRadioGroupView(static_cast<ui::RadioGroup&>(control), parent);
        case ui::ControlKind::CheckBox:
            return makeCheckBoxView(static_cast<ui::CheckBox&>(control), parent);
        case ui::ControlKind::TrackBar:
            return makeTrackBarView(static_cast<ui::TrackBar&>(control), parent);
        case ui::ControlKind::ComboBox:
            return makeComboBoxView(static_cast<ui::ComboBox&>(control), parent);
        case ui::ControlKind::ListView:
            return makeListViewView(static_cast<ui::ListView&>(control), parent);
        case ui::ControlKind::ListBox:
            return makeListBoxView(static_cast<ui::ListBox&>(control), parent);
        case ui::ControlKind::Image:
            return makeImageView(static_cast<ui::Image&>(control), parent);
        case ui::ControlKind::GroupBox:
            return makeGroupBoxView(static_cast<ui::GroupBox&>(control), parent);
    }
    return nullptr;
}

}  // namespace quorvin::ui::qt
