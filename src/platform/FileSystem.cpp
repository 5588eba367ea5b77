#include "platform/FileSystem.h"

#include "platform/UniqueFd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::platform {
namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

QString errnoText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

// Makes a rename inside folder durable.
void syncFolder(const QString& folder) {
    const UniqueFd fd(::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

} // namespace

bool makePrivatePath(const QString& path) {
    if (path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !makePrivatePath(parent))
        return false;
    if (::mkdir(encoded(clean).constData(), 0700) == 0 || errno == EEXIST)
        return QFileInfo(clean).isDir();
    return false;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error) {
    const QString folder = QFileInfo(path).path();
    QByteArray temporary = encoded(folder + QStringLiteral("/.") + QFileInfo(path).fileName() +
                                   QStringLiteral(".XXXXXX"));
    UniqueFd fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.valid())
        return fail(error, QStringLiteral("cannot create a file in ") + folder);
    // Some file systems (vfat) have no modes; that is not a failure.
    ::fchmod(fd.get(), S_IRUSR | S_IWUSR);
    const bool written =
        writeAll(fd.get(), data.constData(), data.size()) && ::fsync(fd.get()) == 0 && fd.reset();
    if (!written || ::rename(temporary.constData(), encoded(path).constData()) != 0) {
        const QString reason = errnoText();
        ::unlink(temporary.constData());
        return fail(error, reason);
    }
    syncFolder(folder);
    return true;
}

bool writeAll(int fd, const char* data, qint64 length) {
    while (length > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= written;
    }
    return true;
}

bool syncFileSystemOf(const QString& path) {
    const UniqueFd fd(::open(encoded(path).constData(), O_RDONLY | O_CLOEXEC));
    return fd.valid() && ::syncfs(fd.get()) == 0;
}

bool removeTree(const QString& path, QString* error) {
    std::error_code failure;
    std::filesystem::remove_all(encoded(path).toStdString(), failure);
    if (failure && error != nullptr)
        *error = path + QStringLiteral(": ") + QString::fromStdString(failure.message());
    return !failure;
}

void addExecuteBits(const QString& path) {
    struct stat info {};
    if (::stat(encoded(path).constData(), &info) != 0)
        return;
    ::chmod(encoded(path).constData(), info.st_mode | S_IXUSR);
}

} // namespace vexo::platform
