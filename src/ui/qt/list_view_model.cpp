#include "list_view_model.h"

#include "text.h"

namespace quorvin::ui::qt {

ListViewModel::ListViewModel(ui::ListView& list, QObject* parent)
    : QAbstractTableModel(parent), list_(&list) {}

void ListViewModel::reload() {
    beginResetModel();
    endResetModel();
}

void ListViewModel::release() {
    beginResetModel();
    list_ = nullptr;
    endResetModel();
}

int ListViewModel::rowCount(const QModelIndex& parent) const {
    return list_ && !parent.isValid() ? list_->rowCount() : 0;
}

int ListViewModel::columnCount(const QModelIndex& parent) const {
    return list_ && !parent.isValid() ? static_cast<int>(list_->columns().size()) : 0;
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
    if (!list_ || role != Qt::DisplayRole || !index.isValid()) return {};
    return toQt(list_->cell(index.row(), index.column()));
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!list_ || orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const auto& columns = list_->columns();
    if (section < 0 || section >= static_cast<int>(columns.size())) return {};
    return toQt(columns[static_cast<std::size_t>(section)].caption);
}

}  // namespace quorvin::ui::qt
