#include "platform/VolumeMonitor.h"
#include "platform/VolumesRoot.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace vexo::platform;
using namespace Qt::StringLiterals;

namespace {

QString nameAt(const QSignalSpy& spy, int signal) {
    return spy.at(signal).at(0).value<MountedVolume>().name;
}

} // namespace

// The volumes root and the volumes mounted directly below it.
class VolumesTest : public QObject {
    Q_OBJECT
private slots:
    void theRootAndThePathsBelowIt() {
        const QByteArray saved = qgetenv("VEXO_VOLUMES_ROOT");
        qputenv("VEXO_VOLUMES_ROOT", "/tmp/vols//");
        const QString overridden = volumesRoot();
        qunsetenv("VEXO_VOLUMES_ROOT");
        const QString fallback = volumesRoot();
        qputenv("VEXO_VOLUMES_ROOT", saved);
        QCOMPARE(overridden, u"/tmp/vols"_s);
        QVERIFY2(fallback.startsWith(u"/run/media/"_s) || fallback.startsWith(u"/media/"_s),
                 qPrintable(fallback));
        const QString root = volumesRoot();
        QCOMPARE(volumePath(u"USB1"_s), root + u"/USB1"_s);
        QCOMPARE(volumeNameOf(root + u"/USB1/Docs/a.txt"_s), u"USB1"_s);
        QCOMPARE(volumeNameOf(root + u"/USB1"_s), u"USB1"_s);
        QVERIFY(isOnVolumes(root + u"/USB1"_s));
        for (const QString& path : {root, root + u"X/USB1/a"_s, u"/home/u/Docs/a.txt"_s}) {
            QVERIFY2(!isOnVolumes(path), qPrintable(path));
            QCOMPARE(volumeNameOf(path), QString());
        }
    }

    // Only mounts directly below the root count; a later mount on the same
    // point hides the earlier one.
    void theMountTableGivesTheVolumes() {
        const QByteArray table =
            "20 1 8:1 / / rw shared:1 - ext4 /dev/vda rw\n"
            "21 1 0:5 / /media/u rw - tmpfs tmpfs rw\n"
            "22 21 8:17 / /media/u/USB1 rw,nosuid shared:2 master:1 - vfat /dev/sdb1 rw\n"
            "23 22 8:33 / /media/u/USB1/inner rw - ext4 /dev/sdc1 rw\n"
            "24 1 8:49 / /media/user2/USB2 rw - vfat /dev/sdd1 rw\n"
            "25 21 8:65 / /media/u/My\\040Drive rw - exfat /dev/sde1 rw\n"
            "garbage line without separator\n\n"
            "26 21 8:81 / /media/u/USB1 rw - ntfs3 /dev/sdf1 rw\n";
        QCOMPARE(volumesInMountInfo(table, u"/media/u"_s),
                 (QList<MountedVolume>{
                     {u"My Drive"_s, u"/media/u/My Drive"_s, u"exfat"_s, u"/dev/sde1"_s},
                     {u"USB1"_s, u"/media/u/USB1"_s, u"ntfs3"_s, u"/dev/sdf1"_s}}));
    }

    void ntfsKinds() {
        const auto ntfs = [](const QString& type) {
            return isNtfsVolume({u"USB1"_s, u"/r/USB1"_s, type, u"/nonexistent/device"_s});
        };
        for (const QString& type : {u"ntfs"_s, u"ntfs3"_s, u"fuseblk.ntfs-3g"_s})
            QVERIFY2(ntfs(type), qPrintable(type));
        QVERIFY(!ntfs(u"fuseblk"_s)); // its device cannot be probed
        QVERIFY(!ntfs(u"vfat"_s));
    }

    void refreshReportsMountsAndUnmounts() {
        QTemporaryDir dir;
        const QString table = dir.filePath(u"mountinfo"_s);
        const QByteArray root = QFile::encodeName(volumesRoot());
        vexo::test::writeFile(table, "1 1 8:1 / " + root + "/USB1 rw - vfat /dev/sdb1 rw\n");
        VolumeMonitor monitor(table);
        QCOMPARE(monitor.mountedVolumes().size(), 1);
        QSignalSpy mounted(&monitor, &VolumeMonitor::volumeMounted);
        QSignalSpy unmounted(&monitor, &VolumeMonitor::volumeUnmounted);
        vexo::test::writeFile(table, "2 1 8:2 / " + root + "/USB2 rw - exfat /dev/sdc1 rw\n");
        for (int refresh = 0; refresh < 2; ++refresh) { // the second finds nothing new
            monitor.refresh();
            QCOMPARE(mounted.size(), 1);
            QCOMPARE(nameAt(mounted, 0), u"USB2"_s);
            QCOMPARE(unmounted.size(), 1);
            QCOMPARE(nameAt(unmounted, 0), u"USB1"_s);
        }
    }

    void aRealMountAndUnmountAreReported() {
        VolumeMonitor monitor;
        QSignalSpy mounted(&monitor, &VolumeMonitor::volumeMounted);
        QSignalSpy unmounted(&monitor, &VolumeMonitor::volumeUnmounted);
        {
            vexo::test::TmpfsMount drive(volumesRoot() + u"/REALDRIVE"_s, 1 << 20);
            if (!drive.mounted())
                QSKIP(qPrintable(drive.whyNot()));
            QTRY_COMPARE(mounted.size(), 1);
            const auto volume = mounted.at(0).at(0).value<MountedVolume>();
            QCOMPARE(volume.name, u"REALDRIVE"_s);
            QCOMPARE(volume.fileSystemType, u"tmpfs"_s);
        }
        QTRY_COMPARE(unmounted.size(), 1);
    }
};

VEXO_TEST_MAIN(VolumesTest)
#include "tst_volumes.moc"
