#include "vault/Sidebar.h"

#include "platform/Localization.h"
#include "platform/VolumesRoot.h"
#include "vault/MainViewController.h"

#include <QFileInfo>

namespace vexo::vault {
namespace {

qsizetype notesIn(const store::GroupList& groups) {
    qsizetype count = 0;
    for (const store::GroupModelPtr& group : groups)
        count += group->fileModels.size();
    return count;
}

QString countText(qsizetype count) {
    return count == 0 ? QString() : QString::number(count);
}

bool isDriveVaultKey(const QString& groupName) {
    return groupName != store::kSystemDevicName && groupName != store::kSystemDevicNoteName;
}

QString titleOf(const store::GroupModel& group) {
    if (group.isAddItem)
        return {};
    if (group.isHeader && isDriveVaultKey(group.groupName))
        return platform::localizedStringForKey(QStringLiteral("VAULTName.string"))
            .arg(group.groupName.section(u'/', 0, -2));
    return group.name;
}

class RowBuilder {
public:
    explicit RowBuilder(const MainViewController& controller) : controller_(controller) {}

    void addFileSection(const store::GroupList& groups) {
        for (const store::GroupModelPtr& group : groups)
            rows_.append(rowFor(group));
    }

    // The "all notes" row, right below the header, counts the notes of every
    // group; the other rows count their own.
    void addNoteSection(const store::GroupList& groups) {
        for (qsizetype i = 0; i < groups.size(); ++i) {
            SidebarRow row = rowFor(groups.at(i));
            row.countText = countText(i == 1 ? notesIn(groups) : groups.at(i)->fileModels.size());
            rows_.append(row);
        }
    }

    QList<SidebarRow> rows() const { return rows_; }

private:
    SidebarRow rowFor(const store::GroupModelPtr& group) const {
        SidebarRow row;
        row.row = rows_.size();
        row.groupRow = group->index;
        row.groupName = group->groupName;
        row.isGroupDir = group->isGroupDir;
        row.isGroupNote = group->isNotes;
        row.isHeader = group->isHeader;
        row.isAddItem = group->isAddItem;
        row.canSelected = !group->isHeader && !group->isAddItem;
        row.selected = row.canSelected && group->index == controller_.selectGroupIndex &&
                       group->groupName == controller_.selectGroupName;
        row.isEditingName = group->isEditing;
        row.title = titleOf(*group);
        row.group = group;
        return row;
    }

    const MainViewController& controller_;
    QList<SidebarRow> rows_;
};

} // namespace

QList<SidebarRow> sidebarRows(MainViewController& controller) {
    const VaultCatalogue& catalogue = controller.catalogue();
    RowBuilder builder(controller);
    builder.addFileSection(catalogue.groupDirList);
    for (auto it = catalogue.UPLibrary.cbegin(); it != catalogue.UPLibrary.cend(); ++it) {
        if (QFileInfo(platform::volumePath(it.key())).isDir())
            builder.addFileSection(it.value());
    }
    builder.addNoteSection(catalogue.groupNoteList);
    return builder.rows();
}

} // namespace vexo::vault
