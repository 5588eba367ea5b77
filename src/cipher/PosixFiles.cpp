#include "cipher/PosixFiles.h"

#include "cipher/HiddenFile.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::cipher {
namespace {

using platform::UniqueFd;

// Keeps a temporary name inside the usual 255-byte limit of one component.
QString shortenedStem(QString stem) {
    constexpr qsizetype kLongestStemBytes = 200;
    while (QFile::encodeName(stem).size() > kLongestStemBytes)
        stem.chop(1);
    return stem;
}

QString randomSuffix() {
    static const char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(62)]);
    return suffix;
}

// The file system may refuse RENAME_NOREPLACE; a hard link then refuses to
// replace just as well.
bool moveByLinking(const QByteArray& from, const QByteArray& to, const QString& target,
                   QString* error) {
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno == EEXIST) {
        *error = failureAt(target, EEXIST);
        return false;
    }
    // No hard links either (vfat, exFAT): look, then rename.
    if (somethingExistsAt(target)) {
        *error = failureAt(target, EEXIST);
        return false;
    }
    if (::rename(from.constData(), to.constData()) == 0)
        return true;
    *error = failureAt(target, errno);
    return false;
}

} // namespace

QString failureAt(const QString& path, int error) {
    return path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

QString parentFolderOf(const QString& path) {
    return QFileInfo(path).path();
}

std::optional<SourceFile> openRegularFile(const QString& path, QString* error) {
    // Non-blocking, so that a FIFO in a folder item cannot hang the walk.
    UniqueFd fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid()) {
        *error = failureAt(path, errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        *error = failureAt(path, errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        *error = path + (S_ISDIR(info.st_mode)
                             ? QStringLiteral(": is a folder, or a link to one, not a file")
                             : QStringLiteral(": is a device, pipe or socket, not a file"));
        return std::nullopt;
    }
    // O_NONBLOCK means nothing for a regular file, so it may stay set. Read-ahead
    // advice pays only for files longer than one chunk.
    if (info.st_size > kChunkSize)
        ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return SourceFile{std::move(fd), static_cast<qint64>(info.st_size), info.st_mtim};
}

bool unchangedSinceOpened(const SourceFile& file, const QString& path, QString* error) {
    struct stat info {};
    if (::fstat(file.fd.get(), &info) != 0) {
        *error = failureAt(path, errno);
        return false;
    }
    if (info.st_size == file.size && info.st_mtim.tv_sec == file.modified.tv_sec &&
        info.st_mtim.tv_nsec == file.modified.tv_nsec)
        return true;
    *error = path + QStringLiteral(": changed while it was being copied");
    return false;
}

std::optional<TemporaryFile> createTemporaryFile(const QString& folder, const QString& stem,
                                                 mode_t mode, QString* error) {
    const QString prefix =
        folder + QStringLiteral("/.") + shortenedStem(stem) + QStringLiteral(".vexo-");
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString path = prefix + randomSuffix();
        UniqueFd fd(::open(QFile::encodeName(path).constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (fd.valid())
            return TemporaryFile{std::move(fd), path};
        if (errno != EEXIST) {
            *error = failureAt(path, errno);
            return std::nullopt;
        }
    }
    *error = failureAt(prefix, EEXIST);
    return std::nullopt;
}

bool moveIntoFreePlace(const QString& from, const QString& to, QString* error) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
        return moveByLinking(source, target, to, error);
    *error = failureAt(to, errno);
    return false;
}

bool readExactly(int fd, const QString& path, char* buffer, qint64 length, qint64 offset,
                 QString* error) {
    while (length > 0) {
        const ssize_t got = ::pread(fd, buffer, static_cast<size_t>(length), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            *error =
                got == 0 ? path + QStringLiteral(": the file ended early") : failureAt(path, errno);
            return false;
        }
        buffer += got;
        length -= got;
        offset += got;
    }
    return true;
}

bool writeFully(int fd, const QString& path, const char* data, qint64 length, QString* error) {
    if (platform::writeAll(fd, data, length))
        return true;
    *error = failureAt(path, errno);
    return false;
}

bool closeWrittenFile(UniqueFd& fd, const QString& path, QString* error) {
    if (fd.reset())
        return true;
    *error = failureAt(path, errno);
    return false;
}

bool somethingExistsAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

std::optional<QStringList> folderEntries(const QString& folder, QString* error) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()),
                                                  &::closedir);
    if (!dir) {
        *error = failureAt(folder, errno);
        return std::nullopt;
    }
    QStringList names;
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..") {
            errno = 0;
            continue;
        }
        const QString decoded = QFile::decodeName(name);
        if (QFile::encodeName(decoded) != name) {
            *error = folder + u'/' + decoded +
                     QStringLiteral(": the name is not UTF-8 text; rename it to hide or show it");
            return std::nullopt;
        }
        names << decoded;
        errno = 0;
    }
    if (errno != 0) {
        *error = failureAt(folder, errno);
        return std::nullopt;
    }
    return names;
}

} // namespace vexo::cipher
