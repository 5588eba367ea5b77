#include "ui/RecordListModel.h"

namespace vexo::ui {

void RecordListModel::setItems(const QList<store::FileModelPtr>& items, int selectedRow) {
    beginResetModel();
    items_ = items;
    rows_.clear();
    rows_.reserve(items_.size());
    for (int row = 0; row < items_.size(); ++row)
        rows_.insert(items_.at(row).get(), row);
    selectedRow_ = selectedRow;
    endResetModel();
}

store::FileModelPtr RecordListModel::itemAt(int row) const {
    return row >= 0 && row < items_.size() ? items_.at(row) : nullptr;
}

int RecordListModel::rowOf(const store::FileModel* item) const {
    return rows_.value(item, -1);
}

void RecordListModel::setSelectedRow(int row) {
    const int before = selectedRow_;
    selectedRow_ = row;
    redraw(before);
    redraw(row);
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(items_.size());
}

void RecordListModel::itemChanged(const store::FileModelPtr& item) {
    redraw(rowOf(item.get()));
}

void RecordListModel::redraw(int row) {
    if (row >= 0 && row < items_.size())
        emit dataChanged(index(row), index(row));
}

void RecordListModel::redrawAll(int role) {
    if (!items_.isEmpty())
        emit dataChanged(index(0), index(int(items_.size()) - 1), {role});
}

} // namespace vexo::ui
