#pragma once

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

// Marks the vault in vaultFolder as in use until closeSessionOf. True when
// it was still marked: the session before did not end (a kill, a power cut,
// a drive pulled out), so its lists must be checked against the disk.
bool openSessionOf(const QString& vaultFolder);
void closeSessionOf(const QString& vaultFolder);

// Removes the temporary files the list writer leaves in folder when it is
// cut short ("." + list name + "." + six characters).
void removeListWriterLeftovers(const QString& folder);

} // namespace vexo::vault
