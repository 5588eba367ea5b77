#include "vault/NotePackages.h"

#include "cipher/PosixFiles.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/UniqueFd.h"
#include "store/VaultPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>

namespace vexo::vault {
namespace {

// Leaves room below the usual 255-byte limit of a file name for " 2"-style
// suffixes.
constexpr qsizetype kLongestFolderName = 200;

bool samePath(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}

bool recordedBy(const QStringList& recorded, const QString& path) {
    return std::any_of(recorded.cbegin(), recorded.cend(),
                       [&](const QString& each) { return samePath(each, path); });
}

// name in the notes folder, or name + separator + 2, 3... until nothing on
// disk and no recorded note uses it.
QString freePackagePath(const QString& name, const QString& separator, const QStringList& recorded,
                        const QString& ownPath) {
    const QString folder = store::AppRootNoteDirPath();
    for (int n = 1;; ++n) {
        const QString path =
            store::joinPath(folder, n == 1 ? name : name + separator + QString::number(n));
        if (samePath(path, ownPath))
            return path;
        if (!cipher::somethingExistsAt(path) && !recordedBy(recorded, path))
            return path;
    }
}

void cutToFolderNameLength(QString& name) {
    if (name.size() > kLongestFolderName)
        name.truncate(kLongestFolderName);
    while (name.toUtf8().size() > kLongestFolderName)
        name.chop(1);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
}

} // namespace

QString newNotePackagePath(qint64 count, const QStringList& recorded) {
    const QString name =
        QStringLiteral("Note%1_%2").arg(count).arg(platform::getTimeIntervalSince());
    return freePackagePath(name, QStringLiteral("-"), recorded, {});
}

QString packagePathForTitle(const QString& title, const QStringList& recorded,
                            const QString& ownPath) {
    return freePackagePath(packageFolderName(title), QStringLiteral(" "), recorded, ownPath);
}

QString packageFolderName(const QString& title) {
    QString name = title;
    name.replace(u'/', u'-').replace(QChar(u'\0'), u'-');
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        name.replace(u'.', u'-');
    cutToFolderNameLength(name);
    return name;
}

bool isInNotesFolder(const QString& packagePath) {
    // Cleaning folds away "..", so "Notes/../x" is not inside.
    return !packagePath.isEmpty() && QFileInfo(QDir::cleanPath(packagePath)).path() ==
                                         QDir::cleanPath(store::AppRootNoteDirPath());
}

bool rebaseNotesMovedWithVault(const store::GroupList& groups) {
    const QString notesFolder = QDir::cleanPath(store::AppRootNoteDirPath());
    const QString notesFolderName = QFileInfo(notesFolder).fileName();
    bool changed = false;
    for (const store::GroupModelPtr& group : groups) {
        for (const store::FileModelPtr& note : group->fileModels) {
            const QFileInfo recorded(QDir::cleanPath(note->path));
            const QString moved = store::joinPath(notesFolder, recorded.fileName());
            if (recorded.path() == notesFolder ||
                QFileInfo(recorded.path()).fileName() != notesFolderName ||
                !QFileInfo(moved).isDir())
                continue;
            note->path = moved;
            changed = true;
        }
    }
    return changed;
}

bool makeEmptyPackage(const QString& packagePath) {
    if (!platform::makePrivatePath(packagePath))
        return false;
    const QByteArray mainFile = QFile::encodeName(store::joinPath(packagePath, kNoteMainFileName));
    const platform::UniqueFd fd(
        ::open(mainFile.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    return fd.valid() || errno == EEXIST;
}

bool removePackage(const QString& packagePath, QString* error) {
    return platform::removeTree(packagePath, error);
}

} // namespace vexo::vault
