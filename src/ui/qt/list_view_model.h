#pragma once

#include <QAbstractTableModel>

#include "ui/list_view.h"

namespace quorvin::ui::qt {

// The rows of a model list view for a QTableView. Nothing is copied: the table asks for the
// cells it shows, so a million rows cost only what is on screen.
class ListViewModel : public QAbstractTableModel {
  public:
    explicit ListViewModel(ui::ListView& list, QObject* parent = nullptr);

    // The list's rows or columns changed.
    void reload();
    // Stops reading the list, which may go away; the table shows nothing from then on.
    void release();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    ui::ListView* list_;
};

}  // namespace quorvin::ui::qt
