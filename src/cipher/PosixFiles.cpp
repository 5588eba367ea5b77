#include "cipher/PosixFiles.h"

#include "cipher/HiddenFile.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::cipher {
namespace {

using platform::UniqueFd;

// Keeps a temporary name inside the usual 255-byte limit of one component,
// never splitting a surrogate pair (half of one has no UTF-8 form).
QString shortenedStem(QString stem) {
    constexpr qsizetype kLongestStemBytes = 200;
    while (QFile::encodeName(stem).size() > kLongestStemBytes) {
        stem.chop(1);
        if (!stem.isEmpty() && stem.back().isHighSurrogate())
            stem.chop(1);
    }
    return stem;
}

constexpr qsizetype kSuffixLength = 6;

QString temporaryPrefix(const QString& stem) {
    return u'.' + shortenedStem(stem) + QStringLiteral(".vexo-");
}

QString randomSuffix() {
    static const char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix += QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(62)]);
    return suffix;
}

bool isRandomSuffix(QStringView text) {
    const auto inAlphabet = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    };
    return text.size() == kSuffixLength && std::all_of(text.begin(), text.end(), inAlphabet);
}

bool existsAt(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0;
}

// The file system may refuse RENAME_NOREPLACE; a hard link then refuses to
// replace just as well. 0, or the errno of the failure.
int moveByLinking(const QByteArray& from, const QByteArray& to) {
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return 0;
    }
    // No hard links either (vfat, exFAT, or a folder): look, then rename.
    if (errno == EEXIST || existsAt(to))
        return EEXIST;
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

// Tries fresh temporary names for stem in folder until create makes an entry
// under one (returns 0) or fails otherwise than with EEXIST (returns errno).
std::optional<QString> createUnderTemporaryName(const QString& folder, const QString& stem,
                                                const std::function<int(const QByteArray&)>& create,
                                                QString* error) {
    const QString prefix = folder + u'/' + temporaryPrefix(stem);
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString path = prefix + randomSuffix();
        const int failure = create(QFile::encodeName(path));
        if (failure == 0)
            return path;
        if (failure != EEXIST) {
            *error = failureAt(path, failure);
            return std::nullopt;
        }
    }
    *error = failureAt(prefix, EEXIST);
    return std::nullopt;
}

enum class ForeignNames { Fail, Skip };

// The names in folder; a name that is not UTF-8 fails the listing or is left out.
std::optional<QStringList> readEntries(const QString& folder, ForeignNames foreignNames,
                                       QString* error) {
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
        const QString decoded = QFile::decodeName(name);
        const bool isText = QFile::encodeName(decoded) == name;
        if (!isText && foreignNames == ForeignNames::Fail) {
            *error = folder + u'/' + decoded +
                     QStringLiteral(": the name is not UTF-8 text; rename it to hide or show it");
            return std::nullopt;
        }
        if (isText && name != "." && name != "..")
            names << decoded;
        errno = 0;
    }
    if (errno != 0) {
        *error = failureAt(folder, errno);
        return std::nullopt;
    }
    return names;
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

bool isTemporaryNameFor(const QString& name, const QString& stem) {
    const QString prefix = temporaryPrefix(stem);
    return name.startsWith(prefix) && isRandomSuffix(QStringView(name).sliced(prefix.size()));
}

bool isTemporaryName(const QString& name) {
    const QString marker = QStringLiteral(".vexo-");
    const qsizetype markerAt = name.size() - kSuffixLength - marker.size();
    return name.startsWith(u'.') && markerAt >= 1 &&
           QStringView(name).sliced(markerAt, marker.size()) == marker &&
           isRandomSuffix(QStringView(name).last(kSuffixLength));
}

std::optional<TemporaryFile> createTemporaryFile(const QString& folder, const QString& stem,
                                                 mode_t mode, QString* error) {
    UniqueFd fd;
    const auto open = [&](const QByteArray& path) {
        fd = UniqueFd(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        return fd.valid() ? 0 : errno;
    };
    if (auto path = createUnderTemporaryName(folder, stem, open, error))
        return TemporaryFile{std::move(fd), std::move(*path)};
    return std::nullopt;
}

std::optional<QString> createTemporaryFolder(const QString& folder, const QString& stem,
                                             mode_t mode, QString* error) {
    const auto makeFolder = [mode](const QByteArray& path) {
        return ::mkdir(path.constData(), mode) == 0 ? 0 : errno;
    };
    return createUnderTemporaryName(folder, stem, makeFolder, error);
}

std::optional<QString> moveToTemporaryName(const QString& path, QString* error) {
    const QByteArray from = QFile::encodeName(path);
    const auto moveAside = [&from](const QByteArray& to) { return moveWithoutReplacing(from, to); };
    return createUnderTemporaryName(parentFolderOf(path), QFileInfo(path).fileName(), moveAside,
                                    error);
}

int moveWithoutReplacing(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
        return moveByLinking(from, to);
    return errno;
}

bool moveIntoFreePlace(const QString& from, const QString& to, QString* error) {
    const int failure = moveWithoutReplacing(QFile::encodeName(from), QFile::encodeName(to));
    if (failure == 0)
        return true;
    *error = failureAt(to, failure);
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

bool flushWrittenFile(int fd, const QString& path, QString* error) {
    if (::fdatasync(fd) == 0)
        return true;
    *error = failureAt(path, errno);
    return false;
}

bool flushFolder(const QString& folder, QString* error) {
    const UniqueFd fd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid() && ::fsync(fd.get()) == 0)
        return true;
    *error = failureAt(folder, errno);
    return false;
}

bool closeWrittenFile(UniqueFd& fd, const QString& path, QString* error) {
    if (fd.reset())
        return true;
    *error = failureAt(path, errno);
    return false;
}

bool somethingExistsAt(const QString& path) {
    return existsAt(QFile::encodeName(path));
}

bool isLink(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

std::optional<QStringList> folderEntries(const QString& folder, QString* error) {
    return readEntries(folder, ForeignNames::Fail, error);
}

QStringList textEntriesOf(const QString& folder) {
    QString error;
    return readEntries(folder, ForeignNames::Skip, &error).value_or(QStringList());
}

} // namespace vexo::cipher
