#pragma once

#include "store/FileModel.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace vexo::vault {

class VaultCatalogue;

// How a walk over several items ended.
struct WalkSummary {
    qsizetype switched = 0;     // items that reached the walk's state
    qsizetype cancelledAt = -1; // position of the item the user cancelled, else -1
    QStringList failures;       // why items could not be switched
};

// Hides (or unhides) items one after the other, each on a worker thread,
// applying each outcome on the main thread before the next starts. Items
// already in the walk's state are passed over. A failed item keeps its state
// and the walk goes on; a cancel pressed at any moment after the start ends
// the walk. Each item's list is written soon after its outcome and every
// pending list at the end, before finished runs. The walk belongs to the
// catalogue, so it runs to its end across a lock.
void walkItems(VaultCatalogue& catalogue, QList<store::FileModelPtr> items, bool hiding,
               std::function<void(const WalkSummary&)> finished = {});

} // namespace vexo::vault
