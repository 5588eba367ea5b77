#pragma once

#include "store/FileModel.h"

#include <QString>

#include <optional>

namespace vexo::cipher {

// The last component of the item's path; the item's stored top entry is
// named after it.
QString itemLeafName(const store::FileModel& item);

// The item's store when the item's records point at a safe one: the item's
// path is absolute and names something, and its encryptedPath names a folder
// strictly inside an absolute vault folder (so removing the store can never
// remove the vault or anything outside it). Otherwise empty, with the reason.
std::optional<QString> checkedItemStore(const store::FileModel& item, QString* error);

// item store / AESPath(last component of the item's path / itemPath): where
// the file at itemPath inside the item is stored (see storedPathOf).
QString storedPathBelow(const QString& itemStore, const store::FileModel& item,
                        const QString& itemPath);

// True when the run on the item must stop: the user's cancel command, or the
// item's own cancel or failure.
bool runStopped(const store::FileModel& item);

} // namespace vexo::cipher
