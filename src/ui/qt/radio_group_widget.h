#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QRadioButton;

namespace quorvin::ui::qt {

// A captioned frame of radio buttons laid out like a window's radio group: items fill the
// columns top to bottom, one column after the other, and share the room below the caption
// evenly, whatever the font's own line height.
class RadioGroupWidget : public QGroupBox {
  public:
    explicit RadioGroupWidget(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    void setColumns(int columns);
    // Checks one button, or none for -1.
    void setChosen(int index);
    int chosen() const;

    const std::vector<QRadioButton*>& buttons() const { return buttons_; }
    // The button that takes the focus for the group: the chosen one, else the first.
    QWidget& focusButton();

    // The user clicked (or arrowed to) an item.
    std::function<void(int index)> onChoose;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void layOut();

    std::vector<QRadioButton*> buttons_;
    int columns_ = 1;
};

}  // namespace quorvin::ui::qt
