#include "ui/GroupSidebarModel.h"

#include "vault/MainViewController.h"

namespace vexo::ui {

GroupSidebarModel::GroupSidebarModel(vault::MainViewController& controller, QObject* parent)
    : QAbstractListModel(parent), controller_(controller) {}

void GroupSidebarModel::rebuild() {
    beginResetModel();
    rows_ = vault::sidebarRows(controller_);
    endResetModel();
}

const vault::SidebarRow* GroupSidebarModel::rowAt(int row) const {
    return row >= 0 && row < rows_.size() ? &rows_.at(row) : nullptr;
}

int GroupSidebarModel::editingRow() const {
    for (int row = 0; row < rows_.size(); ++row)
        if (rows_.at(row).isEditingName)
            return row;
    return -1;
}

int GroupSidebarModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant GroupSidebarModel::data(const QModelIndex& index, int role) const {
    const vault::SidebarRow* row = rowAt(index.row());
    if (row == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row->title;
    case CountRole:
        return row->countText;
    case HeaderRole:
        return row->isHeader;
    case AddRowRole:
        return row->isAddItem;
    case NoteRole:
        return row->isGroupNote;
    case SelectedRole:
        return row->selected;
    default:
        return {};
    }
}

Qt::ItemFlags GroupSidebarModel::flags(const QModelIndex& index) const {
    const vault::SidebarRow* row = rowAt(index.row());
    if (row == nullptr)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (row->canSelected)
        flags |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return flags;
}

bool GroupSidebarModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const vault::SidebarRow* row = rowAt(index.row());
    if (role != Qt::EditRole || row == nullptr || row->group == nullptr)
        return false;
    controller_.renameGroup(row->group, value.toString());
    return true;
}

} // namespace vexo::ui
