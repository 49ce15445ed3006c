#include <algorithm>

#include "edit_widget.h"
#include "views.h"

namespace quorvin::ui::qt {

namespace {

class EditView final : public ControlView {
  public:
    EditView(ui::Edit& edit, EditWidget& widget)
        : ControlView(edit, widget), edit_(edit), widget_(widget) {
        widget.onSelect = [this](std::size_t anchor, std::size_t caret) {
            edit_.setSelection(std::min(anchor, caret),
                               std::max(anchor, caret) - std::min(anchor, caret));
        };
    }

    bool ownsKeys() const override { return true; }

    void release() override {
        widget_.onSelect = nullptr;
        ControlView::release();
    }

  protected:
    void updateOwn(ui::Property property) override {
        if (property != ui::Property::Text && property != ui::Property::Selection) return;
        const std::size_t start = edit_.selStart();
        const std::size_t end = start + edit_.selLength();
        const std::size_t anchor = edit_.caret() == start ? end : start;
        widget_.showState(edit_.text(), anchor, edit_.caret());
    }

  private:
    ui::Edit& edit_;
    EditWidget& widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeEditView(ui::Edit& edit, QWidget& parent) {
    return std::make_unique<EditView>(edit, *new EditWidget(&parent));
}

}  // namespace quorvin::ui::qt
