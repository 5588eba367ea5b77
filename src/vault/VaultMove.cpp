#include "vault/VaultMove.h"

#include "cipher/PosixFiles.h"
#include "cipher/StreamCopy.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/VaultPaths.h"
#include "vault/Reconcile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace vexo::vault {
namespace {

namespace fs = std::filesystem;
using cipher::CopyStatus;
using cipher::failureAt;
using platform::Settings;

fs::path nativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

QString textPath(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

QString failureAt(const QString& path, const std::error_code& error) {
    return path + QStringLiteral(": ") + QString::fromStdString(error.message());
}

bool isEmptyFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() &&
           QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                              QDir::NoDotAndDotDot);
}

VaultMoveResult failure(const QString& reason) {
    VaultMoveResult result;
    result.outcome = VaultMoveOutcome::Failed;
    result.reason = reason;
    return result;
}

QString notRecorded(const QString& to) {
    return to + QStringLiteral(": the new place of the vault could not be recorded");
}

// Why the vault folder from cannot move to to, or empty when it can.
QString refusalOf(const QString& from, const QString& to) {
    const QString source = QDir::cleanPath(from);
    const QString target = QDir::cleanPath(to);
    if (target == source || target.startsWith(source + u'/'))
        return to + QStringLiteral(": is the vault folder itself or inside it");
    if (platform::isOnVolumes(target))
        return to + QStringLiteral(": is on a removable drive, which keeps a vault of its own");
    if (cipher::somethingExistsAt(target) && !isEmptyFolder(target))
        return to + QStringLiteral(": something is already there");
    if (QFileInfo(source).isSymLink())
        return from + QStringLiteral(": is a link; move the folder it points to instead");
    if (cipher::somethingExistsAt(source) && !QFileInfo(source).isDir())
        return from + QStringLiteral(": is not a folder");
    return {};
}

// The bytes of the regular files below folder, links not followed.
std::optional<qint64> bytesBelow(const QString& folder, QString* error) {
    qint64 total = 0;
    std::error_code failed;
    for (fs::recursive_directory_iterator it(nativePath(folder), failed), end; !failed && it != end;
         it.increment(failed)) {
        const fs::file_status status = it->symlink_status(failed);
        if (!failed && fs::is_regular_file(status))
            total += static_cast<qint64>(it->file_size(failed));
    }
    if (!failed)
        return total;
    *error = failureAt(folder, failed);
    return std::nullopt;
}

bool roomFor(qint64 bytes, const QString& folder, QString* error) {
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) != 0) {
        *error = failureAt(folder, errno);
        return false;
    }
    const auto free = static_cast<qint64>(disk.f_bavail) * static_cast<qint64>(disk.f_frsize);
    if (free >= bytes)
        return true;
    *error = folder + QStringLiteral(": not enough free space, %1 MB are needed")
                          .arg((bytes + (1 << 20) - 1) >> 20);
    return false;
}

// Copies one regular file with its permission bits and modification time,
// flushed to disk before it is closed.
CopyStatus copyFile(const QString& from, const QString& to, VaultMoveProgress& progress,
                    QString* error) {
    std::optional<cipher::SourceFile> source = cipher::openRegularFile(from, error);
    if (!source)
        return CopyStatus::Failed;
    struct stat info {};
    if (::fstat(source->fd.get(), &info) != 0) {
        *error = failureAt(from, errno);
        return CopyStatus::Failed;
    }
    platform::UniqueFd target(::open(QFile::encodeName(to).constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                     info.st_mode & 07777));
    if (!target.valid()) {
        *error = failureAt(to, errno);
        return CopyStatus::Failed;
    }
    const cipher::ChunkHooks hooks{
        [&progress] { return progress.cancelRequested.load(); },
        [&progress](qint64 bytes, bool) { progress.copiedBytes += bytes; }};
    const cipher::CopyResult copied =
        cipher::copyChunks({source->fd.get(), from, 0, source->size}, {target.get(), to}, hooks);
    if (copied.status != CopyStatus::Copied) {
        *error = copied.error;
        return copied.status;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    ::futimens(target.get(), times);
    if (!cipher::flushWrittenFile(target.get(), to, error) ||
        !cipher::closeWrittenFile(target, to, error))
        return CopyStatus::Failed;
    return CopyStatus::Copied;
}

CopyStatus copyLink(const QString& from, const QString& to, QString* error) {
    std::error_code failed;
    const fs::path target = fs::read_symlink(nativePath(from), failed);
    if (!failed)
        fs::create_symlink(target, nativePath(to), failed);
    if (!failed)
        return CopyStatus::Copied;
    *error = failureAt(to, failed);
    return CopyStatus::Failed;
}

CopyStatus copyEntry(const fs::directory_entry& entry, const QString& to,
                     VaultMoveProgress& progress, QString* error) {
    const QString from = textPath(entry.path());
    std::error_code failed;
    const fs::file_status status = entry.symlink_status(failed);
    if (failed) {
        *error = failureAt(from, failed);
        return CopyStatus::Failed;
    }
    if (fs::is_directory(status)) {
        const auto mode = static_cast<mode_t>(status.permissions()) & 07777;
        if (::mkdir(QFile::encodeName(to).constData(), mode | S_IRWXU) == 0)
            return CopyStatus::Copied;
        *error = failureAt(to, errno);
        return CopyStatus::Failed;
    }
    if (fs::is_symlink(status))
        return copyLink(from, to, error);
    if (fs::is_regular_file(status))
        return copyFile(from, to, progress, error);
    *error = from + QStringLiteral(": is not a file, folder or link, and cannot be copied");
    return CopyStatus::Failed;
}

// Copies everything below from into the existing folder to.
CopyStatus copyTree(const QString& from, const QString& to, VaultMoveProgress& progress,
                    QString* error) {
    const fs::path root = nativePath(from);
    std::error_code failed;
    for (fs::recursive_directory_iterator it(root, failed), end; !failed && it != end;
         it.increment(failed)) {
        const QString target = store::joinPath(to, textPath(it->path().lexically_relative(root)));
        const CopyStatus status = copyEntry(*it, target, progress, error);
        if (status != CopyStatus::Copied)
            return status;
    }
    if (!failed)
        return CopyStatus::Copied;
    *error = failureAt(from, failed);
    return CopyStatus::Failed;
}

// Copies of an earlier move that was cut short, beside to.
void removeStaleCopies(const QString& folder, const QString& stem) {
    const QStringList names =
        QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        if (cipher::isTemporaryNameFor(name, stem))
            platform::removeTree(store::joinPath(folder, name));
}

// Puts a complete, flushed copy of from at to, or nothing at to.
VaultMoveResult copyIntoPlace(const QString& from, const QString& to, VaultMoveProgress& progress) {
    QString error;
    const QString folder = cipher::parentFolderOf(to);
    const QString stem = QFileInfo(to).fileName();
    removeStaleCopies(folder, stem);
    const std::optional<qint64> total = bytesBelow(from, &error);
    if (!total || !roomFor(*total, folder, &error))
        return failure(error);
    progress.totalBytes = *total;
    const std::optional<QString> copy = cipher::createTemporaryFolder(folder, stem, 0700, &error);
    if (!copy)
        return failure(error);
    CopyStatus copied = copyTree(from, *copy, progress, &error);
    if (copied == CopyStatus::Copied && !platform::syncFileSystemOf(*copy)) {
        error = *copy + QStringLiteral(": cannot be flushed to disk");
        copied = CopyStatus::Failed;
    }
    if (copied == CopyStatus::Copied && cipher::moveIntoFreePlace(*copy, to, &error)) {
        if (!cipher::flushFolder(folder, &error))
            qCWarning(lcVexo, "%s", qUtf8Printable(error));
        return {};
    }
    platform::removeTree(*copy);
    if (copied != CopyStatus::Stopped)
        return failure(error);
    VaultMoveResult cancelled;
    cancelled.outcome = VaultMoveOutcome::Cancelled;
    return cancelled;
}

VaultMoveResult makeEmptyVault(const QString& to, const RecordRoot& record) {
    if (!platform::makePrivatePath(to))
        return failure(to + QStringLiteral(": cannot create this folder"));
    return record(to) ? VaultMoveResult() : failure(notRecorded(to));
}

VaultMoveResult renameInPlace(const QString& from, const QString& to, const RecordRoot& record) {
    if (QString error; !cipher::flushFolder(cipher::parentFolderOf(to), &error))
        qCWarning(lcVexo, "%s", qUtf8Printable(error));
    if (record(to))
        return {};
    const int back = cipher::moveWithoutReplacing(QFile::encodeName(to), QFile::encodeName(from));
    if (back == 0)
        return failure(notRecorded(to));
    // The vault is whole at to; only the setting names the old place.
    return failure(notRecorded(to) + QStringLiteral("; the vault is now in this folder"));
}

VaultMoveResult copyAcross(const QString& from, const QString& to, VaultMoveProgress& progress,
                           const RecordRoot& record) {
    VaultMoveResult result = copyIntoPlace(from, to, progress);
    if (result.outcome != VaultMoveOutcome::Moved)
        return result;
    // The copy is held before anyone can learn of it, so no other program
    // opens it between its recording and the open vault taking it up.
    if (openSessionOf(to, result.newHold) == SessionStart::InUse) {
        platform::removeTree(to);
        return failure(to + QStringLiteral(": another program has opened the vault there"));
    }
    if (!record(to)) {
        result.newHold = {};
        platform::removeTree(to);
        return failure(notRecorded(to));
    }
    platform::removeTree(from, &result.leftBehind);
    return result;
}

VaultMoveResult moveExistingVault(const QString& from, const QString& to,
                                  VaultMoveProgress& progress, const RecordRoot& record) {
    const QString folder = cipher::parentFolderOf(to);
    if (!platform::makePrivatePath(folder))
        return failure(folder + QStringLiteral(": cannot create this folder"));
    // An empty folder the user chose gives way to the vault, and comes back
    // when the vault stays where it was.
    const bool emptyFolderChosen = isEmptyFolder(to);
    if (emptyFolderChosen && ::rmdir(QFile::encodeName(to).constData()) != 0)
        return failure(failureAt(to, errno));
    VaultMoveResult result;
    const int renamed =
        cipher::moveWithoutReplacing(QFile::encodeName(from), QFile::encodeName(to));
    if (renamed == 0)
        result = renameInPlace(from, to, record);
    else if (renamed == EXDEV)
        result = copyAcross(from, to, progress, record);
    else
        result = failure(failureAt(to, renamed));
    if (result.outcome != VaultMoveOutcome::Moved && emptyFolderChosen)
        ::mkdir(QFile::encodeName(to).constData(), 0700);
    return result;
}

} // namespace

bool recordVaultRoot(const QString& root) {
    Settings::setValue(platform::keys::kRootDirKey, root);
    // The old folder goes once this returns: the setting must outlast a
    // power cut first.
    QString error;
    const bool flushed = cipher::flushFolder(cipher::parentFolderOf(Settings::fileName()), &error);
    if (!flushed)
        qCWarning(lcVexo, "%s", qUtf8Printable(error));
    return flushed && Settings::value(platform::keys::kRootDirKey) == root;
}

VaultMoveResult moveVaultFolder(const QString& from, const QString& to, VaultMoveProgress& progress,
                                const RecordRoot& record) {
    if (const QString refusal = refusalOf(from, to); !refusal.isEmpty())
        return failure(refusal);
    if (!cipher::somethingExistsAt(from))
        return makeEmptyVault(to, record);
    Settings::setValue(platform::keys::vaultMovePending, QStringList{from, to});
    VaultMoveResult result = moveExistingVault(from, to, progress, record);
    Settings::remove(platform::keys::vaultMovePending);
    return result;
}

void finishInterruptedVaultMove() {
    const QStringList move = Settings::value(platform::keys::vaultMovePending);
    if (move.size() != 2)
        return;
    const QString root = Settings::value(platform::keys::kRootDirKey);
    const QString& from = move.at(0);
    const QString& to = move.at(1);
    if (root == from && !cipher::somethingExistsAt(from) && QFileInfo(to).isDir()) {
        qCInfo(lcVexo, "the vault was moved to %s before a stop", qUtf8Printable(to));
        recordVaultRoot(to);
    }
    Settings::remove(platform::keys::vaultMovePending);
}

} // namespace vexo::vault
