#include "cipher/FolderWalk.h"

#include "cipher/FileTransfer.h"
#include "cipher/HiddenFile.h"
#include "cipher/ItemAttributes.h"
#include "cipher/ItemOnDisk.h"
#include "cipher/ItemStore.h"
#include "cipher/PosixFiles.h"
#include "cipher/RestoreJournal.h"
#include "cipher/Sizes.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/VolumesRoot.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace vexo::cipher {
namespace {

using store::FileModelPtr;

// One hide or unhide run over an item.
struct Walk {
    Walk(FileModelPtr walkedItem, ProgressCallback progress)
        : item(std::move(walkedItem)), progressBlock(std::move(progress)), placeRoot(item->path) {}

    FileModelPtr item;
    ProgressCallback progressBlock;
    QString itemStore;
    QString realStore;                  // an unhide's item store, links resolved
    std::optional<HideSetup> hideSetup; // the key text of a hide, taken once
    QString failure;                    // the first failure's reason
    bool storeMadeByRun = false;        // a hide found no item store and made it
    QString builtTop;                   // a hide's own stored top folder, wherever it is now
    RestoreJournal journal;             // what an unhide has written so far
    QString placeRoot;                  // where an unhide writes what belongs at the item's path
    QString restoredTree;               // an unhide's own restored folder, wherever it is now
    bool flushes = true;                // the run itself makes its result durable
    ItemAttributes attributes;          // modes, times and links met, or read back
    QString attributesFile;             // where a whole item's attributes are kept
    bool attributesWritten = false;     // a hide wrote them
};

// A failure ends the run: the item's isCancel stops every level of the walk.
// The reason names the item's place, not the temporary folder it is restored
// in, which the user never sees.
void recordFailure(Walk& walk, const QString& reason) {
    walk.item->isCancel = true;
    if (!walk.failure.isEmpty())
        return;
    walk.failure = reason;
    if (walk.placeRoot != walk.item->path)
        walk.failure.replace(walk.placeRoot + u'/', walk.item->path + u'/');
}

// The per-file steps log their own failures.
void noteOutcome(Walk& walk, const CopyResult& result) {
    if (result.status == CopyStatus::Failed)
        recordFailure(walk, result.error);
}

void fail(Walk& walk, const QString& reason) {
    qCWarning(lcVexo, "失败：error：%s", qUtf8Printable(reason));
    recordFailure(walk, reason);
}

bool stopped(const Walk& walk) {
    if (!runStopped(*walk.item))
        return false;
    qCInfo(lcVexo, "===>>已被取消");
    return true;
}

WalkResult resultOf(const Walk& walk) {
    if (!walk.failure.isEmpty())
        return {WalkOutcome::Failed, walk.failure};
    if (runStopped(*walk.item))
        return {WalkOutcome::Cancelled, {}};
    return {};
}

// The walk's callback as the per-file step sees it: every chunk of the file
// reports the file's ordinal with the item's bytes so far.
ProgressCallback reportingAs(const Walk& walk, qint64 ordinal) {
    if (!walk.progressBlock)
        return {};
    return [&walk, ordinal](qint64, float) {
        walk.progressBlock(ordinal, static_cast<float>(walk.item->currentEncryptSize.load()));
    };
}

QString megabytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1) +
           QStringLiteral(" MB");
}

// An item on a removable drive is hidden into a vault on that same drive,
// which must have room for all of it before anything is written.
bool enoughRoomOnDrive(Walk& walk) {
    const store::FileModel& item = *walk.item;
    if (!platform::isOnVolumes(item.path))
        return true;
    const QString drive = platform::volumePath(platform::volumeNameOf(item.path));
    getUSBDiskTotalSize(drive);
    const qint64 room = getUSBDiskFreeSize(drive);
    const qint64 need =
        isDirectory(item.path) ? folderSizeAtPath(item.path) : fileSizeAtPath(item.path);
    if (need <= room)
        return true;
    fail(walk, QStringLiteral("%1: hiding it needs %2 of free space on %3, which has %4")
                   .arg(item.path, megabytes(need), drive, megabytes(room)));
    return false;
}

bool sameNames(QStringList first, QStringList second) {
    first.sort();
    second.sort();
    return first == second;
}

// The folder is removed after the hide: an entry added (or renamed) while the
// walk went through it would go with it unstored.
void checkEntriesKept(Walk& walk, const QString& folder, const QStringList& entries) {
    QString error;
    const auto now = folderEntries(folder, &error);
    if (!now)
        fail(walk, error);
    else if (!sameNames(*now, entries))
        fail(walk, folder + QStringLiteral(": files were added or removed while it was hidden"));
}

// Notes the modes, time or link of the entry at itemPath; empty when it
// cannot be looked at, which fails the run.
std::optional<EntryAttributes> noteAttributes(Walk& walk, const QString& itemPath) {
    QString error;
    auto entry = entryAttributesAt(store::joinPath(walk.item->path, itemPath), itemPath, &error);
    if (!entry)
        fail(walk, error);
    else
        walk.attributes.append(*entry);
    return entry;
}

// A link is kept as a link, in the attributes; it stores no file. A run
// that keeps no attributes (on a part of an item, or an item named as the
// attributes file is) would lose it with the source.
void noteLink(Walk& walk, const QString& itemPath) {
    if (walk.attributesFile.isEmpty())
        fail(walk, store::joinPath(walk.item->path, itemPath) +
                       QStringLiteral(": a symbolic link, which this item cannot keep"));
}

void hideFolder(Walk& walk, const QString& itemPath, qint64 ordinal) {
    const QString folder = store::joinPath(walk.item->path, itemPath);
    QString error;
    const auto entries = folderEntries(folder, &error);
    if (!entries) {
        fail(walk, error);
        return;
    }
    qCDebug(lcVexo, "===>>加密文件夹path：%s,subDirectorylist:%lld", qUtf8Printable(folder),
            static_cast<long long>(entries->size()));
    for (const QString& name : *entries) {
        if (stopped(walk))
            return;
        const QString childPath = store::joinPath(itemPath, name);
        const auto child = noteAttributes(walk, childPath);
        if (!child)
            continue;
        if (child->kind == EntryAttributes::Kind::Link) {
            noteLink(walk, childPath);
            continue;
        }
        if (child->kind == EntryAttributes::Kind::Folder) {
            hideFolder(walk, childPath, ordinal);
            continue;
        }
        ++ordinal;
        noteOutcome(walk,
                    hideOneFile(walk.item, *walk.hideSetup, childPath, reportingAs(walk, ordinal)));
    }
    if (!runStopped(*walk.item))
        checkEntriesKept(walk, folder, *entries);
}

void restoreFolder(Walk& walk, const QString& storedTop, const QString& storedPath,
                   qint64 ordinal) {
    const QString folder = store::joinPath(storedTop, storedPath);
    QString error;
    const auto entries = folderEntries(folder, &error);
    if (!entries) {
        fail(walk, error);
        return;
    }
    for (const QString& name : *entries) {
        if (stopped(walk))
            return;
        const QString childPath = store::joinPath(storedPath, name);
        if (isDirectory(store::joinPath(folder, name))) {
            restoreFolder(walk, storedTop, childPath, ordinal);
            continue;
        }
        ++ordinal;
        noteOutcome(walk,
                    restoreOneFileBelow(walk.item, {walk.itemStore, walk.realStore}, childPath,
                                        walk.placeRoot, reportingAs(walk, ordinal), walk.journal));
    }
}

bool flushed(Walk& walk, const QString& path) {
    if (!walk.flushes || platform::syncFileSystemOf(path))
        return true;
    fail(walk, path + QStringLiteral(": could not be flushed to disk"));
    return false;
}

// Makes a rename into folder last; the files themselves are flushed already.
bool renameFlushed(Walk& walk, const QString& folder) {
    QString error;
    if (!walk.flushes || flushFolder(folder, &error))
        return true;
    fail(walk, error);
    return false;
}

QString noStoredCopyReason(const store::FileModel& item, const QString& storedTop) {
    return item.path + QStringLiteral(": the vault holds no stored copy of it (") + storedTop +
           QStringLiteral(" is missing)");
}

QString placeTakenReason(const QString& place) {
    return place + QStringLiteral(": something else already exists here; move it away to show "
                                  "the item");
}

// A stored top folder built under a temporary name takes its final name once
// every file in it is on disk, so that name stands for a complete store.
bool storedTopInPlace(Walk& walk) {
    if (!flushed(walk, walk.itemStore))
        return false;
    if (walk.builtTop.isEmpty())
        return true;
    const QString finalTop = storedPathBelow(walk.itemStore, *walk.item, QString());
    QString error;
    if (!moveIntoFreePlace(walk.builtTop, finalTop, &error)) {
        fail(walk, error);
        return false;
    }
    walk.builtTop = finalTop;
    return renameFlushed(walk, walk.itemStore);
}

// A hide stands only when every stored file is on disk; otherwise what the
// run made goes (the whole item store when the run made it) and the item
// stays as it is.
WalkResult finishHide(Walk& walk) {
    if (!runStopped(*walk.item) && storedTopInPlace(walk))
        return {};
    if (walk.storeMadeByRun) {
        removeFile(walk.itemStore);
        return resultOf(walk);
    }
    if (!walk.builtTop.isEmpty())
        removeFile(walk.builtTop);
    if (walk.attributesWritten)
        QFile::remove(walk.attributesFile);
    return resultOf(walk);
}

// A folder restored beside the item's place moves into it in one step, once
// every file in it is on disk; something that appeared there meanwhile stays
// and fails the run.
bool restoredItemInPlace(Walk& walk) {
    const QString place = walk.item->path;
    if (!flushed(walk, walk.placeRoot))
        return false;
    if (walk.placeRoot == place)
        return true;
    // Once the folder is in place, the mark tells a later start that it is
    // the restored item, not something else put there.
    const QString mark = restoreMarkOf(walk.itemStore);
    QString error;
    if (!platform::writeFileAtomically(mark, {}, &error)) {
        fail(walk, mark + QStringLiteral(": ") + error);
        return false;
    }
    if (!moveIntoFreePlace(walk.placeRoot, place, &error)) {
        QFile::remove(mark);
        fail(walk, somethingExistsAt(place) ? placeTakenReason(place) : error);
        return false;
    }
    walk.restoredTree = place;
    return renameFlushed(walk, parentFolderOf(place));
}

// An unhide stands only when every restored file is on disk; otherwise
// exactly what it wrote goes, and the item store is never touched.
WalkResult finishRestore(Walk& walk) {
    if (!runStopped(*walk.item) && restoredItemInPlace(walk)) {
        restoreFolderAttributes(walk.item->path, walk.attributes);
        return {};
    }
    if (!walk.restoredTree.isEmpty())
        removeFile(walk.restoredTree);
    if (!walk.itemStore.isEmpty())
        QFile::remove(restoreMarkOf(walk.itemStore));
    walk.journal.rollBack();
    return resultOf(walk);
}

// Finds the item's store; false when the run must not go on (no safe store,
// an itemPath that leaves the item, or already cancelled).
bool startWalk(Walk& walk, const QString& itemPath) {
    QString error;
    const auto itemStore = checkedItemStore(*walk.item, &error);
    if (!itemStore) {
        fail(walk, error);
        return false;
    }
    if (!isPlainRelativePath(itemPath)) {
        fail(walk, itemPath + QStringLiteral(": not a path inside ") + walk.item->path);
        return false;
    }
    walk.itemStore = *itemStore;
    return !stopped(walk);
}

// An item whose source is gone may be hidden already: its store then holds
// the only copy, which the clean-up of a failed hide would remove.
bool sourceIsThere(Walk& walk, const QString& itemPath) {
    const QString source = store::joinPath(walk.item->path, itemPath);
    if (somethingExistsAt(source))
        return true;
    fail(walk, failureAt(source, ENOENT));
    return false;
}

// A whole folder item is stored under a temporary name first; a stored top
// entry already under the final name is a stored copy the run must not mix
// its files into.
bool storedTopIsFree(Walk& walk, const QString& itemPath) {
    const QString storedTop = storedPathBelow(walk.itemStore, *walk.item, QString());
    if (!itemPath.isEmpty() || !isDirectory(walk.item->path) || !somethingExistsAt(storedTop))
        return true;
    fail(walk, walk.item->path + QStringLiteral(": the vault already holds a stored copy of it (") +
                   storedTop + u')');
    return false;
}

// hideSetupFor logs its own failure.
bool hideSetUp(Walk& walk) {
    walk.storeMadeByRun = !somethingExistsAt(walk.itemStore);
    QString error;
    walk.hideSetup = hideSetupFor(*walk.item, walk.itemStore, &error);
    if (!walk.hideSetup) {
        recordFailure(walk, walk.item->path + QStringLiteral(": ") + error);
        return false;
    }
    walk.hideSetup->flushEachFile = walk.flushes;
    return true;
}

// A whole item's attributes are on disk before its stored top entry takes
// its final name, so a complete store always has them.
void keepAttributes(Walk& walk) {
    if (runStopped(*walk.item) || walk.attributesFile.isEmpty())
        return;
    const HideSetup& setup = *walk.hideSetup;
    QString error;
    walk.attributesWritten = writeAttributes(walk.attributesFile, setup.keyText, setup.envelope,
                                             walk.attributes, walk.flushes, &error);
    if (!walk.attributesWritten)
        fail(walk, error);
}

void hideWholeFolder(Walk& walk, qint64 ordinal) {
    const QString storedName = AESPath(itemLeafName(*walk.item));
    QString error;
    const auto staged = createTemporaryFolder(walk.itemStore, storedName, S_IRWXU, &error);
    if (!staged) {
        fail(walk, error);
        return;
    }
    walk.builtTop = walk.hideSetup->storedTop = *staged;
    if (!noteAttributes(walk, QString()))
        return;
    hideFolder(walk, QString(), ordinal);
    keepAttributes(walk);
}

// An item that is itself a link is stored as the file it leads to, which
// comes back as a plain file: there is no link of its own to keep.
void hideSingleFile(Walk& walk, qint64 ordinal) {
    qCInfo(lcVexo, "===>>加密文件path：%s", qUtf8Printable(walk.item->path));
    if (!isLink(walk.item->path)) {
        if (!noteAttributes(walk, QString()))
            return;
        keepAttributes(walk);
    }
    if (!runStopped(*walk.item))
        noteOutcome(walk, hideOneFile(walk.item, *walk.hideSetup, QString(),
                                      reportingAs(walk, ordinal + 1)));
}

// A run on a whole item keeps or gives back its attributes; a run on a part
// of it does not.
void findAttributesFile(Walk& walk, const QString& itemPath) {
    if (itemPath.isEmpty())
        walk.attributesFile = attributesPathOf(walk.itemStore, *walk.item);
}

// A whole folder item is restored into a temporary folder beside its place.
void restoreWholeFolder(Walk& walk, const QString& storedTop, qint64 ordinal) {
    const QString parent = parentFolderOf(walk.item->path);
    QString error;
    std::optional<QString> staged;
    if (walk.journal.makeFolders(parent, &error))
        staged = createTemporaryFolder(parent, itemLeafName(*walk.item), 0777, &error);
    if (!staged) {
        fail(walk, error);
        return;
    }
    walk.placeRoot = walk.restoredTree = *staged;
    restoreFolder(walk, storedTop, QString(), ordinal);
    if (runStopped(*walk.item))
        return;
    if (restoreFoldersAndLinks(walk.placeRoot, walk.attributes, &error))
        restoreFileAttributes(walk.placeRoot, walk.attributes);
    else
        fail(walk, error);
}

// A store made before attributes were kept has none; damaged ones fail the
// run, which keeps the stored copy for another try.
bool attributesRead(Walk& walk, const QString& itemPath) {
    findAttributesFile(walk, itemPath);
    AttributesRead read = readAttributes(walk.attributesFile);
    if (read.state == AttributesRead::State::Damaged) {
        fail(walk, read.error);
        return false;
    }
    walk.attributes = std::move(read.attributes);
    return true;
}

// An unhide reads nothing through a store that leads outside the vault (a
// drive vault may come from anywhere); the run then ends before its clean-up,
// which would remove a restore mark in the store. A missing store is a
// missing stored copy.
bool storeInsideVault(Walk& walk) {
    QString error;
    std::optional<QString> realStore;
    if (!somethingExistsAt(walk.itemStore))
        error = noStoredCopyReason(*walk.item, storedPathBelow(walk.itemStore, *walk.item, {}));
    else
        realStore = realExistingItemStore(*walk.item, walk.itemStore, &error);
    if (!realStore) {
        fail(walk, error);
        return false;
    }
    walk.realStore = *realStore;
    return true;
}

void restoreSingleFile(Walk& walk, qint64 ordinal) {
    const CopyResult restored =
        restoreOneFile(walk.item, {walk.itemStore, walk.realStore}, QString(),
                       reportingAs(walk, ordinal + 1), walk.journal);
    noteOutcome(walk, restored);
    if (restored.status == CopyStatus::Copied)
        restoreFileAttributes(walk.item->path, walk.attributes);
}

// The walk below the stored top entry goes into real folders only; a part of
// the item named by itemPath may be reached through links, which must stay
// inside the store.
void restoreItem(Walk& walk, const QString& itemPath, qint64 currentIndex) {
    const store::FileModel& item = *walk.item;
    const QString storedTop = storedPathBelow(walk.itemStore, item, QString());
    const QString storedPart = store::joinPath(storedTop, itemPath);
    QString error;
    if (!somethingExistsAt(storedTop))
        fail(walk, noStoredCopyReason(item, storedTop));
    else if (!isDirectory(storedTop))
        restoreSingleFile(walk, currentIndex);
    else if (itemPath.isEmpty())
        restoreWholeFolder(walk, storedTop, currentIndex);
    else if (!staysInside(storedPart, walk.realStore))
        fail(walk, linkLeadsOutsideReason(storedPart));
    else if (walk.journal.makeFolders(store::joinPath(item.path, AESPath(itemPath)), &error))
        restoreFolder(walk, storedTop, itemPath, currentIndex);
    else
        fail(walk, error);
}

} // namespace

WalkResult EncryptAESAtFilemodel(const FileModelPtr& item, const QString& itemPath,
                                 [[maybe_unused]] qint64 fileSize, qint64 currentIndex,
                                 const ProgressCallback& progressBlock, Durability durability) {
    store::HelpClass::sharedInstance().setEditModel(item);
    Walk walk(item, progressBlock);
    walk.flushes = durability == Durability::OnDisk;
    if (!startWalk(walk, itemPath) || !sourceIsThere(walk, itemPath) || !enoughRoomOnDrive(walk) ||
        !storedTopIsFree(walk, itemPath) || !hideSetUp(walk))
        return resultOf(walk);
    // A mark left by an earlier unhide would speak for this item's place, and
    // attributes left by an earlier hide for its files.
    QFile::remove(restoreMarkOf(walk.itemStore));
    findAttributesFile(walk, itemPath);
    if (!walk.attributesFile.isEmpty())
        QFile::remove(walk.attributesFile);

    if (isDirectory(item->path) && itemPath.isEmpty()) {
        hideWholeFolder(walk, currentIndex);
    } else if (isDirectory(item->path)) {
        const QString storedFolder = storedPathBelow(walk.itemStore, *item, itemPath);
        if (platform::makePrivatePath(storedFolder))
            hideFolder(walk, itemPath, currentIndex);
        else
            fail(walk, storedFolder + QStringLiteral(": cannot create this folder"));
    } else {
        hideSingleFile(walk, currentIndex);
    }
    return finishHide(walk);
}

WalkResult EncryptAESAtFilemodel(const FileModelPtr& item, const QString& itemPath,
                                 const ProgressCallback& progressBlock) {
    item->currentEncryptSize = 0;
    return EncryptAESAtFilemodel(item, itemPath, 0, 0, progressBlock);
}

WalkResult DeCodeAESAtFilemodel(const FileModelPtr& item, const QString& itemPath,
                                qint64 currentIndex, const ProgressCallback& progressBlock) {
    store::HelpClass::sharedInstance().setEditModel(item);
    Walk walk(item, progressBlock);
    if (!startWalk(walk, itemPath))
        return resultOf(walk);
    // Never write over or into anything that is already at the item's place.
    if (itemPath.isEmpty() && somethingExistsAt(item->path)) {
        fail(walk, placeTakenReason(item->path));
        return resultOf(walk);
    }
    if (!storeInsideVault(walk) || !attributesRead(walk, itemPath))
        return resultOf(walk);
    restoreItem(walk, itemPath, currentIndex);
    return finishRestore(walk);
}

WalkResult DeCodeAESAtFilemodel(const FileModelPtr& item, const QString& itemPath) {
    item->currentEncryptSize = 0;
    return DeCodeAESAtFilemodel(item, itemPath, 0, {});
}

void createDir(const store::FileModel& item, const QString& itemPath) {
    QString error;
    const auto itemStore = checkedItemStore(item, &error);
    if (itemStore && isPlainRelativePath(itemPath) &&
        platform::makePrivatePath(storedPathBelow(*itemStore, item, itemPath)))
        return;
    qCDebug(lcVexo, "%s,%d error:%s", Q_FUNC_INFO, __LINE__,
            qUtf8Printable(storedPathOf(item, itemPath)));
}

void createDeDir(const store::FileModel& item, const QString& itempath) {
    QDir().mkpath(store::joinPath(parentFolderOf(item.path), AESPath(itempath)));
}

bool isDirectory(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace vexo::cipher
