#include "cipher/RestoreJournal.h"

#include "cipher/PosixFiles.h"
#include "platform/Log.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::cipher {
namespace {

bool isFolder(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

bool RestoreJournal::makeFolders(const QString& folder, QString* error) {
    QStringList missing;
    for (QString path = folder; !somethingExistsAt(path); path = QFileInfo(path).path()) {
        if (missing.contains(path))
            break; // reached "/" or "." without finding anything
        missing.prepend(path);
    }
    for (const QString& path : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
            folders_ << path;
        else if (errno != EEXIST) {
            *error = failureAt(path, errno);
            return false;
        }
    }
    if (isFolder(folder))
        return true;
    *error = failureAt(folder, ENOTDIR);
    return false;
}

void RestoreJournal::fileRestored(const QString& path) {
    files_ << path;
}

void RestoreJournal::rollBack() {
    for (auto file = files_.crbegin(); file != files_.crend(); ++file) {
        if (::unlink(QFile::encodeName(*file).constData()) != 0 && errno != ENOENT)
            qCWarning(lcVexo, "删除文件失败：%s", qUtf8Printable(*file));
    }
    for (auto folder = folders_.crbegin(); folder != folders_.crend(); ++folder) {
        if (::rmdir(QFile::encodeName(*folder).constData()) != 0 && errno != ENOENT)
            qCWarning(lcVexo, "删除文件失败：%s", qUtf8Printable(*folder));
    }
    files_.clear();
    folders_.clear();
}

} // namespace vexo::cipher
