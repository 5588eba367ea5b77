#include "cipher/SecureErase.h"

#include "cipher/HiddenFile.h"
#include "cipher/PosixFiles.h"
#include "platform/Log.h"
#include "platform/UniqueFd.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <openssl/rand.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::cipher {
namespace {

using platform::UniqueFd;

// Every open of an entry of the tree: a symbolic link is never followed, and
// a pipe swapped in meanwhile cannot block the eraser.
constexpr int kEntryOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

enum class Fill { Zeros, Ones, Random };

QList<Fill> passesOf(EraseMethod method) {
    switch (method) {
    case EraseMethod::Zeros:
        return {Fill::Zeros};
    case EraseMethod::RandomData:
        return {Fill::Random};
    case EraseMethod::ThreePasses:
        return {Fill::Zeros, Fill::Ones, Fill::Random};
    }
    return {Fill::Random};
}

bool refill(QByteArray& buffer, Fill fill, qint64 length) {
    if (fill != Fill::Random)
        return true;
    return RAND_bytes(reinterpret_cast<unsigned char*>(buffer.data()), int(length)) == 1;
}

bool writePass(int fd, qint64 size, Fill fill, const QString& path, QString* error) {
    QByteArray buffer(qMin(size, kChunkSize), fill == Fill::Ones ? '\xFF' : '\0');
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        *error = failureAt(path, errno);
        return false;
    }
    for (qint64 done = 0; done < size;) {
        const qint64 length = qMin(size - done, kChunkSize);
        if (!refill(buffer, fill, length)) {
            *error = path + QStringLiteral(": no random bytes to overwrite it with");
            return false;
        }
        if (!writeFully(fd, path, buffer.constData(), length, error))
            return false;
        done += length;
    }
    return flushWrittenFile(fd, path, error);
}

bool sameEntry(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString childPath(const QString& folder, const QByteArray& name) {
    return folder + u'/' + QFile::decodeName(name);
}

// Walks one tree below an open folder, entry by entry, never leaving it
// through a symbolic link.
class TreeEraser {
public:
    explicit TreeEraser(EraseMethod method) : method_(method) {}

    void eraseEntry(int folderFd, const QByteArray& name, const QString& path) {
        struct stat seen {};
        if (::fstatat(folderFd, name.constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) // gone already: nothing to erase
                fail(failureAt(path, errno));
            return;
        }
        if (S_ISDIR(seen.st_mode)) {
            eraseFolderContent(folderFd, name, seen, path);
            unlinkEntry(folderFd, name, AT_REMOVEDIR, path);
            return;
        }
        // Data with another name lives on under it; only a file's last name
        // lets its data go.
        if (S_ISREG(seen.st_mode) && seen.st_nlink == 1)
            overwrite(folderFd, name, seen, path);
        unlinkEntry(folderFd, name, 0, path);
    }

    void fail(const QString& reason) {
        qCWarning(lcVexo, "secure erase: %s", qUtf8Printable(reason));
        report.failures << reason;
    }

    EraseReport report;

private:
    void unlinkEntry(int folderFd, const QByteArray& name, int flags, const QString& path) {
        if (::unlinkat(folderFd, name.constData(), flags) != 0 && errno != ENOENT)
            fail(failureAt(path, errno));
    }

    // The names in the open folder; read whole before any is erased, so
    // that removing entries cannot disturb the listing.
    std::optional<QList<QByteArray>> namesIn(int folderFd, const QString& path) {
        const int listingFd = ::dup(folderFd);
        const std::unique_ptr<DIR, int (*)(DIR*)> dir(
            listingFd >= 0 ? ::fdopendir(listingFd) : nullptr, &::closedir);
        if (!dir) {
            fail(failureAt(path, errno));
            if (listingFd >= 0)
                ::close(listingFd);
            return std::nullopt;
        }
        QList<QByteArray> names;
        while (const dirent* entry = ::readdir(dir.get())) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names << name;
        }
        return names;
    }

    void eraseFolderContent(int parentFd, const QByteArray& name, const struct stat& seen,
                            const QString& path) {
        const UniqueFd folder(
            ::openat(parentFd, name.constData(), O_RDONLY | O_DIRECTORY | kEntryOpenFlags));
        struct stat opened {};
        if (!folder.valid() || ::fstat(folder.get(), &opened) != 0) {
            fail(failureAt(path, errno));
            return;
        }
        if (!sameEntry(seen, opened)) {
            fail(path + QStringLiteral(": replaced while it was being erased"));
            return;
        }
        if (const auto names = namesIn(folder.get(), path))
            for (const QByteArray& child : *names)
                eraseEntry(folder.get(), child, childPath(path, child));
    }

    // A read-only file of the user's own is made writable first, through a
    // descriptor that is known to be that file.
    static UniqueFd openForWriting(int folderFd, const QByteArray& name, const struct stat& seen) {
        UniqueFd fd(::openat(folderFd, name.constData(), O_WRONLY | kEntryOpenFlags));
        if (fd.valid() || errno != EACCES)
            return fd;
        const UniqueFd readable(::openat(folderFd, name.constData(), O_RDONLY | kEntryOpenFlags));
        struct stat opened {};
        if (!readable.valid() || ::fstat(readable.get(), &opened) != 0 ||
            !sameEntry(seen, opened) ||
            ::fchmod(readable.get(), (opened.st_mode & 07777) | S_IWUSR) != 0) {
            errno = EACCES;
            return fd;
        }
        return UniqueFd(::openat(folderFd, name.constData(), O_WRONLY | kEntryOpenFlags));
    }

    void overwrite(int folderFd, const QByteArray& name, const struct stat& seen,
                   const QString& path) {
        const UniqueFd fd = openForWriting(folderFd, name, seen);
        struct stat opened {};
        if (!fd.valid() || ::fstat(fd.get(), &opened) != 0) {
            fail(failureAt(path, errno));
            return;
        }
        // Checked again on the open file: the entry may have changed since
        // it was looked at.
        if (!sameEntry(seen, opened) || !S_ISREG(opened.st_mode) || opened.st_nlink != 1) {
            fail(path + QStringLiteral(": replaced or linked while it was being erased"));
            return;
        }
        QString error;
        if (overwriteFile(fd.get(), opened.st_size, method_, path, &error))
            ++report.overwritten;
        else
            fail(error);
    }

    EraseMethod method_;
};

} // namespace

EraseMethod eraseMethodOf(int choice) {
    return static_cast<EraseMethod>(
        std::clamp(choice, int(EraseMethod::Zeros), int(EraseMethod::ThreePasses)));
}

bool overwriteFile(int fd, qint64 size, EraseMethod method, const QString& path, QString* error) {
    const QList<Fill> passes = passesOf(method);
    return std::all_of(passes.begin(), passes.end(),
                       [&](Fill fill) { return writePass(fd, size, fill, path, error); });
}

EraseReport eraseTree(const QString& path, EraseMethod method) {
    TreeEraser eraser(method);
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name == u"." || name == u"..") {
        eraser.fail(path + QStringLiteral(": not a path with a name of its own"));
        return eraser.report;
    }
    const QString folder = parentFolderOf(path);
    const UniqueFd folderFd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.valid())
        eraser.eraseEntry(folderFd.get(), QFile::encodeName(name), path);
    else
        eraser.fail(failureAt(folder, errno));
    // Whatever the walk could not take goes the plain way.
    if (somethingExistsAt(path))
        removeFile(path);
    eraser.report.removed = !somethingExistsAt(path);
    qCInfo(lcVexo, "securely erased %s: %d files overwritten, %d failures", qUtf8Printable(path),
           eraser.report.overwritten, int(eraser.report.failures.size()));
    return eraser.report;
}

} // namespace vexo::cipher
