#include "vault/ItemWalk.h"

#include "cipher/HiddenFile.h"
#include "platform/FileSystem.h"
#include "platform/Localization.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"
#include "vault/ItemRuns.h"
#include "vault/MainViewController.h"
#include "vault/VaultCatalogue.h"

#include <QSet>

#include <memory>

namespace vexo::vault {
namespace {

// Hides whose stored copies reach the disk with one sync. Each sync costs
// about as much as a small item's hide, so a walk over many small items syncs
// once for many; no source goes before the sync that covers its copy.
constexpr qsizetype kSyncBatch = 64;

// An item whose run has ended and whose outcome waits for the batch's sync.
struct Ended {
    store::FileModelPtr item;
    RunOutcome outcome;
    QString digest;
    qsizetype position;
};

struct Walk {
    VaultCatalogue* catalogue;
    QList<store::FileModelPtr> items;
    bool hiding;
    std::function<void(const WalkSummary&)> finished;
    qsizetype next = 0;
    WalkSummary summary;
    QList<Ended> ended;
};

void step(const std::shared_ptr<Walk>& walk);

void finish(const std::shared_ptr<Walk>& walk) {
    VaultCatalogue& catalogue = *walk->catalogue;
    catalogue.flushPendingSaves();
    catalogue.runEnded();
    // A drive pulled out during the walk fails its items; its vault closes.
    catalogue.dropGoneDriveVaultsAndTell();
    const bool cancelled = walk->summary.cancelledAt >= 0;
    emit catalogue.progressStateChanged(
        platform::localizedStringForKey(cancelled ? QStringLiteral("Cancel")
                                                  : QStringLiteral("Completed")),
        false);
    if (walk->finished)
        walk->finished(walk->summary);
}

// Passes over the items already in the walk's state.
void skipSettled(Walk& walk) {
    while (walk.next < walk.items.size() && walk.items.at(walk.next)->isEncrtypt == walk.hiding)
        ++walk.next;
}

void applyOne(Walk& walk, const Ended& ended) {
    VaultCatalogue& catalogue = *walk.catalogue;
    const store::FileModelPtr& item = ended.item;
    if (item->md5CodePath.isEmpty())
        item->md5CodePath = ended.digest;
    const QString failure = walk.hiding ? applyHide(item, ended.outcome, catalogue.secureEraser())
                                        : applyUnhide(catalogue.prompt(), item, ended.outcome);
    if (ended.outcome.cancelled())
        walk.summary.cancelledAt = ended.position;
    else if (!failure.isEmpty())
        walk.summary.failures << failure;
    else if (item->isEncrtypt == walk.hiding)
        ++walk.summary.switched;
    emit catalogue.itemChanged(item);
    catalogue.scheduleSaveListOf(*item);
}

// Worker thread: makes the stored copies of the batch's hides durable; the
// outcomes of the hides whose copies could not be synced become failures.
void syncStores(QList<Ended>& batch) {
    QSet<QString> synced;
    QSet<QString> failed;
    for (Ended& ended : batch) {
        if (!ended.outcome.succeeded())
            continue;
        const QString vault = ended.item->groupName;
        if (!synced.contains(vault) && !failed.contains(vault))
            (platform::syncFileSystemOf(store::itemStorePath(*ended.item)) ? synced : failed)
                << vault;
        if (failed.contains(vault)) {
            cipher::removeItemAside(store::itemStorePath(*ended.item));
            ended.outcome.walk = {
                cipher::WalkOutcome::Failed,
                ended.item->path +
                    QStringLiteral(": its stored copy could not be flushed to disk")};
        }
    }
}

void settle(const std::shared_ptr<Walk>& walk, bool cancelled) {
    QList<Ended> batch = std::exchange(walk->ended, {});
    walk->catalogue->startWork([walk, batch = std::move(batch), cancelled]() mutable {
        if (walk->hiding) // an unhide makes what it restores durable itself
            syncStores(batch);
        QMetaObject::invokeMethod(
            walk->catalogue,
            [walk, batch, cancelled] {
                for (const Ended& ended : batch)
                    applyOne(*walk, ended);
                if (cancelled)
                    finish(walk);
                else
                    step(walk);
            },
            Qt::QueuedConnection);
    });
}

void ended(const std::shared_ptr<Walk>& walk, Ended run) {
    const bool cancelled = run.outcome.cancelled();
    walk->ended.append(std::move(run));
    ++walk->next;
    skipSettled(*walk);
    const bool last = walk->next >= walk->items.size();
    if (cancelled || last || !walk->hiding || walk->ended.size() >= kSyncBatch)
        settle(walk, cancelled);
    else
        step(walk);
}

void step(const std::shared_ptr<Walk>& walk) {
    skipSettled(*walk);
    if (walk->next >= walk->items.size()) {
        finish(walk);
        return;
    }
    const store::FileModelPtr item = walk->items.at(walk->next);
    const qsizetype position = walk->next;
    item->isEncrtypt = walk->hiding; // the target state, shown at once
    prepareRun(item);
    emit walk->catalogue->itemChanged(item);
    // An item added without a digest gets one before it is hidden, off the
    // main thread; the record takes it on the main thread.
    const bool needsDigest = walk->hiding && item->md5CodePath.isEmpty();
    walk->catalogue->startWork([walk, item, needsDigest, position] {
        const QString digest =
            needsDigest ? MainViewController::getMD5ForPath(item->path) : QString();
        const RunOutcome outcome =
            runItem(walk->catalogue, item, walk->hiding,
                    walk->hiding ? cipher::Durability::LeftToCaller : cipher::Durability::OnDisk);
        QMetaObject::invokeMethod(
            walk->catalogue,
            [walk, item, outcome, digest, position] {
                ended(walk, {item, outcome, digest, position});
            },
            Qt::QueuedConnection);
    });
}

} // namespace

void walkItems(VaultCatalogue& catalogue, QList<store::FileModelPtr> items, bool hiding,
               std::function<void(const WalkSummary&)> finished) {
    emit catalogue.progressStateChanged(
        platform::localizedStringForKey(QStringLiteral("process.text")), true);
    catalogue.runStarted();
    // Cleared once for the whole walk, so that a cancel between two items
    // still ends it.
    store::HelpClass::sharedInstance().setIsEditCancel(false);
    step(std::make_shared<Walk>(
        Walk{&catalogue, std::move(items), hiding, std::move(finished), 0, {}, {}}));
}

} // namespace vexo::vault
