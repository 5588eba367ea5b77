// The single switch of one item between visible and hidden.

#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "cipher/Sizes.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/VolumesRoot.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"
#include "vault/MainViewController.h"
#include "vault/ProgressText.h"
#include "vault/Prompt.h"

#include <QFileInfo>

namespace vexo::vault {
namespace {

using store::FileModelPtr;

struct SwitchOutcome {
    cipher::WalkResult walk;
    QString restoredDigest; // unhide: the digest of what came back
};

void tell(Prompt& prompt, const QString& messageKey, const QString& informative,
          const QStringList& arguments = {}) {
    prompt.alert({Prompt::Style::Warning,
                  messageKey,
                  arguments,
                  {},
                  informative,
                  {QStringLiteral("okBtn.Title")}});
}

void finishHide(VaultCatalogue& catalogue, const FileModelPtr& item, const SwitchOutcome& outcome) {
    if (outcome.walk.outcome != cipher::WalkOutcome::Succeeded) {
        item->isEncrtypt = false;
        if (outcome.walk.outcome == cipher::WalkOutcome::Failed)
            tell(catalogue.prompt(), QStringLiteral("hideFailed.title"), outcome.walk.reason);
        return;
    }
    // The stored copy is complete and on disk: the item may leave its place.
    cipher::removeFile(item->path);
    if (QFileInfo::exists(item->path) || QFileInfo(item->path).isSymLink())
        qCWarning(lcVexo, "could not remove %s after hiding it", qUtf8Printable(item->path));
    item->isEncrtypt = true;
    item->isCancel = false;
}

void finishUnhide(VaultCatalogue& catalogue, const FileModelPtr& item,
                  const SwitchOutcome& outcome) {
    if (outcome.walk.outcome != cipher::WalkOutcome::Succeeded) {
        item->isEncrtypt = true;
        if (outcome.walk.outcome == cipher::WalkOutcome::Failed)
            tell(catalogue.prompt(), QStringLiteral("unhideFailed.title"), outcome.walk.reason);
        return;
    }
    if (!item->md5CodePath.isEmpty() && outcome.restoredDigest != item->md5CodePath) {
        // What came back is not what was hidden: keep both it and the store.
        qCWarning(lcVexo, " %s,%d md5Code is error:%s,%s,path:%s encryptedPath: %s",
                  "visableChange", 2828, qUtf8Printable(item->md5CodePath),
                  qUtf8Printable(outcome.restoredDigest), qUtf8Printable(item->path),
                  qUtf8Printable(item->encryptedPath));
        item->isEncrtypt = true;
        tell(catalogue.prompt(), QStringLiteral("error_md5_message"), outcome.restoredDigest);
        return;
    }
    cipher::removeFile(store::itemStorePath(*item));
    item->isEncrtypt = false;
}

// Reports a run's progress: to the observer on the worker thread, and, one
// report in six, to the views on the main thread.
cipher::ProgressCallback progressReporter(VaultCatalogue* catalogue, const FileModelPtr& item) {
    auto thinner = std::make_shared<ProgressThinner>();
    return [catalogue, item, thinner](qint64, float value) {
        const auto done = static_cast<qint64>(value);
        if (const auto& observer = catalogue->progressObserver)
            observer(item, done);
        const RunProgress progress = progressOf(*item, done);
        if (!thinner->shouldReport(progress.fraction))
            return;
        QMetaObject::invokeMethod(
            catalogue,
            [catalogue, item, progress] {
                emit catalogue->itemProgress(item, progress.fraction);
                if (!store::HelpClass::sharedInstance().isEditCancel())
                    emit catalogue->progressStateChanged(progressStateText(progress), true);
            },
            Qt::QueuedConnection);
    };
}

SwitchOutcome runSwitch(VaultCatalogue* catalogue, const FileModelPtr& item, bool hiding) {
    item->currentEncryptSize = 0;
    item->isCancel = false;
    item->startEncryptDate = platform::currentMilliseconds();
    store::HelpClass::sharedInstance().setIsEditCancel(false);
    const cipher::ProgressCallback report = progressReporter(catalogue, item);
    SwitchOutcome outcome;
    if (hiding) {
        outcome.walk = cipher::EncryptAESAtFilemodel(item, QString(), 0, 0, report);
    } else {
        outcome.walk = cipher::DeCodeAESAtFilemodel(item, QString(), 0, report);
        if (outcome.walk.outcome == cipher::WalkOutcome::Succeeded)
            outcome.restoredDigest = MainViewController::getMD5ForPath(item->path);
    }
    return outcome;
}

} // namespace

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
    const QStringList dropped = catalogue_.dropGoneDriveVaults();
    for (int i = 0; i < dropped.size(); ++i)
        prompt.alert(gone);
    if (dropped.isEmpty())
        return false;
    selectGroupName = store::kSystemDevicName;
    selectGroupIndex = 1;
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
    doFileType = hiding ? 3 : 2;
    emit catalogue_.itemChanged(item);
    emit catalogue_.progressStateChanged(
        platform::localizedStringForKey(QStringLiteral("process.text")), true);

    VaultCatalogue* catalogue = &catalogue_;
    catalogue_.workers().start([catalogue, item, hiding, completed = std::move(completed)] {
        const SwitchOutcome outcome = runSwitch(catalogue, item, hiding);
        QMetaObject::invokeMethod(
            catalogue,
            [catalogue, item, hiding, outcome, completed] {
                if (hiding)
                    finishHide(*catalogue, item, outcome);
                else
                    finishUnhide(*catalogue, item, outcome);
                emit catalogue->itemChanged(item);
                const bool cancelled = outcome.walk.outcome == cipher::WalkOutcome::Cancelled;
                emit catalogue->progressStateChanged(
                    platform::localizedStringForKey(cancelled ? QStringLiteral("Cancel")
                                                              : QStringLiteral("Completed")),
                    false);
                if (cancelled)
                    return;
                catalogue->saveListOf(*item);
                if (completed)
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
