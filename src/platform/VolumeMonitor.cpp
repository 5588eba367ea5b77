#include "platform/VolumeMonitor.h"

#include "platform/Log.h"
#include "platform/VolumesRoot.h"

#include <QFile>
#include <QSocketNotifier>

#include <blkid/blkid.h>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <utility>

namespace vexo::platform {
namespace {

// mountinfo escapes blanks, tabs, newlines and backslashes as \ooo.
QString unescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code >= 0 && code < 256) {
                out.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        out.append(field.at(i));
    }
    return QFile::decodeName(out);
}

// Fields: id parent major:minor root mountpoint options [optional...] - type source superoptions
std::optional<MountedVolume> parseMountLine(const QByteArray& line, const QString& root) {
    const QList<QByteArray> fields = line.split(' ');
    const qsizetype separator = fields.indexOf(QByteArray("-"));
    if (fields.size() < 5 || separator < 6 || separator + 2 >= fields.size())
        return std::nullopt;
    const QString mountPoint = unescapeMountField(fields.at(4));
    const QString prefix = root + u'/';
    if (!mountPoint.startsWith(prefix) || mountPoint.mid(prefix.size()).contains(u'/') ||
        mountPoint.size() == prefix.size())
        return std::nullopt;
    return MountedVolume{mountPoint.mid(prefix.size()), mountPoint,
                         QString::fromLatin1(fields.at(separator + 1)),
                         unescapeMountField(fields.at(separator + 2))};
}

QString probedFileSystemType(const QString& device) {
    blkid_probe probe = blkid_new_probe_from_filename(QFile::encodeName(device).constData());
    if (!probe)
        return {};
    QString type;
    const char* value = nullptr;
    if (blkid_do_safeprobe(probe) == 0 &&
        blkid_probe_lookup_value(probe, "TYPE", &value, nullptr) == 0 && value)
        type = QString::fromLatin1(value);
    blkid_free_probe(probe);
    return type;
}

} // namespace

QList<MountedVolume> volumesInMountInfo(const QByteArray& mountInfo, const QString& root) {
    QList<MountedVolume> volumes;
    for (const QByteArray& line : mountInfo.split('\n')) {
        // A later mount on the same point hides the earlier one.
        if (auto volume = parseMountLine(line, root)) {
            volumes.removeIf(
                [&](const MountedVolume& v) { return v.mountPoint == volume->mountPoint; });
            volumes.append(*volume);
        }
    }
    return volumes;
}

VolumeMonitor::VolumeMonitor(QString mountInfoPath, QObject* parent)
    : QObject(parent), mountInfoPath_(std::move(mountInfoPath)) {
    volumes_ = readVolumes();
    watchFd_ = ::open(QFile::encodeName(mountInfoPath_).constData(), O_RDONLY | O_CLOEXEC);
    if (watchFd_ < 0) {
        qCWarning(lcVexo, "cannot watch %s for mounts", qUtf8Printable(mountInfoPath_));
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(watchFd_, QSocketNotifier::Exception);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &VolumeMonitor::refresh);
}

VolumeMonitor::~VolumeMonitor() {
    notifier_.reset();
    if (watchFd_ >= 0)
        ::close(watchFd_);
}

QList<MountedVolume> VolumeMonitor::readVolumes() const {
    QFile file(mountInfoPath_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Files under /proc report size 0: read until the end instead.
    return volumesInMountInfo(file.readAll(), volumesRoot());
}

void VolumeMonitor::refresh() {
    if (watchFd_ >= 0) {
        // Reading the watched file to its end acknowledges the change.
        char buffer[4096];
        ::lseek(watchFd_, 0, SEEK_SET);
        while (::read(watchFd_, buffer, sizeof buffer) > 0) {
        }
    }
    const QList<MountedVolume> now = readVolumes();
    const QList<MountedVolume> before = std::exchange(volumes_, now);
    for (const MountedVolume& volume : before) {
        if (!now.contains(volume))
            emit volumeUnmounted(volume);
    }
    for (const MountedVolume& volume : now) {
        if (!before.contains(volume))
            emit volumeMounted(volume);
    }
}

bool isNtfsVolume(const MountedVolume& volume) {
    const QString type = volume.fileSystemType.toLower();
    if (type == QStringLiteral("ntfs") || type == QStringLiteral("ntfs3") ||
        type.endsWith(QStringLiteral(".ntfs-3g")) || type.endsWith(QStringLiteral(".ntfs")))
        return true;
    return type == QStringLiteral("fuseblk") &&
           probedFileSystemType(volume.device) == QStringLiteral("ntfs");
}

} // namespace vexo::platform
