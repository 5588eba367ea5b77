// Creating, renaming and deleting the groups of a sidebar section.

#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/VolumesRoot.h"
#include "store/GroupFolderName.h"
#include "vault/MainViewController.h"

#include <QFileInfo>

#include <algorithm>

namespace vexo::vault {
namespace {

// A folder name no other group of the list has, even for two groups of the
// same name made within one second.
QString freeGroupFolderName(const store::GroupList& groups, const QString& name) {
    const auto taken = [&](const QString& path) {
        return std::any_of(groups.cbegin(), groups.cend(),
                           [&](const store::GroupModelPtr& g) { return g->path == path; });
    };
    QString path = store::groupFolderName(name);
    for (int n = 1; taken(path); ++n)
        path = store::groupFolderName(name + QString::number(n));
    return path;
}

void renumber(store::GroupList& groups) {
    for (qsizetype i = 0; i < groups.size(); ++i) {
        groups[i]->index = i;
        for (qsizetype j = 0; j < groups[i]->fileModels.size(); ++j) {
            groups[i]->fileModels[j]->groupIndex = i;
            groups[i]->fileModels[j]->fileIndex = j;
        }
    }
}

} // namespace

store::GroupList* MainViewController::sectionList(const QString& section) {
    if (section == store::kSystemDevicName)
        return &catalogue_.groupDirList;
    if (section == store::kSystemDevicNoteName)
        return &catalogue_.groupNoteList;
    auto it = catalogue_.UPLibrary.find(section);
    return it == catalogue_.UPLibrary.end() ? nullptr : &it.value();
}

void MainViewController::saveSection(const QString& section) {
    if (section == store::kSystemDevicName)
        catalogue_.SaveGroupList(ListSelector::LocalFiles);
    else if (section == store::kSystemDevicNoteName)
        catalogue_.SaveGroupList(ListSelector::Notes);
    else
        catalogue_.SaveGroupList(ListSelector::DriveVaults, section);
    emit catalogue_.listsChanged(section == store::kSystemDevicNoteName
                                     ? ListSelector::Notes
                                     : (section == store::kSystemDevicName
                                            ? ListSelector::LocalFiles
                                            : ListSelector::DriveVaults));
}

// The section is taken by value: views that pass a row's own text rebuild
// their rows when the selection moves.
store::GroupModelPtr MainViewController::createGroup(QString section) {
    const bool notes = section == store::kSystemDevicNoteName;
    qCInfo(lcVexo, notes ? "新建便签分组" : "新建分组");
    store::GroupList* groups = sectionList(section);
    const bool driveGone = section != store::kSystemDevicName && !notes &&
                           !QFileInfo(platform::volumePath(section)).isDir();
    if (!groups || groups->isEmpty() || driveGone)
        return nullptr;
    auto group = std::make_shared<store::GroupModel>();
    group->groupName = section;
    group->name = platform::localizedStringForKey(QStringLiteral("group_Item4"));
    group->path = freeGroupFolderName(*groups, group->name);
    group->isGroupDir = !notes;
    group->isNotes = notes;
    group->isEditing = true;
    group->index = groups->size() - 1;
    groups->insert(groups->size() - 1, group);
    renumber(*groups);
    select(section, group->index);
    if (!notes)
        saveSection(section);
    return group;
}

void MainViewController::renameGroup(const store::GroupModelPtr& group, const QString& name) {
    group->isEditing = false;
    group->name = name;
    saveSection(group->groupName);
}

bool MainViewController::deleteGroup(const QString& section, qint64 index) {
    store::GroupList* groups = sectionList(section);
    if (!groups || index < 2 || index >= groups->size() - 1)
        return false;
    qCInfo(lcVexo, "删除文件夹");
    const store::GroupModelPtr removed = groups->takeAt(index);
    if (section != store::kSystemDevicNoteName)
        groups->at(1)->fileModels += removed->fileModels;
    renumber(*groups);
    if (selectGroupIndex + 1 >= groups->size())
        selectGroupIndex -= 1;
    saveSection(section);
    return true;
}

} // namespace vexo::vault
