#pragma once

#include <algorithm>
#include <functional>

#include "control.h"

namespace quorvin::ui {

// A slider whose position always lies within min..max; every change of position runs
// onChange, whether the user or the program moved it.
class TrackBar : public Control {
  public:
    explicit TrackBar(std::string name) : Control(ControlKind::TrackBar, std::move(name)) {}

    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max) {
        min_ = min;
        max_ = std::max(min, max);
        notify(Property::Range);
        setPosition(position_);
    }

    int position() const { return position_; }
    void setPosition(int p) {
        p = std::clamp(p, min_, max_);
        if (p == position_) return;
        position_ = p;
        notify(Property::Position);
        if (onChange) onChange();
    }

    int selStart() const { return selStart_; }
    int selEnd() const { return selEnd_; }
    void setSelection(int start, int end) {
        selStart_ = start;
        selEnd_ = end;
        notify(Property::Selection);
    }

    bool tickMarks() const { return tickMarks_; }
    void setTickMarks(bool t) { set(tickMarks_, t, Property::Range); }

    std::function<void()> onChange;

    bool focusable() const override { return true; }

  private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int selStart_ = 0;
    int selEnd_ = 0;
    bool tickMarks_ = true;
};

}  // namespace quorvin::ui
