#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTableView>

#include "list_view_model.h"
#include "views.h"

namespace quorvin::ui::qt {

namespace {

class ListViewView final : public ControlView {
  public:
    ListViewView(ui::ListView& list, QTableView& widget)
        : ControlView(list, widget),
          list_(list),
          widget_(widget),
          rows_(*new ListViewModel(list, &widget)) {
        widget.setModel(&rows_);
        widget.setShowGrid(true);
        widget.setSelectionBehavior(QAbstractItemView::SelectRows);
        widget.setSelectionMode(QAbstractItemView::SingleSelection);
        widget.setEditTriggers(QAbstractItemView::NoEditTriggers);
        widget.setWordWrap(false);
        widget.verticalHeader()->hide();
        // Rows of one height need no per-row bookkeeping, however many there are.
        widget.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        widget.horizontalHeader()->setSectionsClickable(true);
        widget.horizontalHeader()->setHighlightSections(false);
        QObject::connect(widget.horizontalHeader(), &QHeaderView::sectionClicked, context(),
                         [this](int column) { list_.clickColumn(column); });
        QObject::connect(widget.selectionModel(), &QItemSelectionModel::currentRowChanged,
                         context(), [this](const QModelIndex& current) {
                             if (!selecting_) list_.setSelected(current.row());
                         });
    }

    void release() override {
        ControlView::release();
        rows_.release();
    }

  protected:
    void updateOwn(ui::Property property) override {
        switch (property) {
            case ui::Property::Columns:
                reload();
                applyColumnWidths();
                break;
            case ui::Property::Rows:
                reload();
                break;
            case ui::Property::ItemIndex:
                showSelected();
                break;
            default:
                break;
        }
    }

  private:
    // The table's own selection changes while it reloads are not the user's.
    void reload() {
        selecting_ = true;
        rows_.reload();
        selecting_ = false;
        showSelected();
    }

    void applyColumnWidths() {
        const auto& columns = list_.columns();
        for (std::size_t c = 0; c < columns.size(); ++c)
            widget_.setColumnWidth(static_cast<int>(c), columns[c].width);
    }

    void showSelected() {
        selecting_ = true;
        const int row = list_.selected();
        if (row < 0) {
            widget_.selectionModel()->clear();
        } else {
            widget_.selectionModel()->setCurrentIndex(
                rows_.index(row, 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        selecting_ = false;
    }

    ui::ListView& list_;
    QTableView& widget_;
    ListViewModel& rows_;
    bool selecting_ = false;
};

}  // namespace

std::unique_ptr<ControlView> makeListViewView(ui::ListView& list, QWidget& parent) {
    return std::make_unique<ListViewView>(list, *new QTableView(&parent));
}

}  // namespace quorvin::ui::qt
