#pragma once

#include <string>

#include "colour.h"

namespace quorvin::ui {

class Control;
class Form;

// What changed on a control; the observer re-reads that part of the state.
enum class Property {
    Caption,
    Text,
    Selection,
    Visible,
    Enabled,
    Geometry,
    Font,
    Colour,
    Items,
    ItemIndex,
    Checked,
    Position,
    Range,
    Picture,
    CharColours,
    MaxLength,
    ImeMode,
    Focus,
    KeyPreview,
    ApplyImeModes,
    Rows,
    Columns,
    WindowState,
    BorderStyle,
    ClipboardBlocked,
};

class ControlObserver {
  public:
    virtual ~ControlObserver() = default;
    virtual void changed(Control& control, Property property) = 0;
};

enum class ControlKind {
    Form,
    Label,
    Button,
    Edit,
    RichLine,
    RadioGroup,
    CheckBox,
    TrackBar,
    ComboBox,
    ListView,
    ListBox,
    Image,
    GroupBox,
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// A designed font. The face is the designed family name in UTF-8 ("宋体", "新宋体"); the
// toolkit maps it to an installed font. Sizes are character heights in pixels at 96 dpi.
struct Font {
    std::string face = "宋体";
    int pixelHeight = 14;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

inline int pointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

// Input-method mode of a control: Closed switches the input method off while the control has
// the focus (keys arrive as plain characters); Default leaves it as the learner set it.
enum class ImeMode { Default, Closed };

// State shared by every control kind. Setters notify the observer only on a real change.
class Control {
  public:
    Control(ControlKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }

    // The form that owns the control (a form owns itself: nullptr).
    Form* form() const { return form_; }
    void attachTo(Form* form) { form_ = form; }

    bool visible() const { return visible_; }
    void setVisible(bool v) { set(visible_, v, Property::Visible); }
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool e) { set(enabled_, e, Property::Enabled); }

    const Rect& geometry() const { return geometry_; }
    void setGeometry(Rect r) { set(geometry_, r, Property::Geometry); }
    void setBounds(int left, int top, int width, int height) {
        setGeometry({left, top, width, height});
    }
    void setLeft(int left) {
        setGeometry({left, geometry_.top, geometry_.width, geometry_.height});
    }
    int left() const { return geometry_.left; }
    int top() const { return geometry_.top; }

    const Font& font() const { return font_; }
    void setFont(Font f) { set(font_, std::move(f), Property::Font); }

    // The font (text) colour.
    Colour colour() const { return colour_; }
    void setColour(Colour c) { set(colour_, c, Property::Colour); }

    // Whether the control can hold the keyboard focus.
    virtual bool focusable() const { return false; }

    void setObserver(ControlObserver* observer) { observer_ = observer; }
    ControlObserver* observer() const { return observer_; }

  protected:
    void notify(Property property) {
        if (observer_) observer_->changed(*this, property);
    }
    template <typename T>
    void set(T& field, T value, Property property) {
        if (field == value) return;
        field = std::move(value);
        notify(property);
    }

  private:
    ControlKind kind_;
    std::string name_;
    Form* form_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    Rect geometry_;
    Font font_;
    Colour colour_ = colours::Default;
    ControlObserver* observer_ = nullptr;
};

}  // namespace quorvin::ui
