#pragma once

#include "cipher/Progress.h"
#include "store/FileModel.h"

#include <QString>

namespace vexo::cipher {

// What a look at a hidden item's store found.
enum class StoreState {
    Intact,  // an unhide would read every stored file whole, and get what was hidden
    Missing, // the vault holds no stored copy of the item
    Damaged, // a stored file is cut short, foreign, unreadable or not what was hidden,
             // or the store is not a safe place inside the vault
    Stopped, // the user's cancel (or the item's own) ended the check first
};

struct StoreCheck {
    StoreState state = StoreState::Intact;
    QString reason; // for the user when Missing or Damaged: where, and what is wrong
};

// Reads the item's stored copy the way an unhide would, writing nothing: every
// stored file must carry a whole header and footer and a body that reads to
// its end (and, for a text-like single file, deciphers to its end); a single
// file's content must match the digest recorded for the item, when there is
// one. Links in the store that lead outside it are not followed. Each chunk
// read adds its bytes to the item's currentEncryptSize, stamps
// encryptDuration and calls progress(ordinal of the file, currentEncryptSize);
// runStopped(item) is polled between chunks. The caller resets the run fields.
StoreCheck checkItemStore(const store::FileModelPtr& item, const ProgressCallback& progress = {});

} // namespace vexo::cipher
