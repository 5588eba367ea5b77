// The items the file list shows: choosing, sorting and searching them.

#include "platform/Log.h"
#include "vault/ItemOrder.h"
#include "vault/MainViewController.h"

#include <algorithm>

namespace vexo::vault {
namespace {

using store::FileModelPtr;

void renumber(QList<FileModelPtr>& items) {
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i]->fileIndex = i;
}

// Sorting the items shown clears the cancel marks of the items it compares:
// every one of them when there are two or more. While any run is under way
// the marks stay, since a running item's mark is what keeps its run stopped
// after a cancel or a failure.
void sortShown(QList<FileModelPtr>& items, qint64 sortType, bool ascending, bool runsUnderWay) {
    if (items.size() > 1 && !runsUnderWay) {
        for (const FileModelPtr& item : std::as_const(items))
            item->isCancel = false;
    }
    sortItems(items, sortType, ascending);
}

} // namespace

int compareBy(qint64 sortType, const store::FileModel& a, const store::FileModel& b) {
    switch (sortType) {
    case 2:
        return QString::compare(a.name, b.name, Qt::CaseSensitive);
    case 3:
        return QString::compare(a.path, b.path, Qt::CaseSensitive);
    case 4:
        return threeWay(a.fileSize, b.fileSize);
    case 5: // hidden items first
        return threeWay(!a.isEncrtypt.load(), !b.isEncrtypt.load());
    case 6:
        return threeWay(a.createDate, b.createDate);
    default:
        return threeWay(a.addDate, b.addDate);
    }
}

void sortItems(QList<FileModelPtr>& items, qint64 sortType, bool ascending) {
    stableSortItems(
        items,
        [sortType](const store::FileModel& a, const store::FileModel& b) {
            return compareBy(sortType, a, b);
        },
        ascending);
}

bool nameMatchesSearch(const store::FileModel& item, const QString& text) {
    return item.name.toLower().contains(text.toLower());
}

void MainViewController::chooseItemsShown() {
    if (sortType == 0)
        sortType = 1;
    if (!searchText.isEmpty()) {
        sortShown(searchFiles, sortType, isAscending, catalogue_.runsUnderWay());
        selected_ItemList = searchFiles;
        return;
    }
    const store::GroupModelPtr group = selectedGroup();
    const bool wholeVault = selectGroupIndex == 1 && selectGroupName != store::kSystemDevicNoteName;
    if (wholeVault) {
        const store::GroupList groups = selectGroupName == store::kSystemDevicName
                                            ? catalogue_.groupDirList
                                            : catalogue_.UPLibrary.value(selectGroupName);
        selected_ItemList.clear();
        for (const store::GroupModelPtr& each : groups)
            selected_ItemList += each->fileModels;
        sortShown(selected_ItemList, sortType, isAscending, catalogue_.runsUnderWay());
    } else if (group) {
        sortShown(group->fileModels, sortType, isAscending, catalogue_.runsUnderWay());
        renumber(group->fileModels);
        selected_ItemList = group->fileModels;
    } else {
        selected_ItemList.clear();
    }
    selectItemAt(selectGroup_ItemIndex < selected_ItemList.size() ? selectGroup_ItemIndex : 0);
}

void MainViewController::selectItemAt(qint64 index) {
    selectGroup_ItemIndex = index;
    if (const store::FileModelPtr item = selectedItem())
        doFileType = item->isEncrtypt ? 3 : 2;
}

store::FileModelPtr MainViewController::selectedItem() const {
    if (selectGroup_ItemIndex < 0 || selectGroup_ItemIndex >= selected_ItemList.size())
        return nullptr;
    return selected_ItemList.at(selectGroup_ItemIndex);
}

void MainViewController::hideItemAction() {
    qCInfo(lcVexo, "隐藏选中文件");
    doFileType = 3;
    if (const store::FileModelPtr item = selectedItem(); item && !item->isEncrtypt)
        visableChange(item);
}

void MainViewController::unHideItemAction() {
    qCInfo(lcVexo, "显示选中文件");
    doFileType = 2;
    if (const store::FileModelPtr item = selectedItem(); item && item->isEncrtypt)
        visableChange(item);
}

void MainViewController::fileTypeButtonAction() {
    if (doFileType == 2)
        hideItemAction();
    else if (doFileType == 3)
        unHideItemAction();
}

void MainViewController::controlTextDidChange(const QString& text) {
    if (selectGroupName == store::kSystemDevicNoteName) {
        searchNotes(text);
        return;
    }
    searchText = text;
    searchFiles.clear();
    if (const store::GroupModelPtr group = selectedGroup(); group && !text.isEmpty()) {
        for (const FileModelPtr& item : group->fileModels) {
            if (nameMatchesSearch(*item, text))
                searchFiles.append(item);
        }
    }
    chooseItemsShown();
}

} // namespace vexo::vault
