// The single switch of one item between visible and hidden.

#include "cipher/Sizes.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/VolumesRoot.h"
#include "store/HelpClass.h"
#include "vault/ItemRuns.h"
#include "vault/MainViewController.h"
#include "vault/Prompt.h"

#include <QFileInfo>

namespace vexo::vault {

bool MainViewController::refuseSwitch(const store::FileModel& item) {
    Prompt& prompt = catalogue_.prompt();
    const Prompt::Alert gone{Prompt::Style::Warning,
                             QStringLiteral("wenxintishi"),
                             {},
                             QStringLiteral("fileRemovedMessage"),
                             {},
                             {QStringLiteral("Ok")}};
    if (item.groupName == store::kSystemDevicName) {
        const QFileInfo place(item.path);
        if (item.isEncrtypt || place.exists() || place.isSymLink())
            return false;
        prompt.alert(gone);
        return true;
    }
    const qsizetype open = catalogue_.UPLibrary.size();
    catalogue_.dropGoneDriveVaultsAndTell();
    if (catalogue_.UPLibrary.size() == open)
        return false;
    select(store::kSystemDevicName, 1);
    return true;
}

void MainViewController::visableChange(const store::FileModelPtr& item,
                                       std::function<void()> completed) {
    if (refuseSwitch(*item)) {
        if (completed)
            completed();
        return;
    }
    const bool hiding = !item->isEncrtypt;
    if (hiding && platform::isOnVolumes(item->path)) {
        const qint64 free =
            cipher::getUSBDiskFreeSize(platform::volumePath(platform::volumeNameOf(item->path)));
        if (item->fileSize > free) {
            tell(catalogue_.prompt(), QStringLiteral("needTotalSize.Title"), {},
                 {QString::number(item->fileSize / 1024.0 / 1024.0, 'f', 2)});
            return;
        }
    }
    item->isEncrtypt = hiding; // the target state, shown at once
    const quint64 listWritesAtStart = catalogue_.listWrites();
    doFileType = hiding ? 3 : 2;
    emit catalogue_.itemChanged(item);
    emit catalogue_.progressStateChanged(
        platform::localizedStringForKey(QStringLiteral("process.text")), true);

    store::HelpClass::sharedInstance().setIsEditCancel(false);
    prepareRun(item);
    VaultCatalogue* catalogue = &catalogue_;
    catalogue_.runStarted();
    catalogue_.startWork([catalogue, item, hiding, listWritesAtStart,
                          completed = std::move(completed)] {
        const RunOutcome outcome = runItem(catalogue, item, hiding);
        QMetaObject::invokeMethod(
            catalogue,
            [catalogue, item, hiding, listWritesAtStart, outcome, completed] {
                const QString failure = hiding ? applyHide(item, outcome, catalogue->secureEraser())
                                               : applyUnhide(catalogue->prompt(), item, outcome);
                const bool cancelled = outcome.cancelled();
                // A cancelled switch leaves the list file alone, unless a
                // change meanwhile wrote it with the item in its target state.
                if (!cancelled || catalogue->listWrites() != listWritesAtStart)
                    catalogue->saveListOf(*item);
                catalogue->runEnded();
                emit catalogue->itemChanged(item);
                emit catalogue->progressStateChanged(
                    platform::localizedStringForKey(cancelled ? QStringLiteral("Cancel")
                                                              : QStringLiteral("Completed")),
                    false);
                if (!failure.isEmpty())
                    tell(catalogue->prompt(),
                         hiding ? QStringLiteral("hideFailed.title")
                                : QStringLiteral("unhideFailed.title"),
                         failure);
                if (!cancelled && completed)
                    completed();
            },
            Qt::QueuedConnection);
    });
}

void MainViewController::encryptCancelBtnAction() {
    store::HelpClass::sharedInstance().setIsEditCancel(true);
    if (const store::FileModelPtr running = store::HelpClass::fileModel())
        running->isCancel = true;
}

} // namespace vexo::vault
