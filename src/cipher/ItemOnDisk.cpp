#include "cipher/ItemOnDisk.h"

#include "cipher/HiddenFile.h"
#include "cipher/ItemStore.h"
#include "cipher/PosixFiles.h"
#include "platform/Log.h"
#include "store/VaultPaths.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace vexo::cipher {
namespace {

QStringList entriesNamed(const QString& folder, const std::function<bool(const QString&)>& isOurs) {
    QStringList found;
    for (const QString& name : textEntriesOf(folder)) {
        if (isOurs(name))
            found << store::joinPath(folder, name);
    }
    return found;
}

QStringList temporaryEntriesFor(const QString& folder, const QString& stem) {
    return entriesNamed(folder,
                        [&stem](const QString& name) { return isTemporaryNameFor(name, stem); });
}

// Only folders that lie inside the item's vault, links resolved, are looked
// at: a vault from elsewhere may hold links that lead out of it.
void inspectStore(const store::FileModel& item, const QString& itemStore, ItemOnDisk& onDisk) {
    const QString realVault = realVaultFolderOf(item, itemStore);
    const QString groupFolder = parentFolderOf(itemStore);
    if (realVault.isEmpty() || !staysInside(groupFolder, realVault))
        return;
    onDisk.leftovers << temporaryEntriesFor(groupFolder, QFileInfo(itemStore).fileName());
    QString error;
    if (!somethingExistsAt(itemStore) || !realExistingItemStore(item, itemStore, &error))
        return;
    const QString topName = AESPath(itemLeafName(item));
    onDisk.storeComplete = somethingExistsAt(store::joinPath(itemStore, topName));
    onDisk.restoredFromStore = somethingExistsAt(restoreMarkOf(itemStore));
    // Every temporary entry of a run on the store is made at its top; the
    // complete stored top folder holds the user's names only.
    onDisk.leftovers << entriesNamed(itemStore, [&topName](const QString& name) {
        return name != topName && isTemporaryName(name);
    });
}

} // namespace

QString restoreMarkOf(const QString& itemStore) {
    return store::joinPath(itemStore, QStringLiteral(".restored"));
}

ItemOnDisk inspectItemOnDisk(const store::FileModel& item) {
    ItemOnDisk onDisk;
    if (!hasPlainPlace(item))
        return onDisk;
    const QString place = QDir::cleanPath(item.path);
    onDisk.placeTaken = somethingExistsAt(place);
    QString error;
    const auto itemStore = checkedItemStore(item, &error);
    if (!itemStore)
        return onDisk;
    onDisk.leftovers = temporaryEntriesFor(parentFolderOf(place), itemLeafName(item));
    inspectStore(item, QDir::cleanPath(*itemStore), onDisk);
    return onDisk;
}

bool removeLeftovers(const QStringList& leftovers) {
    bool allGone = true;
    for (const QString& path : leftovers) {
        const bool ours = isTemporaryName(QFileInfo(path).fileName());
        if (ours)
            removeFile(path);
        else
            qCWarning(lcVexo, "not a temporary entry, left alone: %s", qUtf8Printable(path));
        allGone = allGone && ours && !somethingExistsAt(path);
    }
    return allGone;
}

} // namespace vexo::cipher
