#pragma once

#include <QWidget>
#include <memory>
#include <unordered_map>
#include <vector>

#include "control_view.h"
#include "key_translation.h"
#include "ui/form.h"

namespace quorvin::ui::qt {

class QtPlatform;

// The window of a model form: one child widget per control at its designed place, kept in step
// with the model through its observers. Keys, input-method text and focus changes made by the
// user go to the model, which alone edits text and decides the focus.
//
// The form must be complete (all controls added) before its view is made, and must stay alive
// until it has closed or the view is gone. Once the form has closed, the view lets go of it.
class FormView : public QWidget, private ui::ControlObserver {
    Q_OBJECT

  public:
    // owner: a window this one stays above (modal dialogs), or nullptr for a top-level window.
    FormView(ui::Form& form, QtPlatform& platform, QWidget* owner = nullptr);
    ~FormView() override;

    // The form, while the view is still attached to it.
    ui::Form* form() const { return form_; }
    // The widget that shows a control, or nullptr.
    QWidget* widgetFor(const ui::Control& control) const;

    // Lets go of the form without closing it (the program is ending); the view shows no more
    // changes and delivers nothing.
    void detach();

  signals:
    // The form closed; the view is detached and about to close too.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Maximise, restore and minimise, whoever made them, reach the model.
    void changeEvent(QEvent* event) override;
    // Tab is a key for the model, never a focus move of Qt's own.
    bool focusNextPrevChild(bool next) override;

  private:
    void changed(ui::Control& control, ui::Property property) override;
    void formChanged(ui::Property property);

    void watch(QWidget& widget);
    ControlView* viewOf(const QWidget* widget) const;
    bool deliverKey(QWidget& receiver, QKeyEvent& event);
    void deliverFocusIn(QWidget& receiver, const QFocusEvent& event);
    void showModelFocus();
    void updateInputMethods();

    void applyFrame();
    void applySize();
    void applyWindowState();
    void place();

    ui::Form* form_;
    QtPlatform& platform_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::unordered_map<const ui::Control*, ControlView*> byControl_;
    std::unordered_map<const QWidget*, ControlView*> byWidget_;
    bool placed_ = false;
    bool closingFromWindow_ = false;
    bool forwardingKey_ = false;
    bool movingFocus_ = false;
    int restoreRetries_ = 0;
};

}  // namespace quorvin::ui::qt
