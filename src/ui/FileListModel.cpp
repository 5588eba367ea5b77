#include "ui/FileListModel.h"

#include "platform/Localization.h"
#include "ui/ItemIcons.h"
#include "vault/ProgressText.h"

namespace vexo::ui {

FileListModel::FileListModel(ItemIcons& icons, QObject* parent)
    : RecordListModel(parent), icons_(icons) {}

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
        return index.row() == selectedRow();
    default:
        return {};
    }
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
    redrawAll(Qt::DecorationRole);
}

void FileListModel::runsEnded() {
    const auto running = progress_.keys();
    progress_.clear();
    for (const store::FileModel* item : running)
        redraw(rowOf(item));
}

} // namespace vexo::ui
