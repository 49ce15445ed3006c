#include "rich_line_widget.h"
#include "views.h"

namespace quorvin::ui::qt {

namespace {

class RichLineView final : public ControlView {
  public:
    RichLineView(ui::RichLine& line, RichLineWidget& widget)
        : ControlView(line, widget), line_(line), widget_(widget) {}

  protected:
    void updateOwn(ui::Property property) override {
        if (property == ui::Property::Text || property == ui::Property::CharColours)
            widget_.setContent(line_.text(), line_.charColours());
    }
    // Every character carries its own colour.
    void applyColour() override {}

  private:
    ui::RichLine& line_;
    RichLineWidget& widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeRichLineView(ui::RichLine& line, QWidget& parent) {
    return std::make_unique<RichLineView>(line, *new RichLineWidget(&parent));
}

}  // namespace quorvin::ui::qt
