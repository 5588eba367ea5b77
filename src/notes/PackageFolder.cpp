#include "notes/PackageFolder.h"

#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::notes {
namespace {

// Packages are flat; the limit only keeps a hostile tree from exhausting
// file descriptors or the stack.
constexpr int kDeepestRemoval = 64;

bool renameExchangeMissing = false;

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

bool fail(QString* error, const QString& what) {
    if (error)
        *error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool removeEntry(int folder, const QByteArray& name, int depth) {
    struct stat info {};
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(info.st_mode))
        return ::unlinkat(folder, name.constData(), 0) == 0;
    if (depth >= kDeepestRemoval)
        return false;
    const platform::UniqueFd inner(
        ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!inner.valid())
        return false;
    QList<QByteArray> entries;
    if (DIR* listing = ::fdopendir(::dup(inner.get()))) {
        while (const dirent* entry = ::readdir(listing)) {
            const QByteArray entryName(entry->d_name);
            if (entryName != "." && entryName != "..")
                entries << entryName;
        }
        ::closedir(listing);
    }
    bool removed = true;
    for (const QByteArray& entry : entries)
        removed = removeEntry(inner.get(), entry, depth + 1) && removed;
    return ::unlinkat(folder, name.constData(), AT_REMOVEDIR) == 0 && removed;
}

bool renameAside(const QString& replacement, const QString& target, QString* aside,
                 QString* error) {
    const std::optional<QString> free = makeFolderBeside(target, error);
    if (!free || ::rmdir(encoded(*free).constData()) != 0)
        return fail(error, target);
    if (::rename(encoded(target).constData(), encoded(*free).constData()) != 0)
        return fail(error, target);
    if (::rename(encoded(replacement).constData(), encoded(target).constData()) != 0) {
        const bool failed = fail(error, target);
        ::rename(encoded(*free).constData(), encoded(target).constData());
        return failed;
    }
    *aside = *free;
    return true;
}

} // namespace

std::optional<QString> makeFolderBeside(const QString& path, QString* error) {
    const QFileInfo info(path);
    QByteArray pattern = encoded(info.path() + QStringLiteral("/.") + info.fileName() +
                                 QStringLiteral(".vexo-XXXXXX"));
    if (!::mkdtemp(pattern.data())) {
        fail(error, info.path());
        return std::nullopt;
    }
    return QFile::decodeName(pattern);
}

platform::UniqueFd openFolder(const QString& path) {
    return platform::UniqueFd(
        ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool writeNewFile(int folder, const QString& name, const QByteArray& bytes, QString* error) {
    platform::UniqueFd file(::openat(folder, encoded(name).constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.valid())
        return fail(error, name);
    if (!platform::writeAll(file.get(), bytes.constData(), bytes.size()) ||
        ::fsync(file.get()) != 0 || !file.reset())
        return fail(error, name);
    return true;
}

std::optional<QByteArray> readFileIn(int folder, const QString& name, qint64 limit) {
    const platform::UniqueFd file(
        ::openat(folder, encoded(name).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > limit)
        return std::nullopt;
    QByteArray bytes(info.st_size, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // the file shrank: keep what there is
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

bool linkOrCopyFile(int from, int to, const QString& name, QString* error) {
    const QByteArray encodedName = encoded(name);
    struct stat info {};
    if (::fstatat(from, encodedName.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode))
        return fail(error, name);
    if (::linkat(from, encodedName.constData(), to, encodedName.constData(), 0) == 0)
        return true;
    const std::optional<QByteArray> bytes = readFileIn(from, name, info.st_size);
    return bytes && bytes->size() == info.st_size ? writeNewFile(to, name, *bytes, error)
                                                  : fail(error, name);
}

bool syncFolder(int folder) {
    return ::fsync(folder) == 0;
}

bool syncFolderAt(const QString& path) {
    const platform::UniqueFd folder(
        ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && syncFolder(folder.get());
}

std::optional<QString> replaceWithFolder(const QString& replacement, const QString& target,
                                         QString* error) {
    const QByteArray from = encoded(replacement);
    const QByteArray to = encoded(target);
    struct stat info {};
    if (::lstat(to.constData(), &info) != 0) {
        if (errno != ENOENT || ::rename(from.constData(), to.constData()) != 0) {
            fail(error, target);
            return std::nullopt;
        }
        return QString();
    }
    if (!renameExchangeMissing &&
        ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return replacement; // the old package now has the temporary name
    if (!renameExchangeMissing && errno != EINVAL && errno != ENOSYS) {
        fail(error, target);
        return std::nullopt;
    }
    QString aside;
    if (!renameAside(replacement, target, &aside, error))
        return std::nullopt;
    return aside;
}

bool removeTree(const QString& path) {
    const QFileInfo info(path);
    const platform::UniqueFd parent(
        ::open(encoded(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return parent.valid() && removeEntry(parent.get(), encoded(info.fileName()), 0);
}

void setRenameExchangeMissingForTesting(bool missing) {
    renameExchangeMissing = missing;
}

} // namespace vexo::notes
