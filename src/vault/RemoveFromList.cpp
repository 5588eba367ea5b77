// Taking an item off its list; the item itself stays where it is.

#include "platform/Log.h"
#include "vault/MainViewController.h"
#include "vault/Prompt.h"

#include <QPointer>

namespace vexo::vault {
namespace {

using store::FileModelPtr;

// Takes item out of whichever group of groups holds it and moves the items
// after it up by one; false when none holds it.
bool takeFromGroups(store::GroupList& groups, const FileModelPtr& item) {
    for (const store::GroupModelPtr& group : groups) {
        const qsizetype at = group->fileModels.indexOf(item);
        if (at < 0)
            continue;
        group->fileModels.removeAt(at);
        for (qsizetype i = at; i < group->fileModels.size(); ++i)
            group->fileModels[i]->fileIndex -= 1;
        return true;
    }
    return false;
}

// The local vault's groups or the open drive vault's named groupName.
store::GroupList* fileGroupsNamed(VaultCatalogue& catalogue, const QString& groupName) {
    if (groupName == store::kSystemDevicName)
        return &catalogue.groupDirList;
    const auto vault = catalogue.UPLibrary.find(groupName);
    return vault == catalogue.UPLibrary.end() ? nullptr : &vault.value();
}

// Takes item off its file list, writes that list and tells the views. The
// record is looked up by identity, so a group deleted or renumbered while an
// unhide ran cannot make another item go. Works on the catalogue alone, so a
// removal confirmed before a lock still happens when the unhide ends after it.
void takeOffList(VaultCatalogue& catalogue, const FileModelPtr& item) {
    store::GroupList* groups = fileGroupsNamed(catalogue, item->groupName);
    if (!groups || !takeFromGroups(*groups, item))
        return;
    catalogue.saveListOf(*item);
    emit catalogue.listsChanged(item->groupName == store::kSystemDevicName
                                    ? ListSelector::LocalFiles
                                    : ListSelector::DriveVaults);
}

bool userConfirmsUnhiding(Prompt& prompt) {
    const Prompt::Alert ask{
        Prompt::Style::Warning,
        QStringLiteral("removeitemformlistmessage.text"),
        {},
        QStringLiteral("removeitemformlistinfomation.text"),
        {},
        {QStringLiteral("PasswordSucOk.StringValue"), QStringLiteral("Cancel.StringValue")}};
    return prompt.alert(ask) == 0;
}

} // namespace

void MainViewController::removeItemFromList(const store::FileModelPtr& item,
                                            std::function<void()> completed) {
    qCInfo(lcVexo, "移除选中文件");
    const bool hidden = item->isEncrtypt;
    if (hidden && !userConfirmsUnhiding(catalogue_.prompt())) {
        if (completed)
            completed();
        return;
    }
    const QPointer<MainViewController> self(this);
    VaultCatalogue* catalogue = &catalogue_;
    auto takeOff = [self, catalogue, item, completed = std::move(completed)] {
        // A hidden item leaves the list only once it is back at its place: an
        // unhide that failed, was refused or found a different file keeps it
        // listed.
        if (!item->isEncrtypt) {
            takeOffList(*catalogue, item);
            if (self) {
                self->searchFiles.removeAll(item);
                self->chooseItemsShown();
            }
        }
        if (completed)
            completed();
    };
    if (hidden)
        visableChange(item, std::move(takeOff));
    else
        takeOff();
}

} // namespace vexo::vault
