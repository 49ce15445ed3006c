// Views of the controls the user chooses with: radio group, track bar, combo box, list box.
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>

#include "radio_group_widget.h"
#include "text.h"
#include "views.h"

namespace quorvin::ui::qt {

namespace {

QStringList toQtList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items)
        list.append(toQt(item));
    return list;
}

class RadioGroupView final : public ControlView {
  public:
    RadioGroupView(ui::RadioGroup& group, RadioGroupWidget& widget)
        : ControlView(group, widget), group_(group), widget_(widget) {
        widget.onChoose = [this](int index) {
            if (released()) return;
            group_.choose(index);
            if (!released()) widget_.setChosen(group_.itemIndex());
        };
    }

    QWidget& focusTarget() const override { return widget_.focusButton(); }

    void release() override {
        widget_.onChoose = nullptr;
        ControlView::release();
    }

  protected:
    void updateOwn(ui::Property property) override {
        switch (property) {
            case ui::Property::Caption:
                widget_.setTitle(toQt(group_.caption()));
                break;
            case ui::Property::Items:
                widget_.setItems(toQtList(group_.items()));
                widget_.setColumns(group_.columns());
                widget_.setChosen(group_.itemIndex());
                break;
            case ui::Property::ItemIndex:
                widget_.setChosen(group_.itemIndex());
                break;
            default:
                break;
        }
    }

  private:
    ui::RadioGroup& group_;
    RadioGroupWidget& widget_;
};

class TrackBarView final : public ControlView {
  public:
    TrackBarView(ui::TrackBar& bar, QSlider& widget)
        : ControlView(bar, widget), bar_(bar), widget_(widget) {
        widget.setOrientation(Qt::Horizontal);
        widget.setPageStep(2);
        QObject::connect(&widget, &QSlider::valueChanged, context(), [this](int value) {
            bar_.setPosition(value);
            if (!released()) showPosition();
        });
    }

  protected:
    void updateOwn(ui::Property property) override {
        switch (property) {
            case ui::Property::Range: {
                const QSignalBlocker block(widget_);
                widget_.setRange(bar_.min(), bar_.max());
                widget_.setTickPosition(bar_.tickMarks() ? QSlider::TicksBelow : QSlider::NoTicks);
                widget_.setTickInterval(1);
                showPosition();
                break;
            }
            case ui::Property::Position:
                showPosition();
                break;
            default:
                break;
        }
    }

  private:
    void showPosition() {
        const QSignalBlocker block(widget_);
        widget_.setValue(bar_.position());
    }

    ui::TrackBar& bar_;
    QSlider& widget_;
};

class ComboBoxView final : public ControlView {
  public:
    ComboBoxView(ui::ComboBox& box, QComboBox& widget)
        : ControlView(box, widget), box_(box), widget_(widget) {
        widget.setEditable(false);
        QObject::connect(&widget, &QComboBox::activated, context(), [this](int index) {
            box_.choose(index);
            if (!released()) showIndex();
        });
    }

  protected:
    void updateOwn(ui::Property property) override {
        switch (property) {
            case ui::Property::Items: {
                const QSignalBlocker block(widget_);
                widget_.clear();
                widget_.addItems(toQtList(box_.items()));
                widget_.setMaxVisibleItems(box_.dropDownCount());
                showIndex();
                break;
            }
            case ui::Property::ItemIndex:
                showIndex();
                break;
            case ui::Property::Text:
                widget_.setPlaceholderText(toQt(box_.prompt()));
                break;
            default:
                break;
        }
    }

  private:
    void showIndex() {
        const QSignalBlocker block(widget_);
        widget_.setCurrentIndex(box_.itemIndex());
    }

    ui::ComboBox& box_;
    QComboBox& widget_;
};

class ListBoxView final : public ControlView {
  public:
    ListBoxView(ui::ListBox& box, QListWidget& widget)
        : ControlView(box, widget), box_(box), widget_(widget) {
        widget.setSelectionMode(QAbstractItemView::SingleSelection);
        // The choice is the selected row: Qt also moves its current row on its own (to the
        // first row when the list takes the focus), which chooses nothing.
        QObject::connect(&widget, &QListWidget::itemSelectionChanged, context(), [this] {
            const auto chosen = widget_.selectedItems();
            box_.setItemIndex(chosen.isEmpty() ? -1 : widget_.row(chosen.front()));
        });
    }

  protected:
    void updateOwn(ui::Property property) override {
        switch (property) {
            case ui::Property::Items: {
                const QSignalBlocker block(widget_);
                widget_.clear();
                widget_.addItems(toQtList(box_.items()));
                showIndex();
                break;
            }
            case ui::Property::ItemIndex:
                showIndex();
                break;
            default:
                break;
        }
    }

  private:
    void showIndex() {
        const QSignalBlocker block(widget_);
        widget_.clearSelection();
        if (box_.itemIndex() >= 0) widget_.setCurrentRow(box_.itemIndex());
    }

    ui::ListBox& box_;
    QListWidget& widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeRadioGroupView(ui::RadioGroup& group, QWidget& parent) {
    return std::make_unique<RadioGroupView>(group, *new RadioGroupWidget(&parent));
}

std::unique_ptr<ControlView> makeTrackBarView(ui::TrackBar& bar, QWidget& parent) {
    return std::make_unique<TrackBarView>(bar, *new QSlider(&parent));
}

std::unique_ptr<ControlView> makeComboBoxView(ui::ComboBox& box, QWidget& parent) {
    return std::make_unique<ComboBoxView>(box, *new QComboBox(&parent));
}

std::unique_ptr<ControlView> makeListBoxView(ui::ListBox& box, QWidget& parent) {
    return std::make_unique<ListBoxView>(box, *new QListWidget(&parent));
}

}  // namespace quorvin::ui::qt
