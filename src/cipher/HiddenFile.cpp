#include "cipher/HiddenFile.h"

#include "cipher/FileTransfer.h"
#include "cipher/FolderWalk.h"
#include "cipher/ItemStore.h"
#include "cipher/PosixFiles.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "store/VaultPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace vexo::cipher {
namespace {

// The characters of text; a surrogate pair is one character, so that
// swapping never splits one into halves that no file name can hold.
QList<QStringView> charactersOf(QStringView text) {
    QList<QStringView> characters;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        characters << text.sliced(i, width);
        i += width;
    }
    return characters;
}

QString swappedPairwise(QStringView component) {
    const QList<QStringView> characters = charactersOf(component);
    QString swapped;
    swapped.reserve(component.size());
    for (qsizetype i = 0; i + 1 < characters.size(); i += 2)
        swapped.append(characters.at(i + 1)).append(characters.at(i));
    if (characters.size() % 2 != 0)
        swapped.append(characters.constLast());
    return swapped;
}

// The item's store when it is safe and itemPath stays inside the item.
std::optional<QString> checkedStore(const store::FileModel& item, const QString& itemPath) {
    QString error;
    auto itemStore = checkedItemStore(item, &error);
    if (itemStore && !isPlainRelativePath(itemPath)) {
        itemStore.reset();
        error = itemPath + QStringLiteral(": not a path inside ") + item.path;
    }
    if (!itemStore)
        qCWarning(lcVexo, "失败：error：%s", qUtf8Printable(error));
    return itemStore;
}

} // namespace

QString AESPath(const QString& path) {
    QStringList components;
    for (const QStringView component : QStringView(path).split(u'/', Qt::SkipEmptyParts))
        components << swappedPairwise(component);
    return components.join(u'/');
}

QString storedPathOf(const store::FileModel& item, const QString& itemPath) {
    return storedPathBelow(store::itemStorePath(item), item, itemPath);
}

namespace {

// The item's store for a one-file operation; empty, with the item's run
// marked failed, when the item or itemPath has no safe place in the vault.
std::optional<QString> storeForOneFile(store::FileModel& item, const QString& itemPath) {
    auto itemStore = checkedStore(item, itemPath);
    if (!itemStore)
        item.isCancel = true;
    return itemStore;
}

// Where a one-file restore reads, when the store lies inside the vault and
// the stored file's folder inside the store, links resolved.
std::optional<RestoreSource> restoreSourceFor(const store::FileModel& item,
                                              const QString& itemStore, const QString& itemPath) {
    QString error;
    const auto realStore = realExistingItemStore(item, itemStore, &error);
    const QString folder = parentFolderOf(storedPathBelow(itemStore, item, itemPath));
    if (realStore && staysInside(folder, *realStore))
        return RestoreSource{itemStore, *realStore};
    qCWarning(lcVexo, "失败：error：%s",
              qUtf8Printable(realStore ? linkLeadsOutsideReason(folder) : error));
    return std::nullopt;
}

} // namespace

void jiami(const store::FileModelPtr& item, const QString& itemPath, bool isDir,
           const ProgressCallback& progressBlock) {
    const auto itemStore = storeForOneFile(*item, itemPath);
    if (!itemStore)
        return;
    if (isDir) {
        createDir(*item, itemPath);
        return;
    }
    QString error;
    auto setup = hideSetupFor(*item, *itemStore, &error);
    if (!setup || hideOneFile(item, *setup, itemPath, progressBlock).status == CopyStatus::Failed)
        item->isCancel = true;
}

void jiemi(const store::FileModelPtr& item, const QString& itemPath, bool isDir,
           const ProgressCallback& progressBlock) {
    const auto itemStore = storeForOneFile(*item, itemPath);
    if (!itemStore)
        return;
    if (isDir) {
        createDeDir(*item, itemPath);
        return;
    }
    const auto from = restoreSourceFor(*item, *itemStore, itemPath);
    if (!from) {
        item->isCancel = true;
        return;
    }
    RestoreJournal journal;
    const CopyResult result = restoreOneFile(item, *from, itemPath, progressBlock, journal);
    if (result.status == CopyStatus::Copied)
        return;
    journal.rollBack();
    if (result.status == CopyStatus::Failed)
        item->isCancel = true;
}

void removeFile(const QString& path) {
    if (!path.isEmpty() && platform::removeTree(path))
        qCInfo(lcVexo, "已删除文件成功：%s", qUtf8Printable(path));
    else
        qCWarning(lcVexo, "删除文件失败：%s", qUtf8Printable(path));
}

bool removeItemAside(const QString& path) {
    return removeItemAside(path, removeFile);
}

bool removeItemAside(const QString& path,
                     const std::function<void(const QString& aside)>& removeAside) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) {
        qCWarning(lcVexo, "删除文件失败：%s", qUtf8Printable(path));
        return false;
    }
    if (!somethingExistsAt(path))
        return true;
    QString error;
    if (const auto aside = moveToTemporaryName(path, &error)) {
        removeAside(*aside);
    } else {
        qCWarning(lcVexo, "%s", qUtf8Printable(error));
        removeFile(path);
    }
    return !somethingExistsAt(path);
}

} // namespace vexo::cipher
