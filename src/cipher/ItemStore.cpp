#include "cipher/ItemStore.h"

#include "cipher/HiddenFile.h"
#include "cipher/PosixFiles.h"
#include "platform/FileSystem.h"
#include "platform/VolumesRoot.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <sys/stat.h>

namespace vexo::cipher {
namespace {

bool isPlainComponent(const QString& component) {
    return !component.isEmpty() && component != QStringLiteral(".") &&
           component != QStringLiteral("..");
}

bool namesAFolderInside(const QString& relative) {
    return !relative.split(u'/', Qt::SkipEmptyParts).isEmpty() && isPlainRelativePath(relative);
}

// A drive item's vault folder is named by the last component of its group.
bool hasPlainVaultFolder(const store::FileModel& item) {
    return !platform::isOnVolumes(item.path) ||
           isPlainComponent(item.groupName.section(u'/', -1, -1));
}

// The vault folder that holds store: store less the components of its
// encryptedPath.
QString vaultFolderOf(const QString& store, const QString& encryptedPath) {
    const qsizetype depth = encryptedPath.split(u'/', Qt::SkipEmptyParts).size();
    const QString folder = QDir::cleanPath(store).section(u'/', 0, -1 - depth);
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

bool isAtOrBelow(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

bool overlap(const QString& path, const QString& folder) {
    return isAtOrBelow(path, folder) || isAtOrBelow(folder, path);
}

QString vaultOverlapReason(const QString& itemPath, const QString& vault) {
    return itemPath + QStringLiteral(": lies inside the vault folder ") + vault +
           QStringLiteral(" or holds it, so it cannot be hidden or restored");
}

} // namespace

QString itemLeafName(const store::FileModel& item) {
    return item.path.section(u'/', -1, -1);
}

bool isPlainRelativePath(const QString& path) {
    const QStringList components = path.split(u'/', Qt::SkipEmptyParts);
    return !path.startsWith(u'/') &&
           std::all_of(components.cbegin(), components.cend(), isPlainComponent);
}

bool hasPlainPlace(const store::FileModel& item) {
    return item.path.startsWith(u'/') && isPlainRelativePath(item.path.mid(1)) &&
           !itemLeafName(item).isEmpty();
}

std::optional<QString> checkedItemStore(const store::FileModel& item, QString* error) {
    if (!hasPlainPlace(item)) {
        *error = item.path + QStringLiteral(": not the absolute path of a file or folder");
        return std::nullopt;
    }
    const QString store = store::itemStorePath(item);
    if (!namesAFolderInside(item.encryptedPath) || !hasPlainVaultFolder(item) ||
        !store.startsWith(u'/')) {
        *error = item.path + QStringLiteral(": the vault has no valid place for this item (\"") +
                 item.encryptedPath + QStringLiteral("\")");
        return std::nullopt;
    }
    // Hiding the vault, or a part of it, would store the vault into itself
    // and then delete it.
    const QString vault = vaultFolderOf(store, item.encryptedPath);
    if (overlap(QDir::cleanPath(item.path), vault)) {
        *error = vaultOverlapReason(item.path, vault);
        return std::nullopt;
    }
    return store;
}

std::optional<QString> realItemStore(const store::FileModel& item, const QString& itemStore,
                                     QString* error) {
    if (!platform::makePrivatePath(itemStore)) {
        *error = itemStore + QStringLiteral(": cannot create this folder");
        return std::nullopt;
    }
    return realExistingItemStore(item, itemStore, error);
}

std::optional<QString> realExistingItemStore(const store::FileModel& item, const QString& itemStore,
                                             QString* error) {
    const QString realVault = realVaultFolderOf(item, itemStore);
    const QString realStore = QFileInfo(itemStore).canonicalFilePath();
    if (realVault.isEmpty() || realStore == realVault || !isAtOrBelow(realStore, realVault)) {
        *error = itemStore + QStringLiteral(": leads outside the vault folder ") +
                 vaultFolderOf(itemStore, item.encryptedPath) +
                 QStringLiteral(" (a link inside the vault?)");
        return std::nullopt;
    }
    const QString realFolder = QFileInfo(parentFolderOf(item.path)).canonicalFilePath();
    if (!realFolder.isEmpty() &&
        overlap(store::joinPath(realFolder, itemLeafName(item)), realVault)) {
        *error = vaultOverlapReason(item.path, realVault);
        return std::nullopt;
    }
    return realStore;
}

bool staysInside(const QString& folder, const QString& realStore) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    return !real.isEmpty() && isAtOrBelow(real, realStore);
}

bool leadsOutside(const QString& path, const QString& realStore) {
    return isLink(path) && !staysInside(path, realStore);
}

QString linkLeadsOutsideReason(const QString& path) {
    return path + QStringLiteral(": a link that leads outside the item's store, or to nothing; "
                                 "not followed");
}

QString realVaultFolderOf(const store::FileModel& item, const QString& itemStore) {
    return QFileInfo(vaultFolderOf(itemStore, item.encryptedPath)).canonicalFilePath();
}

QString storedPathBelow(const QString& itemStore, const store::FileModel& item,
                        const QString& itemPath) {
    return store::joinPath(itemStore, AESPath(store::joinPath(itemLeafName(item), itemPath)));
}

bool runStopped(store::FileModel& item) {
    if (!item.isCancel.load() && store::HelpClass::sharedInstance().isEditCancel())
        item.isCancel = true;
    return item.isCancel.load();
}

} // namespace vexo::cipher
