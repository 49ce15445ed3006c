#pragma once

#include <QObject>
#include <memory>

#include "ui/control.h"

class QWidget;

namespace quorvin::ui::qt {

// Mirrors one model control into one widget. The widget is a child of the form's window and
// lives as long as it; the view only re-reads the model when told a property changed, and
// turns the user's actions on the widget into the model's calls.
class ControlView {
  public:
    ControlView(ui::Control& control, QWidget& widget);
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    ui::Control& control() const { return control_; }
    QWidget& widget() const { return widget_; }
    // The widget that holds the keyboard focus for the control.
    virtual QWidget& focusTarget() const { return widget_; }
    // Whether every key reaching the widget is the model's alone (edit boxes edit only there).
    virtual bool ownsKeys() const { return false; }

    // Re-reads one property of the control into the widget.
    void update(ui::Property property);
    void updateAll();

    // Cuts the view off the model for good: the widget's signals no longer reach it and nothing
    // reads it again. Called when the form closes, after which the model may go away.
    virtual void release();

  protected:
    // Receiver context for the widget's signals; releasing the view disconnects them all.
    QObject* context() const { return context_.get(); }
    bool released() const { return context_ == nullptr; }

    // Kind-specific properties.
    virtual void updateOwn(ui::Property) {}
    virtual void applyGeometry();
    virtual void applyFont();
    virtual void applyColour();

  private:
    ui::Control& control_;
    QWidget& widget_;
    std::unique_ptr<QObject> context_ = std::make_unique<QObject>();
};

// The view for a control, its widget made a child of parent; nothing for the form itself.
std::unique_ptr<ControlView> makeControlView(ui::Control& control, QWidget& parent);

}  // namespace quorvin::ui::qt
