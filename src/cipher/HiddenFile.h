#pragma once

#include "cipher/Progress.h"
#include "store/FileModel.h"

#include <QString>

namespace vexo::cipher {

// Bytes copied per step of a streamed file, and between progress reports.
inline constexpr qint64 kChunkSize = 512000;

// The stored form of a relative path: every "/"-separated component has its
// UTF-16 units swapped pairwise (0<->1, 2<->3, ...); empty components vanish.
// Its own inverse.
QString AESPath(const QString& path);

// Where the file at itemPath inside the item (empty for a single-file item)
// is stored: item store / AESPath(item name / itemPath).
QString storedPathOf(const store::FileModel& item, const QString& itemPath);

// Hides one file of the item (itemPath relative to the item's path, empty for
// a single-file item) into its stored form. A failure sets the item's isCancel.
void jiami(const store::FileModelPtr& item, const QString& itemPath, bool isDir,
           const ProgressCallback& progressBlock = {});

// Restores one stored file of the item (itemPath relative to the item's stored
// folder, empty for a single-file item) at its place. A failure sets isCancel.
void jiemi(const store::FileModelPtr& item, const QString& itemPath, bool isDir,
           const ProgressCallback& progressBlock = {});

// Removes the file or folder tree at path.
void removeFile(const QString& path);

} // namespace vexo::cipher
