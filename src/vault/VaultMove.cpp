#include "vault/VaultMove.h"

#include "cipher/PosixFiles.h"
#include "cipher/StreamCopy.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/UniqueFd.h"
#include "store/VaultPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::vault {
namespace {

namespace fs = std::filesystem;
using cipher::failureAt;

fs::path nativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

QString textPath(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

bool isEmptyFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() &&
           QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                              QDir::NoDotAndDotDot);
}

VaultMoveResult failure(const QString& reason) {
    return {VaultMoveOutcome::Failed, reason, {}};
}

// Removes path and everything in it; links are removed, never followed.
bool removeAll(const QString& path, QString* error) {
    std::error_code failed;
    fs::remove_all(nativePath(path), failed);
    if (failed && error != nullptr)
        *error = path + QStringLiteral(": ") + QString::fromStdString(failed.message());
    return !failed;
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
    *error = folder + QStringLiteral(": ") + QString::fromStdString(failed.message());
    return std::nullopt;
}

// Copies one regular file with its permission bits and modification time,
// flushed to disk before it is closed.
cipher::CopyStatus copyFile(const QString& from, const QString& to, VaultMoveProgress& progress,
                            QString* error) {
    std::optional<cipher::SourceFile> source = cipher::openRegularFile(from, error);
    if (!source)
        return cipher::CopyStatus::Failed;
    struct stat info {};
    ::fstat(source->fd.get(), &info);
    platform::UniqueFd target(::open(QFile::encodeName(to).constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                     info.st_mode & 07777));
    if (!target.valid()) {
        *error = failureAt(to, errno);
        return cipher::CopyStatus::Failed;
    }
    const cipher::ChunkHooks hooks{
        [&progress] { return progress.cancelRequested.load(); },
        [&progress](qint64 bytes, bool) { progress.copiedBytes += bytes; }};
    const cipher::CopyResult copied =
        cipher::copyChunks({source->fd.get(), from, 0, source->size}, {target.get(), to}, hooks);
    if (copied.status != cipher::CopyStatus::Copied) {
        *error = copied.error;
        return copied.status;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    ::futimens(target.get(), times);
    if (!cipher::flushWrittenFile(target.get(), to, error) ||
        !cipher::closeWrittenFile(target, to, error))
        return cipher::CopyStatus::Failed;
    return cipher::CopyStatus::Copied;
}

cipher::CopyStatus copyLink(const QString& from, const QString& to, QString* error) {
    std::error_code failed;
    const fs::path target = fs::read_symlink(nativePath(from), failed);
    if (!failed)
        fs::create_symlink(target, nativePath(to), failed);
    if (!failed)
        return cipher::CopyStatus::Copied;
    *error = to + QStringLiteral(": ") + QString::fromStdString(failed.message());
    return cipher::CopyStatus::Failed;
}

cipher::CopyStatus copyEntry(const fs::directory_entry& entry, const QString& to,
                             VaultMoveProgress& progress, QString* error) {
    const QString from = textPath(entry.path());
    std::error_code failed;
    const fs::file_status status = entry.symlink_status(failed);
    if (failed) {
        *error = from + QStringLiteral(": ") + QString::fromStdString(failed.message());
        return cipher::CopyStatus::Failed;
    }
    if (fs::is_directory(status)) {
        const auto mode = static_cast<mode_t>(status.permissions()) & 07777;
        if (::mkdir(QFile::encodeName(to).constData(), mode | S_IRWXU) == 0)
            return cipher::CopyStatus::Copied;
        *error = failureAt(to, errno);
        return cipher::CopyStatus::Failed;
    }
    if (fs::is_symlink(status))
        return copyLink(from, to, error);
    if (fs::is_regular_file(status))
        return copyFile(from, to, progress, error);
    *error = from + QStringLiteral(": is not a file, folder or link, and cannot be copied");
    return cipher::CopyStatus::Failed;
}

// Copies everything below from into the existing folder to.
cipher::CopyStatus copyTree(const QString& from, const QString& to, VaultMoveProgress& progress,
                            QString* error) {
    const fs::path root = nativePath(from);
    std::error_code failed;
    for (fs::recursive_directory_iterator it(root, failed), end; !failed && it != end;
         it.increment(failed)) {
        const QString target = store::joinPath(to, textPath(it->path().lexically_relative(root)));
        const cipher::CopyStatus status = copyEntry(*it, target, progress, error);
        if (status != cipher::CopyStatus::Copied)
            return status;
    }
    if (!failed)
        return cipher::CopyStatus::Copied;
    *error = from + QStringLiteral(": ") + QString::fromStdString(failed.message());
    return cipher::CopyStatus::Failed;
}

// Puts a complete, flushed copy of from at to, or nothing at to.
VaultMoveResult copyIntoPlace(const QString& from, const QString& to, VaultMoveProgress& progress) {
    QString error;
    const std::optional<qint64> total = bytesBelow(from, &error);
    if (!total)
        return failure(error);
    progress.totalBytes = *total;
    const QString folder = cipher::parentFolderOf(to);
    const std::optional<QString> copy =
        cipher::createTemporaryFolder(folder, QFileInfo(to).fileName(), 0700, &error);
    if (!copy)
        return failure(error);
    cipher::CopyStatus copied = copyTree(from, *copy, progress, &error);
    if (copied == cipher::CopyStatus::Copied && !platform::syncFileSystemOf(*copy)) {
        error = *copy + QStringLiteral(": cannot be flushed to disk");
        copied = cipher::CopyStatus::Failed;
    }
    if (copied == cipher::CopyStatus::Copied && cipher::moveIntoFreePlace(*copy, to, &error)) {
        if (!cipher::flushFolder(folder, &error))
            qCWarning(lcVexo, "%s", qUtf8Printable(error));
        return {};
    }
    removeAll(*copy, nullptr);
    if (copied == cipher::CopyStatus::Stopped)
        return {VaultMoveOutcome::Cancelled, {}, {}};
    return failure(error);
}

VaultMoveResult makeEmptyVault(const QString& to, const std::function<bool()>& commit) {
    if (!platform::makePrivatePath(to))
        return failure(to + QStringLiteral(": cannot create this folder"));
    if (!commit())
        return failure(to + QStringLiteral(": the new place could not be recorded"));
    return {};
}

VaultMoveResult renameInPlace(const QString& from, const QString& to,
                              const std::function<bool()>& commit) {
    if (QString error; !cipher::flushFolder(cipher::parentFolderOf(to), &error))
        qCWarning(lcVexo, "%s", qUtf8Printable(error));
    if (commit())
        return {};
    const int back = cipher::moveWithoutReplacing(QFile::encodeName(to), QFile::encodeName(from));
    qCWarning(lcVexo, "vault move not recorded, moved back: %d", back);
    return failure(to + QStringLiteral(": the new place could not be recorded"));
}

VaultMoveResult copyAcross(const QString& from, const QString& to, VaultMoveProgress& progress,
                           const std::function<bool()>& commit) {
    VaultMoveResult result = copyIntoPlace(from, to, progress);
    if (result.outcome != VaultMoveOutcome::Moved)
        return result;
    if (!commit()) {
        removeAll(to, nullptr);
        return failure(to + QStringLiteral(": the new place could not be recorded"));
    }
    removeAll(from, &result.leftBehind);
    return result;
}

} // namespace

bool recordVaultRoot(const QString& root) {
    platform::Settings::setValue(platform::keys::kRootDirKey, root);
    return platform::Settings::value(platform::keys::kRootDirKey) == root;
}

QString vaultMoveRefusal(const QString& from, const QString& to) {
    const QString source = QDir::cleanPath(from);
    const QString target = QDir::cleanPath(to);
    if (target == source || target.startsWith(source + u'/'))
        return to + QStringLiteral(": is the vault folder itself or inside it");
    if (cipher::somethingExistsAt(target) && !isEmptyFolder(target))
        return to + QStringLiteral(": something is already there");
    if (cipher::somethingExistsAt(source) && !QFileInfo(source).isDir())
        return from + QStringLiteral(": is not a folder");
    return {};
}

VaultMoveResult moveVaultFolder(const QString& from, const QString& to, VaultMoveProgress& progress,
                                const std::function<bool()>& commit) {
    if (const QString refusal = vaultMoveRefusal(from, to); !refusal.isEmpty())
        return failure(refusal);
    if (!cipher::somethingExistsAt(from))
        return makeEmptyVault(to, commit);
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
        result = renameInPlace(from, to, commit);
    else if (renamed == EXDEV)
        result = copyAcross(from, to, progress, commit);
    else
        result = failure(failureAt(to, renamed));
    if (result.outcome != VaultMoveOutcome::Moved && emptyFolderChosen)
        ::mkdir(QFile::encodeName(to).constData(), 0700);
    return result;
}

} // namespace vexo::vault
