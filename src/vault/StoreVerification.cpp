#include "vault/StoreVerification.h"

#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "store/HelpClass.h"
#include "vault/ItemRuns.h"
#include "vault/MainViewController.h"
#include "vault/VaultCatalogue.h"

#include <memory>

namespace vexo::vault {
namespace {

using cipher::StoreCheck;
using cipher::StoreState;
using store::FileModelPtr;

struct Verification {
    VaultCatalogue* catalogue;
    QList<FileModelPtr> items;
    std::function<void(const VerificationSummary&)> finished;
    qsizetype next = 0;
    VerificationSummary summary;
};

void finish(const std::shared_ptr<Verification>& run) {
    VaultCatalogue& catalogue = *run->catalogue;
    const VerificationSummary& summary = run->summary;
    qCInfo(lcVexo, "stored copies checked: %lld, missing or damaged: %lld%s",
           static_cast<long long>(summary.checked), static_cast<long long>(summary.problems.size()),
           summary.cancelled ? ", cancelled" : "");
    catalogue.runEnded();
    emit catalogue.progressStateChanged(
        platform::localizedStringForKey(summary.cancelled ? QStringLiteral("Cancel")
                                                          : QStringLiteral("Completed")),
        false);
    if (run->finished)
        run->finished(summary);
}

// Worker thread: one item's check with fresh run fields. A hidden item may
// still carry the isCancel of an unhide the user cancelled; it gets it back
// unless this check is cancelled too.
StoreCheck checkOne(VaultCatalogue* catalogue, const FileModelPtr& item) {
    item->currentEncryptSize = 0;
    item->startEncryptDate = platform::currentMilliseconds();
    const bool wasCancelled = item->isCancel.exchange(false);
    const StoreCheck found = cipher::checkItemStore(item, progressReporter(catalogue, item));
    if (found.state != StoreState::Stopped)
        item->isCancel = wasCancelled;
    return found;
}

void record(VerificationSummary& summary, const FileModelPtr& item, const StoreCheck& found) {
    switch (found.state) {
    case StoreState::Stopped:
        summary.cancelled = true;
        return;
    case StoreState::Missing:
    case StoreState::Damaged:
        summary.problems.append({item, found.state, found.reason});
        break;
    case StoreState::Intact:
        break;
    }
    ++summary.checked;
}

void step(const std::shared_ptr<Verification>& run) {
    while (run->next < run->items.size() && !run->items.at(run->next)->isEncrtypt)
        ++run->next;
    if (run->summary.cancelled || run->next >= run->items.size()) {
        finish(run);
        return;
    }
    const FileModelPtr item = run->items.at(run->next++);
    VaultCatalogue* catalogue = run->catalogue;
    catalogue->startWork([run, item, catalogue] {
        const StoreCheck found = checkOne(catalogue, item);
        QMetaObject::invokeMethod(
            catalogue,
            [run, item, found] {
                record(run->summary, item, found);
                step(run);
            },
            Qt::QueuedConnection);
    });
}

} // namespace

void verifyHiddenItems(VaultCatalogue& catalogue, QList<FileModelPtr> items,
                       std::function<void(const VerificationSummary&)> finished) {
    emit catalogue.progressStateChanged(
        platform::localizedStringForKey(QStringLiteral("process.text")), true);
    catalogue.runStarted();
    // Cleared once for the whole verification, so that a cancel between two
    // items still ends it.
    store::HelpClass::sharedInstance().setIsEditCancel(false);
    step(std::make_shared<Verification>(
        Verification{&catalogue, std::move(items), std::move(finished), 0, {}}));
}

void MainViewController::verifyItems(QList<FileModelPtr> items,
                                     std::function<void(const VerificationSummary&)> finished) {
    verifyHiddenItems(catalogue_, std::move(items), std::move(finished));
}

} // namespace vexo::vault
