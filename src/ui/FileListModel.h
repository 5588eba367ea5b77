#pragma once

#include "store/FileModel.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>

namespace vexo::ui {

class ItemIcons;

// The rows of the file list: the items the controller chose to show, in
// that order. A new choice resets the model; a changed item or a run's
// progress redraws only its row.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        DescriptionRole = Qt::UserRole + 1, // path of a visible item, size text of a hidden one
        StateTextRole,
        HiddenRole,
        ProgressRole, // fraction of the running hide or unhide, 0 when none runs
        SelectedRole,
    };

    explicit FileListModel(ItemIcons& icons, QObject* parent = nullptr);

    void setItems(const QList<store::FileModelPtr>& items, int selectedRow);
    store::FileModelPtr itemAt(int row) const;
    int rowOf(const store::FileModel* item) const;

    int selectedRow() const { return selectedRow_; }
    void setSelectedRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void itemChanged(const store::FileModelPtr& item);
    void itemProgress(const store::FileModelPtr& item, float fraction);
    // Every row's picture may have changed.
    void iconsChanged();
    // No run goes on any more: no row shows a bar.
    void runsEnded();

private:
    void redraw(int row);

    ItemIcons& icons_;
    QList<store::FileModelPtr> items_;
    QHash<const store::FileModel*, int> rows_;
    QHash<const store::FileModel*, float> progress_;
    int selectedRow_ = -1;
};

} // namespace vexo::ui
