#include "vault/ItemRuns.h"

#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "platform/Clock.h"
#include "platform/DesktopTraces.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"
#include "vault/MainViewController.h"
#include "vault/ProgressText.h"
#include "vault/Prompt.h"
#include "vault/SecureEraser.h"
#include "vault/VaultCatalogue.h"

namespace vexo::vault {

using store::FileModelPtr;

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

void prepareRun(const FileModelPtr& item) {
    item->isCancel = false;
    store::HelpClass::sharedInstance().setEditModel(item);
}

RunOutcome runItem(VaultCatalogue* catalogue, const FileModelPtr& item, bool hiding,
                   cipher::Durability durability) {
    item->currentEncryptSize = 0;
    item->startEncryptDate = platform::currentMilliseconds();
    const cipher::ProgressCallback report = progressReporter(catalogue, item);
    RunOutcome outcome;
    if (hiding) {
        outcome.walk = cipher::EncryptAESAtFilemodel(item, QString(), 0, 0, report, durability);
        // A hidden picture leaves no preview behind, nor its place in the
        // desktop's history.
        if (outcome.succeeded())
            platform::forgetDesktopTraces(platform::pathsWithin(item->path));
    } else {
        outcome.walk = cipher::DeCodeAESAtFilemodel(item, QString(), 0, report);
        if (outcome.succeeded())
            outcome.restoredDigest = MainViewController::getMD5ForPath(item->path);
    }
    return outcome;
}

QString applyHide(const FileModelPtr& item, const RunOutcome& outcome, SecureEraser& eraser) {
    if (!outcome.succeeded()) {
        item->isEncrtypt = false;
        return outcome.walk.reason;
    }
    // The stored copy is complete and on disk: the item may leave its place.
    if (!removeHiddenSource(item->path, eraser))
        qCWarning(lcVexo, "could not remove %s after hiding it", qUtf8Printable(item->path));
    item->isEncrtypt = true;
    item->isCancel = false;
    return {};
}

QString applyUnhide(Prompt& prompt, const FileModelPtr& item, const RunOutcome& outcome) {
    if (!outcome.succeeded()) {
        item->isEncrtypt = true;
        return outcome.walk.reason;
    }
    if (!item->md5CodePath.isEmpty() && outcome.restoredDigest != item->md5CodePath) {
        // What came back is not what was hidden: keep both it and the store.
        qCWarning(lcVexo, " %s,%d md5Code is error:%s,%s,path:%s encryptedPath: %s",
                  "visableChange", 2828, qUtf8Printable(item->md5CodePath),
                  qUtf8Printable(outcome.restoredDigest), qUtf8Printable(item->path),
                  qUtf8Printable(item->encryptedPath));
        item->isEncrtypt = true;
        tell(prompt, QStringLiteral("error_md5_message"), outcome.restoredDigest);
        return {};
    }
    if (!cipher::removeItemAside(store::itemStorePath(*item)))
        qCWarning(lcVexo, "removepath_error:%s", qUtf8Printable(store::itemStorePath(*item)));
    item->isEncrtypt = false;
    return {};
}

void tell(Prompt& prompt, const QString& messageKey, const QString& informative,
          const QStringList& arguments) {
    prompt.alert({Prompt::Style::Warning,
                  messageKey,
                  arguments,
                  {},
                  informative,
                  {QStringLiteral("okBtn.Title")}});
}

QString failureSummary(const QStringList& reasons) {
    constexpr qsizetype kShown = 5;
    QStringList lines = reasons.mid(0, kShown);
    if (reasons.size() > kShown)
        lines << platform::localizedStringForKey(QStringLiteral("moreFailures.text"))
                     .arg(reasons.size() - kShown);
    return lines.join(u'\n');
}

} // namespace vexo::vault
