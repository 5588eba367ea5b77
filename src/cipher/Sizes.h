#pragma once

#include "cipher/Progress.h"
#include "store/FileModel.h"

#include <QString>

namespace vexo::cipher {

// Size of the file at path (not following a final symbolic link); 0 when it
// cannot be read.
qint64 fileSizeAtPath(const QString& path);

// Sum of the sizes of every non-folder entry in the folder's tree.
qint64 folderSizeAtPath(const QString& path);

// Capacity and free space (for an unprivileged user) of the file system that
// holds path; 0 on error.
qint64 getUSBDiskTotalSize(const QString& path);
qint64 getUSBDiskFreeSize(const QString& path);

// Adds one file's size to the item's fileSize and creates the store folder
// that will hold it (or the folder itself when isDir).
void fileSizeForModel(store::FileModel& item, const QString& itemPath, bool isDir);

// Walks the item, adding every file's size to fileSize and laying out the
// item store's folders; reports (ordinal, fileSize) per file. Returns fileSize.
qint64 FileSizeAtFilemodel(store::FileModel& item, const QString& itemPath, qint64 fileSize,
                           qint64 currentIndex, const ProgressCallback& progressBlock);
// FileSizeAtFilemodel(item, "", 0, 0, none) for a new item whose fileSize is 0.
qint64 fileSizeAtFilemodel(store::FileModel& item);

} // namespace vexo::cipher
