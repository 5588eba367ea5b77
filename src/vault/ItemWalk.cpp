#include "vault/ItemWalk.h"

#include "platform/Localization.h"
#include "vault/ItemRuns.h"
#include "vault/MainViewController.h"
#include "vault/VaultCatalogue.h"

#include <memory>

namespace vexo::vault {
namespace {

struct Walk {
    VaultCatalogue* catalogue;
    QList<store::FileModelPtr> items;
    bool hiding;
    std::function<void(const WalkSummary&)> finished;
    qsizetype next = 0;
    WalkSummary summary;
};

void step(const std::shared_ptr<Walk>& walk);

void finish(const std::shared_ptr<Walk>& walk) {
    VaultCatalogue& catalogue = *walk->catalogue;
    catalogue.flushPendingSaves();
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

void apply(const std::shared_ptr<Walk>& walk, const store::FileModelPtr& item,
           const RunOutcome& outcome, const QString& digest) {
    VaultCatalogue& catalogue = *walk->catalogue;
    if (item->md5CodePath.isEmpty())
        item->md5CodePath = digest;
    const QString failure =
        walk->hiding ? applyHide(item, outcome) : applyUnhide(catalogue.prompt(), item, outcome);
    if (outcome.cancelled())
        walk->summary.cancelledAt = walk->next;
    else if (!failure.isEmpty())
        walk->summary.failures << failure;
    else if (item->isEncrtypt == walk->hiding)
        ++walk->summary.switched;
    emit catalogue.itemChanged(item);
    catalogue.scheduleSaveListOf(*item);
    ++walk->next;
    if (outcome.cancelled())
        finish(walk);
    else
        step(walk);
}

void step(const std::shared_ptr<Walk>& walk) {
    while (walk->next < walk->items.size() &&
           walk->items.at(walk->next)->isEncrtypt == walk->hiding)
        ++walk->next;
    if (walk->next >= walk->items.size()) {
        finish(walk);
        return;
    }
    const store::FileModelPtr item = walk->items.at(walk->next);
    item->isEncrtypt = walk->hiding; // the target state, shown at once
    emit walk->catalogue->itemChanged(item);
    // An item added without a digest gets one before it is hidden, off the
    // main thread; the record takes it on the main thread.
    const bool needsDigest = walk->hiding && item->md5CodePath.isEmpty();
    walk->catalogue->workers().start([walk, item, needsDigest] {
        const QString digest =
            needsDigest ? MainViewController::getMD5ForPath(item->path) : QString();
        const RunOutcome outcome = runItem(walk->catalogue, item, walk->hiding);
        QMetaObject::invokeMethod(
            walk->catalogue, [walk, item, outcome, digest] { apply(walk, item, outcome, digest); },
            Qt::QueuedConnection);
    });
}

} // namespace

void walkItems(VaultCatalogue& catalogue, QList<store::FileModelPtr> items, bool hiding,
               std::function<void(const WalkSummary&)> finished) {
    emit catalogue.progressStateChanged(
        platform::localizedStringForKey(QStringLiteral("process.text")), true);
    step(std::make_shared<Walk>(
        Walk{&catalogue, std::move(items), hiding, std::move(finished), 0, {}}));
}

} // namespace vexo::vault
