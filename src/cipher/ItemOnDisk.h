#pragma once

#include "store/FileModel.h"

#include <QString>
#include <QStringList>

namespace vexo::cipher {

// What the disk alone tells about an item after a run on it may have been cut
// short. A hide or unhide makes its result appear under its final name in one
// step, so placeTaken and storeComplete each hold for a whole item or not at
// all.
struct ItemOnDisk {
    bool placeTaken = false;    // something (file, folder, link) exists at the item's path
    bool storeComplete = false; // the stored top entry exists under its final name
    QStringList leftovers;      // our temporary entries of interrupted runs
    // A folder unhide moved the restored folder to the place (or was about
    // to): what is there came from the store.
    bool restoredFromStore = false;
};

// The mark a folder unhide leaves in the item store just before the restored
// folder moves into its place; it goes with the store.
QString restoreMarkOf(const QString& itemStore);

// Looks at the item's place and store. Leftovers are the entries named as
// our temporary entries: for the item's own name beside its place (a partial
// restore, or an item moved aside to be removed), at the top of its store
// (partial stored files, a partial stored top folder), and for the store's
// own name beside the store (a store moved aside to be removed). A record
// without a safe store inspects with storeComplete false and no leftovers.
ItemOnDisk inspectItemOnDisk(const store::FileModel& item);

// Removes the given leftovers (files or trees); false when one could not be
// removed or is not named as a temporary entry (it is then left alone).
bool removeLeftovers(const QStringList& leftovers);

} // namespace vexo::cipher
