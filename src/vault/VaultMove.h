#pragma once

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
};

// Why the vault folder from cannot move to to, or empty when it can. It
// cannot move into itself, onto anything but an empty folder, or onto a
// place whose folder is missing.
QString vaultMoveRefusal(const QString& from, const QString& to);

// Records root as the vault root setting; true when the setting now says so.
bool recordVaultRoot(const QString& root);

// Moves the vault folder from to to. On one file system the folder is
// renamed; across file systems it is copied into a temporary folder beside
// to, flushed to disk and renamed into place, and only then is from removed.
// commit records the new place (the vault root setting) and answers whether
// it did; until it has, from stays whole, so a failure, a refusal or a
// cancel at any point leaves the vault where it was and nothing at to.
// When from does not exist, to is made as an empty vault folder.
// Runs on any thread; a cancel is honoured until the copy is complete.
VaultMoveResult moveVaultFolder(const QString& from, const QString& to, VaultMoveProgress& progress,
                                const std::function<bool()>& commit);

} // namespace vexo::vault
