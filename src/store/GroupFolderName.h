#pragma once

#include <QString>

namespace vexo::store {

// A 64-bit hash of the text's UTF-8 bytes that is the same in every process
// and on every computer (FNV-1a). Its decimal form names group folders and
// item stores, which are written to the list files and read back later, so
// it must never depend on a per-process seed as qHash does.
quint64 stableHash(const QString& text);

// The folder name of a new group: "<hash of the display name>-<current time
// text>", e.g. "1234567890123456789-1700000000".
QString groupFolderName(const QString& displayName);

// The name of an item's store inside its group folder: the decimal hash of
// the item's source path. An item's encryptedPath is the group's path, "/"
// and this name.
QString itemStoreName(const QString& itemPath);

} // namespace vexo::store
