#pragma once

#include "vault/Sidebar.h"

#include <QAbstractListModel>

namespace vexo::ui {

// The rows of the group sidebar, rebuilt from the controller's lists after
// every change. Group names are edited in place through the EditRole.
class GroupSidebarModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        CountRole = Qt::UserRole + 1,
        HeaderRole,
        AddRowRole,
        NoteRole,
        SelectedRole,
    };

    explicit GroupSidebarModel(vault::MainViewController& controller, QObject* parent = nullptr);

    void rebuild();
    const vault::SidebarRow* rowAt(int row) const;
    // The row of the group being named, or -1.
    int editingRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A new name ends the editing: the controller renames the group.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    vault::MainViewController& controller_;
    QList<vault::SidebarRow> rows_;
};

} // namespace vexo::ui
