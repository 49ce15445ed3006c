// Views of the controls that are mostly a caption: label, group box, button, check box.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "caption_label.h"
#include "fonts.h"
#include "text.h"
#include "views.h"

namespace quorvin::ui::qt {

namespace {

class LabelView final : public ControlView {
  public:
    LabelView(ui::Label& label, CaptionLabel& widget)
        : ControlView(label, widget), label_(label), widget_(widget) {
        // A label grown past its designed box must not take clicks meant for what lies below.
        widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void updateOwn(ui::Property property) override {
        if (property == ui::Property::Caption) layOut();
    }
    void applyGeometry() override { layOut(); }
    void applyFont() override { layOut(); }

  private:
    // Caption, font and size depend on each other, so they are always laid out together. The
    // stand-in faces are wider and taller than the designed ones, so a label is never made
    // smaller than its caption, auto-sized or not: a cut-off caption could hide what the learner
    // has to type.
    void layOut() {
        const QString text = toQt(label_.caption());
        if (widget_.text() != text) widget_.setText(text);
        widget_.setFont(toQFont(label_.font()));
        widget_.setWordWrap(label_.wordWrap());
        const ui::Rect& r = label_.geometry();
        QSize size(r.width, r.height);
        if (label_.wordWrap() && r.width > 0)
            size.setHeight(std::max(r.height, widget_.heightForWidth(r.width)));
        else
            size = size.expandedTo(widget_.sizeHint());
        widget_.setGeometry(QRect(QPoint(r.left, r.top), size));
    }

    ui::Label& label_;
    CaptionLabel& widget_;
};

class GroupBoxView final : public ControlView {
  public:
    GroupBoxView(ui::GroupBox& box, QGroupBox& widget)
        : ControlView(box, widget), box_(box), widget_(widget) {}

  protected:
    void updateOwn(ui::Property property) override {
        if (property == ui::Property::Caption) widget_.setTitle(toQt(box_.caption()));
    }

  private:
    ui::GroupBox& box_;
    QGroupBox& widget_;
};

class ButtonView final : public ControlView {
  public:
    ButtonView(ui::Button& button, QPushButton& widget)
        : ControlView(button, widget), button_(button), widget_(widget) {
        // Return clicks the focused button, as Space does.
        widget.setAutoDefault(true);
        QObject::connect(&widget, &QPushButton::clicked, context(), [this] { button_.click(); });
    }

  protected:
    void updateOwn(ui::Property property) override {
        if (property == ui::Property::Caption) widget_.setText(toQt(button_.caption()));
    }

  private:
    ui::Button& button_;
    QPushButton& widget_;
};

class CheckBoxView final : public ControlView {
  public:
    CheckBoxView(ui::CheckBox& box, QCheckBox& widget)
        : ControlView(box, widget), box_(box), widget_(widget) {
        QObject::connect(&widget, &QCheckBox::clicked, context(), [this] {
            box_.click();
            showChecked();  // the model may have kept its state
        });
    }

  protected:
    void updateOwn(ui::Property property) override {
        if (property == ui::Property::Caption) widget_.setText(toQt(box_.caption()));
        if (property == ui::Property::Checked) showChecked();
    }

  private:
    void showChecked() {
        if (released()) return;
        const QSignalBlocker block(widget_);
        widget_.setChecked(box_.checked());
    }

    ui::CheckBox& box_;
    QCheckBox& widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeLabelView(ui::Label& label, QWidget& parent) {
    return std::make_unique<LabelView>(label, *new CaptionLabel(&parent));
}

std::unique_ptr<ControlView> makeGroupBoxView(ui::GroupBox& box, QWidget& parent) {
    return std::make_unique<GroupBoxView>(box, *new QGroupBox(&parent));
}

std::unique_ptr<ControlView> makeButtonView(ui::Button& button, QWidget& parent) {
    return std::make_unique<ButtonView>(button, *new QPushButton(&parent));
}

std::unique_ptr<ControlView> makeCheckBoxView(ui::CheckBox& box, QWidget& parent) {
    return std::make_unique<CheckBoxView>(box, *new QCheckBox(&parent));
}

}  // namespace quorvin::ui::qt
