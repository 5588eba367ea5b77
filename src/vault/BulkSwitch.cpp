// Switching many items at once: a whole vault, a whole group, and the
// unhide that opens an item.

#include "platform/Log.h"
#include "vault/ItemRuns.h"
#include "vault/ItemWalk.h"
#include "vault/MainViewController.h"

namespace vexo::vault {
namespace {

QList<store::FileModelPtr> itemsOf(const store::GroupList& groups) {
    QList<store::FileModelPtr> items;
    for (const store::GroupModelPtr& group : groups)
        items += group->fileModels;
    return items;
}

void walkAndTell(VaultCatalogue& catalogue, const QList<store::FileModelPtr>& items, bool hiding) {
    VaultCatalogue* target = &catalogue;
    walkItems(catalogue, items, hiding, [target, hiding](const WalkSummary& summary) {
        if (!summary.failures.isEmpty())
            tell(target->prompt(),
                 hiding ? QStringLiteral("hideFailed.title") : QStringLiteral("unhideFailed.title"),
                 failureSummary(summary.failures));
    });
}

void hideGroupItems(VaultCatalogue& catalogue, const store::GroupList& groups, qint64 groupIndex,
                    qint64 fileIndex) {
    if (groupIndex < 0 || groupIndex >= groups.size())
        return;
    walkAndTell(catalogue, groups.at(groupIndex)->fileModels.mid(qMax<qint64>(fileIndex, 0)), true);
}

} // namespace

void MainViewController::UnhideFileOrHideFileAction() {
    const bool hiding = doFileType == 1 || doFileType == 2;
    qCInfo(lcVexo, hiding ? "都隐藏" : "都不隐藏");
    const store::GroupList groups = selectGroupName == store::kSystemDevicName
                                        ? catalogue_.groupDirList
                                        : catalogue_.UPLibrary.value(selectGroupName);
    walkAndTell(catalogue_, itemsOf(groups), hiding);
}

void MainViewController::hiddenAllItemFileModel(qint64 groupIndex, qint64 fileIndex) {
    hideGroupItems(catalogue_, catalogue_.groupDirList, groupIndex, fileIndex);
}

void MainViewController::hiddenUPAllItemFileModel(qint64 groupIndex, qint64 fileIndex) {
    hideGroupItems(catalogue_, catalogue_.UPLibrary.value(selectGroupName), groupIndex, fileIndex);
}

void MainViewController::deCodeAESAtFilemodel(const store::FileModelPtr& item) {
    if (item->isEncrtypt)
        visableChange(item);
}

} // namespace vexo::vault
