#pragma once

#include <QByteArray>
#include <QString>

namespace vexo::platform {

// Creates path and every missing parent folder; folders made here get mode
// 0700. True when path is a folder afterwards.
bool makePrivatePath(const QString& path);

// Writes data to a temporary file beside path, flushes it to disk and renames
// it over path in one step, so readers see the old or the new content whole.
// The file gets mode 0600 where the file system honours modes.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// Writes all of data to fd, resuming after short writes; false on any error.
bool writeAll(int fd, const char* data, qint64 length);

// Flushes every written file of the file system that holds path to disk.
bool syncFileSystemOf(const QString& path);

// Removes path and, for a folder, everything in it; symbolic links are
// removed themselves, never followed. False with "path: why" in error.
bool removeTree(const QString& path, QString* error = nullptr);

// Adds the owner's execute bit to path, when it exists.
void addExecuteBits(const QString& path);

} // namespace vexo::platform
