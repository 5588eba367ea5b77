#pragma once

#include "cipher/Progress.h"
#include "store/FileModel.h"

#include <QString>

namespace vexo::cipher {

// Hides a whole item, file by file, into its item store, reporting each file's
// ordinal (counted on from currentIndex) with the item's bytes so far.
// Before the call the flow clears the shared isEditCancel and the item's
// isCancel. The item's stored top entry appears under its final name only
// when it is complete: a folder item (itemPath empty) is built in a
// temporary folder in the store and renamed once every file is on disk, and
// fails when that name is taken already. On success every stored file is on
// disk (synced); a cancelled or failed walk removes what it made (the item
// store when it made it) and leaves the item untouched.
//
// With Durability::LeftToCaller the run does not wait for the disk: the
// caller syncs the store's file system (syncFileSystemOf) before it relies
// on the stored copy, as a walk over many small items does once for many.
enum class Durability { OnDisk, LeftToCaller };
WalkResult EncryptAESAtFilemodel(const store::FileModelPtr& item, const QString& itemPath,
                                 qint64 fileSize, qint64 currentIndex,
                                 const ProgressCallback& progressBlock,
                                 Durability durability = Durability::OnDisk);
// The same from the top with currentEncryptSize reset to 0.
WalkResult EncryptAESAtFilemodel(const store::FileModelPtr& item, const QString& itemPath,
                                 const ProgressCallback& progressBlock = {});

// Restores a whole item from its item store at its place. Never replaces
// anything that exists there. The item appears at its place only when it is
// complete: a folder item (itemPath empty) is restored into a temporary
// folder beside its place and renamed into it once every file is on disk.
// On success every restored file is on disk (synced); a cancelled or failed
// walk removes exactly what it wrote and leaves the item store untouched.
WalkResult DeCodeAESAtFilemodel(const store::FileModelPtr& item, const QString& itemPath,
                                qint64 currentIndex, const ProgressCallback& progressBlock);
// The same from the top with currentEncryptSize reset to 0.
WalkResult DeCodeAESAtFilemodel(const store::FileModelPtr& item, const QString& itemPath);

// Creates the item's stored top folder for itemPath (folder items).
void createDir(const store::FileModel& item, const QString& itemPath = {});
// Creates (parent folder of the item's path) / AESPath(itempath).
void createDeDir(const store::FileModel& item, const QString& itempath);

// True when path is a directory (not following a final symbolic link); false
// when it does not exist.
bool isDirectory(const QString& path);

} // namespace vexo::cipher
