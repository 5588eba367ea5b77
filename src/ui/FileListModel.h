#pragma once

#include "ui/RecordListModel.h"

#include <QHash>

namespace vexo::ui {

class ItemIcons;

// The rows of the file list: the items the controller chose to show. A
// run's progress redraws only its row.
class FileListModel : public RecordListModel {
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

    QVariant data(const QModelIndex& index, int role) const override;

    void itemProgress(const store::FileModelPtr& item, float fraction);
    // Every row's picture may have changed.
    void iconsChanged();
    // No run goes on any more: no row shows a bar.
    void runsEnded();

private:
    ItemIcons& icons_;
    QHash<const store::FileModel*, float> progress_;
};

} // namespace vexo::ui
