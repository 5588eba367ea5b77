#pragma once

#include "platform/UniqueFd.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vexo::notes {

// A new, empty folder (mode 0700) beside path, named "." + its name +
// ".vexo-" + six letters or digits.
std::optional<QString> makeFolderBeside(const QString& path, QString* error);

// The folder at path opened for *at() calls; invalid when path is missing,
// is no folder, or is a symbolic link.
platform::UniqueFd openFolder(const QString& path);

// Creates name in folder (mode 0600, never through a link), writes bytes
// and flushes them to disk.
bool writeNewFile(int folder, const QString& name, const QByteArray& bytes, QString* error);

// The regular file name in folder (a link is not followed), when it is no
// larger than limit.
std::optional<QByteArray> readFileIn(int folder, const QString& name, qint64 limit);

// Puts the regular file name of from into to under the same name: a hard
// link where the file system allows one, a synced copy otherwise.
bool linkOrCopyFile(int from, int to, const QString& name, QString* error);

// Flushes a folder's entries to disk.
bool syncFolder(int folder);
bool syncFolderAt(const QString& path);

// Puts the folder replacement where target is, in one step. An existing
// target is swapped with it (renameat2 RENAME_EXCHANGE), or, where the file
// system cannot swap, renamed aside first and put back if the second rename
// fails. The path the old target now has, or an empty string when there was
// none; nothing when target is unchanged, with the reason in error.
std::optional<QString> replaceWithFolder(const QString& replacement, const QString& target,
                                         QString* error);

// Removes path and, for a folder, everything in it. Symbolic links are
// removed themselves; nothing outside path is touched.
bool removeTree(const QString& path);

// Makes replaceWithFolder act as on a file system without RENAME_EXCHANGE.
void setRenameExchangeMissingForTesting(bool missing);

} // namespace vexo::notes
