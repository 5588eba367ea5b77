#pragma once

#include "platform/UniqueFd.h"

#include <QString>

#include <atomic>
#include <functional>

namespace vexo::vault {

// How far a move of the vault folder has come; written by the thread that
// moves, read by the one that shows it.
struct VaultMoveProgress {
    std::atomic<qint64> copiedBytes{0};
    std::atomic<qint64> totalBytes{0};
    std::atomic<bool> cancelRequested{false};
};

enum class VaultMoveOutcome { Moved, Cancelled, Failed };

struct VaultMoveResult {
    VaultMoveOutcome outcome = VaultMoveOutcome::Moved;
    QString reason;     // Failed: what went wrong, "path: why"
    QString leftBehind; // Moved: why the old folder could not be removed whole
    // Moved by copying: the hold on the vault in its new place, taken before
    // the new place was recorded (see openSessionOf). A renamed vault keeps
    // the hold it had.
    platform::UniqueFd newHold;
};

// Records root as the vault root setting, flushed to disk; true when the
// setting now says so.
bool recordVaultRoot(const QString& root);
using RecordRoot = std::function<bool(const QString& root)>;

// Moves the vault folder from to to. On one file system the folder is
// renamed; across file systems it is copied into a temporary folder beside
// to, flushed to disk and renamed into place, the vault there is held, and
// only then is the new place recorded and from removed. It refuses a from
// that is a link, a to inside from, on a removable drive, where something
// other than an empty folder is, or on a disk without room; missing folders
// above to are made. Until the new place is recorded (record) from
// stays whole, so a failure, a refusal or a cancel leaves the vault where it
// was and nothing at to. A move cut short by a kill or a power cut is put
// right by finishInterruptedVaultMove. When from does not exist, to is made
// as an empty vault folder. Runs on any thread; a cancel is honoured until
// the copy is complete.
VaultMoveResult moveVaultFolder(const QString& from, const QString& to, VaultMoveProgress& progress,
                                const RecordRoot& record = recordVaultRoot);

// After a move cut short: when the recorded vault folder is missing and the
// move had renamed it to its new place, records that place. Clears the
// record of the move.
void finishInterruptedVaultMove();

} // namespace vexo::vault
