#include "vault/VaultCatalogue.h"

#include "cipher/Aes.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/DefaultLists.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "vault/Prompt.h"
#include "vault/Reconcile.h"

#include <QFile>
#include <QFileInfo>

namespace vexo::vault {
namespace {

// How long a list change may wait for its file to be written.
constexpr int kPendingSaveDelayMs = 1000;

bool folderExists(const QString& key) {
    return QFileInfo(platform::volumePath(key)).isDir();
}

// Reads a local list file into target; false when it exists but cannot be read.
bool readLocalList(const QString& path, store::ListKind kind, const QString& groupName,
                   store::GroupList& target) {
    target.clear();
    if (!QFileInfo::exists(path))
        return true;
    auto groups = store::readGroupList(path, kind, groupName);
    if (!groups) {
        keepUnreadableAside(path);
        return false;
    }
    target = std::move(*groups);
    return true;
}

} // namespace

QString keepUnreadableAside(const QString& listFile) {
    const QString aside =
        listFile + QStringLiteral(".unreadable-") + platform::getTimeIntervalSince();
    if (!QFile::rename(listFile, aside)) {
        qCWarning(lcVexo, "could not move the unreadable list %s aside", qUtf8Printable(listFile));
        return {};
    }
    qCWarning(lcVexo, "unreadable list kept as %s", qUtf8Printable(aside));
    return aside;
}

QString driveOfKey(const QString& key) {
    return key.section(u'/', 0, 0);
}

QString vaultFolderOfKey(const QString& key) {
    return key.section(u'/', -1, -1);
}

VaultCatalogue::VaultCatalogue(Prompt& prompt, QObject* parent) : QObject(parent), prompt_(prompt) {
    workers_.setMaxThreadCount(8); // several single switches may run at once
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kPendingSaveDelayMs);
    connect(&saveTimer_, &QTimer::timeout, this, &VaultCatalogue::flushPendingSaves);
}

VaultCatalogue::~VaultCatalogue() {
    // Outcomes still on their way cannot be applied any more, and the lists
    // in memory show their items in their target state: a vault with work
    // under way keeps its files as they are and stays marked, so the next
    // start checks it against the disk.
    workers_.waitForDone();
    if (runsUnderWay_ > 0)
        return;
    flushPendingSaves();
    for (const auto& session : sessions_)
        closeSessionOf(session.first);
}

void VaultCatalogue::startWork(std::function<void()> job) {
    workers_.start([job = std::move(job)] {
        job();
        cipher::releaseThreadCipherState();
    });
}

SessionStart VaultCatalogue::beginSession(const QString& vaultFolder) {
    if (sessions_.count(vaultFolder) > 0)
        return SessionStart::Fresh; // this catalogue holds it already
    platform::UniqueFd lock;
    const SessionStart start = openSessionOf(vaultFolder, lock);
    if (start != SessionStart::InUse)
        sessions_.emplace(vaultFolder, std::move(lock));
    return start;
}

void VaultCatalogue::moveSession(const QString& from, const QString& to,
                                 platform::UniqueFd newHold) {
    auto held = sessions_.extract(from);
    if (newHold.valid()) {
        sessions_.insert_or_assign(to, std::move(newHold));
    } else if (!held.empty()) {
        held.key() = to;
        sessions_.insert(std::move(held));
    } else {
        beginSession(to);
    }
}

bool VaultCatalogue::saveListOf(const store::FileModel& item) {
    return saveListNamed(item.groupName);
}

bool VaultCatalogue::saveListNamed(const QString& groupName) {
    pendingSaves_.remove(groupName);
    if (groupName == store::kSystemDevicName)
        return SaveGroupList(ListSelector::LocalFiles);
    if (groupName == store::kSystemDevicNoteName)
        return SaveGroupList(ListSelector::Notes);
    return SaveGroupList(ListSelector::DriveVaults, groupName);
}

void VaultCatalogue::scheduleSaveListOf(const store::FileModel& item) {
    pendingSaves_.insert(item.groupName);
    if (!saveTimer_.isActive())
        saveTimer_.start();
}

void VaultCatalogue::flushPendingSaves() {
    saveTimer_.stop();
    const QSet<QString> pending = std::exchange(pendingSaves_, {});
    for (const QString& groupName : pending)
        saveListNamed(groupName);
}

bool VaultCatalogue::setGroupDirListSource() {
    return readLocalList(store::AppGroupDirListPath(), store::ListKind::Local,
                         store::kSystemDevicName, groupDirList);
}

bool VaultCatalogue::setNotesListSource() {
    return readLocalList(store::AppGroupNotesListPath(), store::ListKind::Notes,
                         store::kSystemDevicNoteName, groupNoteList);
}

bool VaultCatalogue::SaveGroupList(ListSelector kind, const QString& selectedKey) {
    qCInfo(lcVexo, "更新数据库数据");
    ++listWrites_;
    bool written = true;
    switch (kind) {
    case ListSelector::DriveVaults:
        for (auto it = UPLibrary.cbegin(); it != UPLibrary.cend(); ++it) {
            qCInfo(lcVexo, "select:%s", qUtf8Printable(selectedKey));
            if (it.key() == selectedKey && folderExists(it.key()))
                written = saveUpListForName(it.key()) && written;
        }
        platform::Settings::setValue(platform::keys::KUPNAMES, QStringList(UPLibrary.keys()));
        return written;
    case ListSelector::LocalFiles:
        written = store::writeGroupList(store::AppGroupDirListPath(), groupDirList,
                                        store::ListKind::Local);
        break;
    case ListSelector::Notes:
        qCInfo(lcVexo, "开始更新Notes数据库");
        written = store::writeGroupList(store::AppGroupNotesListPath(), groupNoteList,
                                        store::ListKind::Notes);
        break;
    }
    if (written)
        qCInfo(lcVexo, "更新Group.plist 成功");
    else
        qCWarning(lcVexo, "could not write the group list");
    return written;
}

bool VaultCatalogue::saveUpListForName(const QString& key, const QString& password) {
    ++listWrites_;
    const QString path = store::AppGroupMoveUPListPath(driveOfKey(key), vaultFolderOfKey(key));
    const bool written =
        store::writeGroupList(path, UPLibrary.value(key), store::ListKind::Drive, password);
    if (written)
        qCInfo(lcVexo, "更新Group.plist 成功");
    else
        qCWarning(lcVexo, "could not write the drive vault list %s", qUtf8Printable(path));
    return written;
}

void VaultCatalogue::moveUpList(const QString& drive, const QString& key) {
    const QString path = store::AppGroupMoveUPListPath(drive, vaultFolderOfKey(key));
    const SessionStart start = beginSession(QFileInfo(path).path());
    if (start == SessionStart::InUse) {
        tellVaultInUse(QFileInfo(path).path());
        return;
    }
    if (auto groups = store::readGroupList(path, store::ListKind::Drive, key, drive)) {
        UPLibrary.insert(key, std::move(*groups));
        removeListWriterLeftovers(QFileInfo(path).path());
        if (start == SessionStart::AfterCut && reconcileWithDisk(UPLibrary.value(key)))
            saveUpListForName(key);
    } else {
        if (QFileInfo::exists(path))
            keepUnreadableAside(path);
        UPLibrary.insert(key, store::defaultDriveGroupList(drive, key, groupDirList.size()));
        SaveGroupList(ListSelector::DriveVaults, key);
    }
    emit listsChanged(ListSelector::DriveVaults);
}

QStringList VaultCatalogue::dropGoneDriveVaults() {
    QStringList dropped;
    for (const QString& key : UPLibrary.keys()) {
        if (!folderExists(key)) {
            UPLibrary.remove(key);
            dropped << key;
        }
    }
    if (!dropped.isEmpty()) {
        emit driveVaultsDropped(dropped);
        emit listsChanged(ListSelector::DriveVaults);
    }
    return dropped;
}

void VaultCatalogue::tellVaultInUse(const QString& vaultFolder) {
    prompt_.alert({Prompt::Style::Warning,
                   QStringLiteral("vaultInUse.title"),
                   {},
                   QStringLiteral("vaultInUse.message"),
                   vaultFolder,
                   {QStringLiteral("okBtn.Title")}});
}

void VaultCatalogue::dropGoneDriveVaultsAndTell() {
    const QStringList dropped = dropGoneDriveVaults();
    for (qsizetype i = 0; i < dropped.size(); ++i)
        prompt_.alert({Prompt::Style::Warning,
                       QStringLiteral("wenxintishi"),
                       {},
                       QStringLiteral("fileRemovedMessage"),
                       {},
                       {QStringLiteral("Ok")}});
}

} // namespace vexo::vault
