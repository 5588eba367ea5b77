#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace vexo::platform {

// A file system mounted directly below the volumes root.
struct MountedVolume {
    QString name;           // last component of the mount point
    QString mountPoint;     // volumes root / name
    QString fileSystemType; // as the kernel names it: "vfat", "ntfs3", "fuseblk", ...
    QString device;         // the mounted source, e.g. "/dev/sdb1"

    bool operator==(const MountedVolume&) const = default;
};

// The volumes mounted below the volumes root, read from a mountinfo file
// (the format of /proc/self/mountinfo).
QList<MountedVolume> volumesInMountInfo(const QByteArray& mountInfo, const QString& root);

// Reports volumes that appear below or disappear from the volumes root.
// Watches /proc/self/mountinfo, which the kernel marks with POLLPRI whenever
// the mount table changes; refresh() re-reads it on demand (and is how tests
// feed a prepared mountinfo file).
class VolumeMonitor : public QObject {
    Q_OBJECT
public:
    explicit VolumeMonitor(QString mountInfoPath = QStringLiteral("/proc/self/mountinfo"),
                           QObject* parent = nullptr);
    ~VolumeMonitor() override;

    QList<MountedVolume> mountedVolumes() const { return volumes_; }

    // Re-reads the mount table and reports the differences.
    void refresh();

signals:
    void volumeMounted(const vexo::platform::MountedVolume& volume);
    void volumeUnmounted(const vexo::platform::MountedVolume& volume);

private:
    QList<MountedVolume> readVolumes() const;

    QString mountInfoPath_;
    QList<MountedVolume> volumes_;
    int watchFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// True for the file-system kinds that count as NTFS: "ntfs", "ntfs3", and a
// "fuseblk" mount whose device holds NTFS (the ntfs-3g driver).
bool isNtfsVolume(const MountedVolume& volume);

} // namespace vexo::platform
