#pragma once

#include "store/FileModel.h"

#include <QString>

#include <optional>

namespace vexo::cipher {

// The last component of the item's path; the item's stored top entry is
// named after it.
QString itemLeafName(const store::FileModel& item);

// True when path is relative and made of plain names only (no "." or ".."),
// so that joined below a folder it stays inside it. An empty path is plain.
bool isPlainRelativePath(const QString& path);

// True when the item's path is absolute, free of "." and "..", and names
// something.
bool hasPlainPlace(const store::FileModel& item);

// The item's store when the item's records point at a safe one: the item has
// a plain place (hasPlainPlace); its
// encryptedPath names a folder strictly inside an absolute vault folder (so
// removing the store can never remove the vault or anything outside it); and
// the item neither lies inside that vault folder nor holds it. Otherwise
// empty, with the reason.
std::optional<QString> checkedItemStore(const store::FileModel& item, QString* error);

// Links planted in a vault (a drive vault may come from anywhere) must not
// lead the writes of a hide outside it, nor a link on the item's path let the
// vault be hidden into itself. realItemStore creates the item's store when
// missing and gives its real location (links resolved) when that lies inside
// the item's real vault folder and the item, with its folders' links
// resolved, neither lies inside that folder nor holds it; otherwise empty,
// with the reason. staysInside tells whether folder, links resolved, lies at
// or below a real store.
std::optional<QString> realItemStore(const store::FileModel& item, const QString& itemStore,
                                     QString* error);
// The same checks on an existing store, creating nothing.
std::optional<QString> realExistingItemStore(const store::FileModel& item, const QString& itemStore,
                                             QString* error);
bool staysInside(const QString& folder, const QString& realStore);

// A vault may come from anywhere: a link in an item's store is followed only
// while it stays inside the store. leadsOutside tells whether path is a
// symbolic link that leads outside realStore (the store, links resolved) or
// to nothing; linkLeadsOutsideReason says why such a link is refused.
bool leadsOutside(const QString& path, const QString& realStore);
QString linkLeadsOutsideReason(const QString& path);

// The vault folder that holds the item's store, links resolved; empty when it
// does not exist.
QString realVaultFolderOf(const store::FileModel& item, const QString& itemStore);

// item store / AESPath(last component of the item's path / itemPath): where
// the file at itemPath inside the item is stored (see storedPathOf).
QString storedPathBelow(const QString& itemStore, const store::FileModel& item,
                        const QString& itemPath);

// True when the run on the item must stop: the user's cancel command, or the
// item's own cancel or failure. A cancel command once seen sets the item's
// isCancel, so the run stays stopped even when the shared flag is cleared
// meanwhile (every switch that starts clears it).
bool runStopped(store::FileModel& item);

} // namespace vexo::cipher
