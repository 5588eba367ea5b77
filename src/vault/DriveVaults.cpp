// Removable-drive vaults: opening them, and following drives that come and go.

#include "platform/Digest.h"
#include "platform/HardwareAddress.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/VolumeMonitor.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "vault/MainViewController.h"
#include "vault/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vexo::vault {

void MainViewController::addUSBNotification(platform::VolumeMonitor& monitor) {
    volumeMonitor_ = &monitor;
    connect(&monitor, &platform::VolumeMonitor::volumeMounted, this,
            &MainViewController::deviceMounted);
    connect(&monitor, &platform::VolumeMonitor::volumeUnmounted, this,
            [this] { deviceUnmounted(); });
}

void MainViewController::deviceMounted(const platform::MountedVolume& volume) {
    qCInfo(lcVexo, "插入:%s", qUtf8Printable(volume.mountPoint));
    if (platform::isNtfsVolume(volume))
        return;
    const QStringList folders =
        QDir(volume.mountPoint)
            .entryList({QStringLiteral("*.vlt")}, QDir::Dirs | QDir::Hidden, QDir::Name);
    for (const QString& folder : folders) {
        if (!catalogue_.UPLibrary.contains(volume.name + u'/' + folder)) {
            openDriveVault(store::joinPath(volume.mountPoint, folder));
            return; // one vault per drive at a time; the others open from the add chooser
        }
    }
}

void MainViewController::deviceUnmounted() {
    catalogue_.dropGoneDriveVaults();
    select(store::kSystemDevicName, 1);
    emit catalogue_.listsChanged(ListSelector::DriveVaults);
}

bool isNtfsDrive(const QString& volume, const platform::VolumeMonitor* monitor) {
    QList<platform::MountedVolume> mounted;
    if (monitor) {
        mounted = monitor->mountedVolumes();
    } else {
        QFile table(QStringLiteral("/proc/self/mountinfo"));
        if (table.open(QIODevice::ReadOnly))
            mounted = platform::volumesInMountInfo(table.readAll(), platform::volumesRoot());
    }
    return std::any_of(mounted.cbegin(), mounted.cend(), [&](const platform::MountedVolume& v) {
        return v.name == volume && platform::isNtfsVolume(v);
    });
}

bool MainViewController::isNTFSDisk_DAVolumeKind(const QString& volume) const {
    return isNtfsDrive(volume, volumeMonitor_);
}

bool MainViewController::driveVaultPasswordAccepted(const QString& listFile) {
    const auto groups = store::readGroupList(listFile, store::ListKind::Drive, QString());
    if (!groups || groups->isEmpty() || groups->first()->password.isEmpty())
        return true;
    const store::GroupModel& header = *groups->first();
    const QString master = platform::Settings::value(platform::keys::kSOUREPASSWORD);
    if (header.macAddress == platform::hardwareAddress() &&
        header.password == platform::MD5_32BitUpper(master))
        return true;
    Prompt& prompt = catalogue_.prompt();
    const auto typed = prompt.askPassword(
        {QStringLiteral("passordMessage"),
         {},
         {QStringLiteral("addFristBtn.string"), QStringLiteral("addSecondBtn.string")},
         {},
         QStringLiteral("clickPassword")});
    if (!typed)
        return false;
    if (platform::MD5_32BitUpper(*typed) == header.password)
        return true;
    prompt.alert({Prompt::Style::Warning,
                  QStringLiteral("passworderror"),
                  {},
                  {},
                  {},
                  {QStringLiteral("addFristBtn.string")}});
    return false;
}

int MainViewController::openDriveVault(const QString& path) {
    const QString drive = platform::volumeNameOf(path);
    const QString name = QFileInfo(path).fileName();
    if (drive.isEmpty() || !QFileInfo(platform::volumePath(drive)).isDir()) {
        emit catalogue_.listsChanged(ListSelector::DriveVaults);
        return 0;
    }
    if (!driveVaultPasswordAccepted(store::AppGroupMoveUPListPath(drive, name)))
        return 1;
    catalogue_.moveUpList(drive, drive + u'/' + name);
    return 0;
}

bool MainViewController::changeDriveVaultPassword(const QString& key, const QString& newPassword) {
    const auto it = catalogue_.UPLibrary.find(key);
    if (it == catalogue_.UPLibrary.end() || it.value().isEmpty() || newPassword.isEmpty())
        return false;
    const QString oldDigest = it.value().first()->password;
    const auto setDigest = [&groups = it.value()](const QString& digest) {
        for (const store::GroupModelPtr& group : groups)
            group->password = digest;
    };
    setDigest(platform::MD5_32BitUpper(newPassword));
    if (catalogue_.saveUpListForName(key, it.value().first()->password))
        return true;
    // The drive keeps the old password; a later save must not write the new one.
    setDigest(oldDigest);
    return false;
}

} // namespace vexo::vault
