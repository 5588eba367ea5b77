#include "ui/FileListModel.h"

#include "platform/Localization.h"
#include "ui/ItemIcons.h"
#include "vault/ProgressText.h"

namespace vexo::ui {

FileListModel::FileListModel(ItemIcons& icons, QObject* parent)
    : QAbstractListModel(parent), icons_(icons) {}

void FileListModel::setItems(const QList<store::FileModelPtr>& items, int selectedRow) {
    beginResetModel();
    items_ = items;
    rows_.clear();
    rows_.reserve(items_.size());
    for (int row = 0; row < items_.size(); ++row)
        rows_.insert(items_.at(row).get(), row);
    selectedRow_ = selectedRow;
    endResetModel();
}

store::FileModelPtr FileListModel::itemAt(int row) const {
    return row >= 0 && row < items_.size() ? items_.at(row) : nullptr;
}

int FileListModel::rowOf(const store::FileModel* item) const {
    return rows_.value(item, -1);
}

void FileListModel::setSelectedRow(int row) {
    const int before = selectedRow_;
    selectedRow_ = row;
    redraw(before);
    redraw(row);
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(items_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    const store::FileModelPtr item = itemAt(index.row());
    if (item == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return item->name;
    case Qt::DecorationRole:
        return icons_.iconFor(*item);
    case DescriptionRole:
        return item->isEncrtypt ? vault::contentSizeForPath(*item) : item->path;
    case StateTextRole:
        // The state in words as well as in colour.
        return platform::localizedStringForKey(item->isEncrtypt
                                                   ? QStringLiteral("hideState.text")
                                                   : QStringLiteral("visableLabel.stringValue"));
    case HiddenRole:
        return bool(item->isEncrtypt);
    case ProgressRole:
        return progress_.value(item.get(), 0.0F);
    case SelectedRole:
        return index.row() == selectedRow_;
    default:
        return {};
    }
}

void FileListModel::itemChanged(const store::FileModelPtr& item) {
    redraw(rowOf(item.get()));
}

void FileListModel::itemProgress(const store::FileModelPtr& item, float fraction) {
    // A finished run shows no bar.
    if (fraction > 0 && fraction < 1)
        progress_.insert(item.get(), fraction);
    else
        progress_.remove(item.get());
    redraw(rowOf(item.get()));
}

void FileListModel::iconsChanged() {
    if (!items_.isEmpty())
        emit dataChanged(index(0), index(int(items_.size()) - 1), {Qt::DecorationRole});
}

void FileListModel::runsEnded() {
    const auto running = progress_.keys();
    progress_.clear();
    for (const store::FileModel* item : running)
        redraw(rowOf(item));
}

void FileListModel::redraw(int row) {
    if (row >= 0 && row < items_.size())
        emit dataChanged(index(row), index(row));
}

} // namespace vexo::ui
