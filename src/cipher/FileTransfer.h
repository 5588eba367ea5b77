#pragma once

#include "cipher/Progress.h"
#include "cipher/RestoreJournal.h"
#include "cipher/StoredForm.h"
#include "cipher/StreamCopy.h"
#include "store/FileModel.h"

#include <QSet>
#include <QString>

namespace vexo::cipher {

// The per-file steps of the walks. Each chunk adds its bytes to the item's
// currentEncryptSize, stamps encryptDuration and calls
// progressBlock(0, currentEncryptSize); the user's cancel or the item's
// isCancel stops a step between chunks. A step writes under a temporary name
// and moves the file into place only when it is whole, so it leaves no partial
// file behind; a file that is the item's own stored or restored entry is
// flushed to disk before it gets its name. The caller has checked the item's
// store (checkedItemStore).

// What every file of one hide shares: the item's store (as named and with
// links resolved) and the key text of the moment with the header and footer
// that carry it.
struct HideSetup {
    QString itemStore;
    QString realStore;
    QString keyText;
    Envelope envelope;
    // Store folders already made and found inside the store; a folder item
    // holds many files per folder, and each check costs a walk over links.
    QSet<QString> preparedFolders;
    // Where the item's stored top folder is being built under a temporary
    // name; empty when files go straight to their final places.
    QString storedTop;
    // Whether each stored file reaches the disk before it is named; false
    // when the caller syncs many items' stores at once.
    bool flushEachFile = true;
};

// Makes the item's store and takes the key text of the moment, once for a
// whole hide; empty (and logged, with the reason in error) when the store
// leads outside the vault, the cipher fails or the key text is too long for
// its header to be found again.
std::optional<HideSetup> hideSetupFor(const store::FileModel& item, const QString& itemStore,
                                      QString* error);

// Writes the file at itemPath inside the item (the item itself when empty)
// below setup.itemStore in its stored form.
CopyResult hideOneFile(const store::FileModelPtr& item, HideSetup& setup, const QString& itemPath,
                       const ProgressCallback& progressBlock);

// Where an unhide reads: the item's store as named and with links resolved
// (realExistingItemStore). The caller has also found the folder of each
// stored file it names inside the store, links resolved.
struct RestoreSource {
    QString itemStore;
    QString realStore;
};

// Restores the stored file at storedItemPath below the item's stored top
// entry in the store (the entry itself when empty) at its place below the
// item's path, never replacing anything there; notes what it writes in
// journal. A stored file that is a link leading outside the store, or to
// nothing, fails the step before anything is written.
CopyResult restoreOneFile(const store::FileModelPtr& item, const RestoreSource& from,
                          const QString& storedItemPath, const ProgressCallback& progressBlock,
                          RestoreJournal& journal);
// The same below placeRoot, a folder that stands in for the item's path.
CopyResult restoreOneFileBelow(const store::FileModelPtr& item, const RestoreSource& from,
                               const QString& storedItemPath, const QString& placeRoot,
                               const ProgressCallback& progressBlock, RestoreJournal& journal);

} // namespace vexo::cipher
