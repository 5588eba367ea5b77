#pragma once

#include "platform/UniqueFd.h"
#include "store/GroupModel.h"

#include <QString>

namespace vexo::vault {

// After a run was cut short (a kill, a power cut, a drive pulled), the list
// file may say an item is visible while only its stored copy is left, or the
// other way round. Every hide and unhide makes its copy appear in one step,
// and removes the other copy in one step, so the disk alone tells each
// item's state; this puts the records right and clears the half-written
// leftovers of interrupted runs. True when any record changed (the list
// must then be written).
bool reconcileWithDisk(const store::GroupList& groups);

// How opening the vault in a folder went.
enum class SessionStart {
    Fresh,    // the last session ended cleanly
    AfterCut, // it did not (a kill, a power cut, a drive pulled out): the
              // lists must be checked against the disk
    InUse,    // another process has the vault open
};

// Takes the vault in vaultFolder for this process (an advisory lock on its
// ".vault-lock" file, held through lock and released by the system when the
// process ends, however it ends) and marks it in use until closeSessionOf.
SessionStart openSessionOf(const QString& vaultFolder, platform::UniqueFd& lock);
void closeSessionOf(const QString& vaultFolder);
// Whether another process has the vault in vaultFolder open now; takes and
// marks nothing.
bool vaultOpenElsewhere(const QString& vaultFolder);

// Removes the temporary files the list writer leaves in folder when it is
// cut short ("." + list name + "." + six characters).
void removeListWriterLeftovers(const QString& folder);

} // namespace vexo::vault
