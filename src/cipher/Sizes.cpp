#include "cipher/Sizes.h"

#include "cipher/FolderWalk.h"
#include "cipher/ItemStore.h"
#include "cipher/PosixFiles.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "store/VaultPaths.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace vexo::cipher {
namespace {

// What reading the file would give: the size of a regular file, following a
// final symbolic link; 0 for anything else.
qint64 readableSize(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return 0;
    return info.st_size;
}

qint64 bytesOf(fsblkcnt_t blocks, unsigned long blockSize) {
    const auto bytes = static_cast<unsigned long long>(blocks) * blockSize;
    constexpr auto largest = static_cast<unsigned long long>(std::numeric_limits<qint64>::max());
    return static_cast<qint64>(std::min(bytes, largest));
}

std::optional<struct statvfs> fileSystemOf(const QString& path) {
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(path).constData(), &info) == 0)
        return info;
    qCWarning(lcVexo, "Error getting file system attributes: %s",
              qUtf8Printable(failureAt(path, errno)));
    return std::nullopt;
}

// Folders are laid out only where the item's store is a safe place.
std::optional<QString> safeStoreOf(const store::FileModel& item) {
    QString error;
    return checkedItemStore(item, &error);
}

// Adds one file's size to the item and creates the store folder that will
// hold it (or, for a folder, the stored folder itself).
void countFile(store::FileModel& item, const std::optional<QString>& itemStore,
               const QString& itemPath, bool isDir) {
    if (itemStore) {
        const QString out = storedPathBelow(*itemStore, item, itemPath);
        platform::makePrivatePath(isDir ? out : parentFolderOf(out));
    }
    if (!isDir)
        item.fileSize += readableSize(store::joinPath(item.path, itemPath));
}

qint64 sizeWalk(store::FileModel& item, const std::optional<QString>& itemStore,
                const QString& itemPath, qint64 currentIndex,
                const ProgressCallback& progressBlock) {
    const QString path = store::joinPath(item.path, itemPath);
    qCInfo(lcVexo, "path ==>> %s", qUtf8Printable(path));
    if (!isDirectory(path)) {
        countFile(item, itemStore, itemPath, false);
        if (progressBlock)
            progressBlock(currentIndex + 1, static_cast<float>(item.fileSize));
        return item.fileSize;
    }
    QString error;
    const auto entries = folderEntries(path, &error);
    if (!entries)
        qCDebug(lcVexo, "%s,%d error:%s", Q_FUNC_INFO, __LINE__, qUtf8Printable(error));
    qint64 ordinal = currentIndex;
    for (const QString& name : entries.value_or(QStringList())) {
        const QString childPath = store::joinPath(itemPath, name);
        const QString child = store::joinPath(path, name);
        if (isDirectory(child)) {
            sizeWalk(item, itemStore, childPath, ordinal, progressBlock);
            continue;
        }
        // A link inside a folder is kept as a link: it stores no bytes.
        if (isLink(child))
            continue;
        ++ordinal;
        countFile(item, itemStore, childPath, false);
        if (progressBlock)
            progressBlock(ordinal, static_cast<float>(item.fileSize));
    }
    return item.fileSize;
}

} // namespace

qint64 fileSizeAtPath(const QString& path) {
    struct stat info {};
    const qint64 size = ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_size : 0;
    qCInfo(lcVexo, "File size: %lld", size);
    return size;
}

qint64 folderSizeAtPath(const QString& path) {
    QString error;
    const auto entries = folderEntries(path, &error);
    qint64 total = 0;
    for (const QString& name : entries.value_or(QStringList())) {
        const QString child = store::joinPath(path, name);
        struct stat info {};
        if (::lstat(QFile::encodeName(child).constData(), &info) != 0)
            continue;
        total += S_ISDIR(info.st_mode) ? folderSizeAtPath(child) : info.st_size;
    }
    return total;
}

qint64 getUSBDiskTotalSize(const QString& path) {
    const auto fileSystem = fileSystemOf(path);
    if (!fileSystem)
        return 0;
    const qint64 total = bytesOf(fileSystem->f_blocks, fileSystem->f_frsize);
    qCInfo(lcVexo, "Total space: %.2f KB", static_cast<double>(total));
    return total;
}

qint64 getUSBDiskFreeSize(const QString& path) {
    const auto fileSystem = fileSystemOf(path);
    if (!fileSystem)
        return 0;
    const qint64 available = bytesOf(fileSystem->f_bavail, fileSystem->f_frsize);
    qCInfo(lcVexo, "Free space: %.2f KB", static_cast<double>(available));
    return available;
}

void fileSizeForModel(store::FileModel& item, const QString& itemPath, bool isDir) {
    countFile(item, safeStoreOf(item), itemPath, isDir);
}

qint64 FileSizeAtFilemodel(store::FileModel& item, const QString& itemPath,
                           [[maybe_unused]] qint64 fileSize, qint64 currentIndex,
                           const ProgressCallback& progressBlock) {
    return sizeWalk(item, safeStoreOf(item), itemPath, currentIndex, progressBlock);
}

qint64 fileSizeAtFilemodel(store::FileModel& item) {
    return FileSizeAtFilemodel(item, QString(), 0, 0, {});
}

} // namespace vexo::cipher
