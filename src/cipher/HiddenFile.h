#pragma once

#include "cipher/Progress.h"
#include "store/FileModel.h"

#include <QString>

#include <functional>

namespace vexo::cipher {

// Bytes copied per step of a streamed file, and between progress reports.
inline constexpr qint64 kChunkSize = 512000;

// The stored form of a relative path: every "/"-separated component has its
// characters swapped pairwise (0<->1, 2<->3, ...; a surrogate pair counts as
// one character); empty components vanish. Its own inverse.
QString AESPath(const QString& path);

// Where the file at itemPath inside the item (empty for a single-file item)
// is stored: item store / AESPath(last component of the item's path / itemPath).
// Every file of a folder item keeps a place of its own, whatever the folder's
// name looks like.
QString storedPathOf(const store::FileModel& item, const QString& itemPath);

// Hides one file of the item (itemPath relative to the item's path, empty for
// a single-file item) into its stored form; with isDir, creates the stored
// folder for itemPath instead. A failure sets the item's isCancel.
void jiami(const store::FileModelPtr& item, const QString& itemPath, bool isDir,
           const ProgressCallback& progressBlock = {});

// Restores one stored file of the item (itemPath relative to the item's stored
// folder, empty for a single-file item) at its place, never replacing anything
// there; with isDir, runs createDeDir(item, itemPath) instead. A failure sets
// isCancel and leaves nothing written.
void jiemi(const store::FileModelPtr& item, const QString& itemPath, bool isDir,
           const ProgressCallback& progressBlock = {});

// Removes the file or folder tree at path.
void removeFile(const QString& path);

// Removes the file, link or folder tree at path so that path holds it whole
// or nothing: renames it to a temporary name beside it in one step, then
// removes that (a removal cut short leaves only the temporary entry behind).
// Falls back to removeFile(path) when it cannot be renamed. True when nothing
// is left at path; false, removing nothing, for a path without a name of its
// own ("", "/", "." or "..").
bool removeItemAside(const QString& path);

// The same, handing the temporary path to removeAside, which removes it in
// its own time (a secure erase, for one). Where path cannot be renamed, it is
// removed at once with removeFile and removeAside is not called.
bool removeItemAside(const QString& path,
                     const std::function<void(const QString& aside)>& removeAside);

} // namespace vexo::cipher
