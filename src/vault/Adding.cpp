// Adding files and folders to the vault: which paths, into which group and
// vault, the new records, and the walk that hides them.

#include "cipher/FileTypes.h"
#include "cipher/FolderWalk.h"
#include "cipher/ItemStore.h"
#include "cipher/Sizes.h"
#include "cipher/Thumbnails.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/HardwareAddress.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/VolumesRoot.h"
#include "store/GroupFolderName.h"
#include "store/VaultPaths.h"
#include "vault/ItemRuns.h"
#include "vault/ItemWalk.h"
#include "vault/MainViewController.h"
#include "vault/Prompt.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace vexo::vault {
namespace {

using store::FileModelPtr;

const QString kDefaultDriveVault = QStringLiteral("Vault.vlt");

bool holdsPath(const store::GroupList& groups, const QString& path) {
    return std::any_of(groups.cbegin(), groups.cend(), [&](const store::GroupModelPtr& group) {
        return std::any_of(group->fileModels.cbegin(), group->fileModels.cend(),
                           [&](const FileModelPtr& item) { return item->path == path; });
    });
}

bool isOrHolds(const QString& folder, const QString& path) {
    const QString clean = QDir::cleanPath(path);
    const QString base = QDir::cleanPath(folder);
    return clean == base || clean.startsWith(base + u'/') || base.startsWith(clean + u'/');
}

// Why path cannot become an item; empty when it can.
QString refusalOf(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return path + QStringLiteral(": a link; add the file or folder it points to instead");
    if (!info.exists())
        return path + QStringLiteral(": not found");
    if (!info.isAbsolute())
        return path + QStringLiteral(": not a full path");
    const QString root = store::AppRootDirKey();
    if (!root.isEmpty() && isOrHolds(root, path))
        return path + QStringLiteral(": the vault's own folder");
    if (platform::isOnVolumes(path) && path.section(u'/', -1).endsWith(QStringLiteral(".vlt")))
        return path + QStringLiteral(": a drive vault folder");
    return {};
}

// The item's creation time from its attributes, whole seconds; 0 when they
// cannot be read.
qint64 creationSeconds(const QFileInfo& info) {
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.lastModified();
    return created.isValid() ? created.toSecsSinceEpoch() : 0;
}

QString lastComponent(const QString& path) {
    return path.section(u'/', -1);
}

QString megabytesText(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / 1024.0 / 1024.0, 'f', 2);
}

void writeThumbnail(VaultCatalogue& catalogue, const store::FileModel& item) {
    if (!catalogue.thumbnailWriter)
        return;
    const QString thumbnail =
        cipher::getFileThumbImagePath(item.path, lastComponent(item.groupName));
    const bool picture = cipher::isThumbnailImage(item.path);
    if (!catalogue.thumbnailWriter(item.path, thumbnail, picture))
        qCWarning(lcVexo, "%s,%d", "-[MainViewController AddFileActionForPaths:comPleted:]",
                  picture ? 1105 : 1113);
}

} // namespace

QStringList MainViewController::pathsToAdd(const QStringList& paths) {
    QStringList kept;
    QStringList refused;
    for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
        const QString& path = *it;
        bool held = holdsPath(catalogue_.groupDirList, path) || kept.contains(path);
        for (auto vault = catalogue_.UPLibrary.cbegin();
             !held && vault != catalogue_.UPLibrary.cend(); ++vault)
            held = QFileInfo(platform::volumePath(vault.key())).isDir() &&
                   holdsPath(vault.value(), path);
        if (held)
            continue;
        if (const QString refusal = refusalOf(path); !refusal.isEmpty())
            refused.prepend(refusal);
        else
            kept.prepend(path);
    }
    if (!refused.isEmpty())
        tell(catalogue_.prompt(), QStringLiteral("addRefused.title"), failureSummary(refused));
    return kept;
}

std::optional<QString> MainViewController::askVaultName(const QString& candidate) {
    const auto typed = catalogue_.prompt().askText(
        {QStringLiteral("createFolderMessage"),
         {},
         {QStringLiteral("addFristBtn.string"), QStringLiteral("addSecondBtn.string")},
         QStringLiteral("My Value"),
         QStringLiteral("clickvaultName")});
    if (!typed)
        return std::nullopt;
    // The name becomes one folder on the drive: it may not reach elsewhere.
    QString name = typed->trimmed();
    name.replace(u'/', u'-').replace(QChar(u'\0'), u'-');
    if (name.isEmpty())
        return candidate;
    if (!name.endsWith(QStringLiteral(".vlt")))
        name += QStringLiteral(".vlt");
    return name;
}

bool MainViewController::chooseExistingDriveVault(const QStringList& paths) {
    const QStringList chosen = catalogue_.prompt().chooseFiles(
        {QStringLiteral("selectsecurityMessage"), QStringLiteral("/"), false, true, true, {}});
    if (!chosen.isEmpty()) {
        int opened = 1;
        AddFileActionForPaths({chosen.first()}, [&opened](int result) { opened = result; });
        if (opened == 0) {
            selectGroupName = chosen.first().section(u'/', -2);
            AddFileActionForPaths(paths);
        }
    }
    qCInfo(lcVexo, "otherButton clicked!");
    return false;
}

std::optional<QString> MainViewController::driveVaultForAdding(const QString& volume,
                                                               const QStringList& paths) {
    QString candidate = kDefaultDriveVault;
    if (catalogue_.UPLibrary.contains(selectGroupName)) {
        candidate = vaultFolderOfKey(selectGroupName);
    } else {
        for (auto it = catalogue_.UPLibrary.cbegin(); it != catalogue_.UPLibrary.cend(); ++it) {
            if (QFileInfo(platform::volumePath(it.key())).isWritable()) {
                candidate = vaultFolderOfKey(it.key());
                selectGroupName = it.key();
                selectGroupIndex = 1;
                break;
            }
        }
    }
    const bool writable = QFileInfo(store::AppRootMoveUpDirPath(volume, candidate)).isWritable();
    if (catalogue_.UPLibrary.contains(volume + u'/' + candidate))
        return candidate;
    Prompt& prompt = catalogue_.prompt();
    const QStringList buttons = writable ? QStringList{QStringLiteral("Newlybuild.string"),
                                                       QStringLiteral("Selectexisting.string")}
                                         : QStringList{QStringLiteral("addFristBtn.string"),
                                                       QStringLiteral("addSecondBtn.string")};
    const int answer = prompt.alert(
        {Prompt::Style::Warning,
         writable ? QStringLiteral("addMessage1.string") : QStringLiteral("addMessage.string"),
         {volume},
         QStringLiteral("addInfomation.string"),
         {},
         buttons});
    if (answer == 0)
        return askVaultName(candidate);
    if (writable && answer == 1)
        chooseExistingDriveVault(paths);
    else
        qCInfo(lcVexo, "otherButton clicked!");
    return std::nullopt;
}

store::GroupModelPtr MainViewController::targetGroupForAdding(const QStringList& paths) {
    const QString& first = paths.first();
    if (!platform::isOnVolumes(first)) {
        const qint64 index = selectGroupName == store::kSystemDevicName ? selectGroupIndex : 1;
        const store::GroupList& groups = catalogue_.groupDirList;
        if (index > 0 && index < groups.size() - 1)
            return groups.at(index);
        return groups.size() > 1 ? groups.at(1) : nullptr;
    }
    const QString volume = platform::volumeNameOf(first);
    const auto name = driveVaultForAdding(volume, paths);
    if (!name)
        return nullptr;
    const QString key = volume + u'/' + *name;
    qint64 index = selectGroupName == store::kSystemDevicName ? 1 : selectGroupIndex;
    if (selectGroupName != key)
        index = 1; // the group chosen belongs to another vault
    if (!catalogue_.UPLibrary.contains(key)) {
        if (isNTFSDisk_DAVolumeKind(volume) || !QFileInfo(platform::volumePath(volume)).isDir())
            return nullptr; // told by the caller's vault folder check
        // A vault of that name may be there already, made elsewhere: it opens
        // only with its password, as when it is opened itself.
        const QString listFile = store::AppGroupMoveUPListPath(volume, *name);
        if (QFileInfo::exists(listFile) && !driveVaultPasswordAccepted(listFile))
            return nullptr;
        catalogue_.moveUpList(volume, key);
    }
    selectGroupName = key;
    const store::GroupList groups = catalogue_.UPLibrary.value(key);
    if (index > 0 && index < groups.size() - 1)
        return groups.at(index);
    return groups.size() > 1 ? groups.at(1) : nullptr;
}

bool MainViewController::vaultFolderUsable(const store::GroupModel& target) {
    const bool local = target.groupName == store::kSystemDevicName;
    const QString folder = local ? store::AppRootDirKey() : platform::volumePath(target.groupName);
    const bool ntfs = !local && isNTFSDisk_DAVolumeKind(driveOfKey(target.groupName));
    if (!ntfs && QFileInfo(folder).isDir())
        return true;
    catalogue_.prompt().alert({Prompt::Style::Error,
                               QStringLiteral("CreateFolderErrorTitle"),
                               {},
                               QStringLiteral("CreateFolderErrorMessage"),
                               {},
                               {QStringLiteral("OK")}});
    return false;
}

QList<FileModelPtr> MainViewController::newItems(const QStringList& paths,
                                                 const store::GroupModel& target) {
    const qint64 now = platform::currentSeconds();
    const QString macAddress = platform::hardwareAddress();
    QList<FileModelPtr> items;
    for (const QString& path : paths) {
        auto item = std::make_shared<store::FileModel>();
        const QFileInfo info(path);
        item->path = path;
        item->name = lastComponent(path);
        item->fileIndex = target.fileModels.size();
        item->groupIndex = target.index;
        item->groupName = target.groupName;
        item->macAddress = macAddress;
        item->createDate = creationSeconds(info);
        item->addDate = now;
        item->encryptedPath = target.path + u'/' + store::itemStoreName(path);
        item->fileSize = cipher::isDirectory(path) ? cipher::folderSizeAtPath(path)
                                                   : cipher::fileSizeAtPath(path);
        item->startEncryptDate = platform::currentMilliseconds();
        qCInfo(lcVexo, "当前目录下文件总大小:%lld", static_cast<long long>(item->fileSize));
        items << item;
    }
    return items;
}

bool MainViewController::roomOnDriveFor(const QList<FileModelPtr>& items) {
    const QString& first = items.first()->path;
    if (!platform::isOnVolumes(first))
        return true;
    const QString drive = platform::volumePath(platform::volumeNameOf(first));
    qint64 total = 0;
    for (const FileModelPtr& item : items)
        total += item->fileSize;
    const qint64 free = cipher::getUSBDiskFreeSize(drive);
    qCInfo(lcVexo, "开始加密前检查--->totalSize ==>> %lld",
           static_cast<long long>(cipher::getUSBDiskTotalSize(drive)));
    qCInfo(lcVexo, "开始加密前检查--->freeSize ==>> %lld", static_cast<long long>(free));
    qCInfo(lcVexo, "开始加密前检查--->fileSize ==>> %lld", static_cast<long long>(total));
    if (total <= free)
        return true;
    tell(catalogue_.prompt(), QStringLiteral("needTotalSize.Title"), {}, {megabytesText(total)});
    return false;
}

void MainViewController::AddFileActionForPaths(const QStringList& paths,
                                               std::function<void(int)> comPleted) {
    if (paths.isEmpty())
        return;
    if (cipher::pathExtension(paths.first()).toLower() == QStringLiteral("vlt")) {
        const int result = openDriveVault(paths.first());
        if (comPleted)
            comPleted(result);
        return;
    }
    const QStringList fresh = pathsToAdd(paths);
    if (fresh.isEmpty())
        return;
    const store::GroupModelPtr target = targetGroupForAdding(fresh);
    if (!target || !vaultFolderUsable(*target))
        return;
    QList<FileModelPtr> items = newItems(fresh, *target);
    if (!roomOnDriveFor(items))
        return;
    emit catalogue_.progressStateChanged(
        platform::localizedStringForKey(QStringLiteral("process.text")), true);
    for (const FileModelPtr& item : std::as_const(items)) {
        writeThumbnail(catalogue_, *item);
        QString error;
        const auto store = cipher::checkedItemStore(*item, &error);
        if (!store || !platform::makePrivatePath(*store)) {
            qCWarning(lcVexo, "%s,%d,%s", "AddFileActionForPaths", 1150, qUtf8Printable(error));
            tell(catalogue_.prompt(), QStringLiteral("CreateFolderErrorTitle"),
                 error.isEmpty() ? item->encryptedPath : error);
        }
    }
    target->fileModels += items;
    catalogue_.saveListOf(*target->fileModels.constLast());
    select(target->groupName, target->index);
    chooseItemsShown();
    emit catalogue_.listsChanged(target->groupName == store::kSystemDevicName
                                     ? ListSelector::LocalFiles
                                     : ListSelector::DriveVaults);
    encryptModel(items);
}

void MainViewController::encryptModel(const QList<FileModelPtr>& items, qsizetype index) {
    VaultCatalogue* catalogue = &catalogue_;
    const QList<FileModelPtr> walked = items.mid(index);
    walkItems(catalogue_, walked, true, [catalogue, walked](const WalkSummary& summary) {
        if (summary.cancelledAt >= 0) {
            for (qsizetype i = summary.cancelledAt; i < walked.size(); ++i) {
                walked[i]->isEncrtypt = false;
                walked[i]->isCancel = true;
                emit catalogue->itemChanged(walked[i]);
            }
            catalogue->saveListOf(*walked.first());
        }
        if (!summary.failures.isEmpty())
            tell(catalogue->prompt(), QStringLiteral("hideFailed.title"),
                 failureSummary(summary.failures));
    });
}

} // namespace vexo::vault
