#pragma once

#include "store/FileModel.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>

namespace vexo::ui {

// Rows of records the controller chose to show, in that order, one of them
// selected. A new choice resets the model; a changed record redraws only its
// row. Subclasses say what a row shows (data).
class RecordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setItems(const QList<store::FileModelPtr>& items, int selectedRow);
    store::FileModelPtr itemAt(int row) const;
    int rowOf(const store::FileModel* item) const;

    int selectedRow() const { return selectedRow_; }
    void setSelectedRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;

    void itemChanged(const store::FileModelPtr& item);

protected:
    void redraw(int row);
    // Every row's data of role may have changed.
    void redrawAll(int role);

private:
    QList<store::FileModelPtr> items_;
    QHash<const store::FileModel*, int> rows_;
    int selectedRow_ = -1;
};

} // namespace vexo::ui
