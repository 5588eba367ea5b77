#include "vault/Reconcile.h"

#include "cipher/HiddenFile.h"
#include "cipher/ItemOnDisk.h"
#include "platform/Digest.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "store/VaultPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace vexo::vault {
namespace {

// The state the disk says item is in; nullopt when it says nothing new.
std::optional<bool> hiddenOnDisk(const store::FileModel& item, const cipher::ItemOnDisk& disk) {
    if (disk.storeComplete && !disk.placeTaken)
        return true;
    if (disk.placeTaken && !disk.storeComplete)
        return false;
    if (disk.placeTaken && disk.storeComplete && item.isEncrtypt) {
        // An unhide that ended before its list was written: what is back is
        // what was hidden. Anything else at the place is kept apart from the
        // hidden item, which stays hidden.
        const bool restored = item.md5CodePath.isEmpty()
                                  ? disk.restoredFromStore
                                  : platform::fileDigest(item.path) == item.md5CodePath;
        if (restored)
            return false;
    }
    return std::nullopt;
}

// A visible item whose place holds it needs no stored copy: one left beside
// it is the remainder of a hide that ended before its source was removed.
void removeStaleStore(const store::FileModel& item, const cipher::ItemOnDisk& disk) {
    if (item.isEncrtypt || !disk.placeTaken || !disk.storeComplete)
        return;
    qCInfo(lcVexo, "removing the stale stored copy of %s", qUtf8Printable(item.path));
    cipher::removeItemAside(store::itemStorePath(item));
}

} // namespace

bool reconcileWithDisk(const store::GroupList& groups) {
    bool changed = false;
    for (const store::GroupModelPtr& group : groups) {
        for (const store::FileModelPtr& item : group->fileModels) {
            const cipher::ItemOnDisk disk = cipher::inspectItemOnDisk(*item);
            if (const auto hidden = hiddenOnDisk(*item, disk);
                hidden && *hidden != item->isEncrtypt) {
                qCWarning(lcVexo, "%s was left %s by an interrupted run",
                          qUtf8Printable(item->path), *hidden ? "hidden" : "visible");
                item->isEncrtypt = *hidden;
                changed = true;
            }
            // With neither copy in its place, a leftover may hold the last
            // of the item: keep everything for the user to look at.
            if (!disk.placeTaken && !disk.storeComplete)
                continue;
            removeStaleStore(*item, disk);
            cipher::removeLeftovers(disk.leftovers);
        }
    }
    return changed;
}

namespace {

QString sessionMarkerIn(const QString& vaultFolder) {
    return store::joinPath(vaultFolder, QStringLiteral(".session-open"));
}

QByteArray lockFileIn(const QString& vaultFolder) {
    return QFile::encodeName(store::joinPath(vaultFolder, QStringLiteral(".vault-lock")));
}

} // namespace

SessionStart openSessionOf(const QString& vaultFolder, platform::UniqueFd& lock) {
    const QByteArray lockFile = lockFileIn(vaultFolder);
    lock = platform::UniqueFd(::open(lockFile.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.valid() && ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return SessionStart::InUse;
        // A file system without locks must not keep the user out.
        qCWarning(lcVexo, "cannot lock %s", lockFile.constData());
    }
    const QString marker = sessionMarkerIn(vaultFolder);
    const bool unfinished = QFileInfo::exists(marker);
    if (!unfinished && !platform::writeFileAtomically(marker, {}))
        qCWarning(lcVexo, "cannot mark %s as in use", qUtf8Printable(vaultFolder));
    return unfinished ? SessionStart::AfterCut : SessionStart::Fresh;
}

void closeSessionOf(const QString& vaultFolder) {
    QFile::remove(sessionMarkerIn(vaultFolder));
}

bool vaultOpenElsewhere(const QString& vaultFolder) {
    const platform::UniqueFd probe(
        ::open(lockFileIn(vaultFolder).constData(), O_RDONLY | O_CLOEXEC));
    // A lock this process holds itself counts too: flock locks belong to
    // open files, not processes. Closing the probe drops its own lock.
    return probe.valid() && ::flock(probe.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

void removeListWriterLeftovers(const QString& folder) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\.(GroupDirlist|GroupNoteslist|GroupMoveUPlist)\.plist\.[A-Za-z0-9]{6}$)"));
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (pattern.match(name).hasMatch() && QFile::remove(store::joinPath(folder, name)))
            qCInfo(lcVexo, "removed an unfinished list %s", qUtf8Printable(name));
    }
}

} // namespace vexo::vault
