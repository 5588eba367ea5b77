#include "platform/VolumeMonitor.h"
#include "platform/VolumesRoot.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace vexo::platform;
using vexo::test::writeFile;

namespace {

QByteArray mountLine(int id, const QByteArray& mountPoint, const QByteArray& type,
                     const QByteArray& source) {
    return QByteArray::number(id) + " 1 8:1 / " + mountPoint +
           " rw,nosuid shared:" + QByteArray::number(id) + " - " + type + ' ' + source + " rw\n";
}

} // namespace

class VolumeMonitorTest : public QObject {
    Q_OBJECT
private slots:
    void onlyMountsDirectlyBelowTheRootCount() {
        const QByteArray root = "/media/u";
        const QByteArray table = mountLine(20, "/", "ext4", "/dev/vda") +
                                 mountLine(21, root, "tmpfs", "tmpfs") +
                                 mountLine(22, root + "/USB1", "vfat", "/dev/sdb1") +
                                 mountLine(23, root + "/USB1/inner", "ext4", "/dev/sdc1") +
                                 mountLine(24, "/media/user2/USB2", "vfat", "/dev/sdd1") +
                                 mountLine(25, root + "/My\\040Drive", "exfat", "/dev/sde1") +
                                 "garbage line without separator\n" + "\n";
        const QList<MountedVolume> volumes = volumesInMountInfo(table, QString::fromLatin1(root));
        QCOMPARE(volumes.size(), 2);
        QCOMPARE(volumes.at(0),
                 (MountedVolume{QStringLiteral("USB1"), QStringLiteral("/media/u/USB1"),
                                QStringLiteral("vfat"), QStringLiteral("/dev/sdb1")}));
        QCOMPARE(volumes.at(1).name, QStringLiteral("My Drive"));
        QCOMPARE(volumes.at(1).fileSystemType, QStringLiteral("exfat"));
    }

    void aLaterMountOnTheSamePointWins() {
        const QByteArray table = mountLine(1, "/r/USB1", "vfat", "/dev/sdb1") +
                                 mountLine(2, "/r/USB1", "ntfs3", "/dev/sdc1");
        const auto volumes = volumesInMountInfo(table, QStringLiteral("/r"));
        QCOMPARE(volumes.size(), 1);
        QCOMPARE(volumes.at(0).fileSystemType, QStringLiteral("ntfs3"));
    }

    void ntfsKinds_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("ntfs");
        QTest::newRow("ntfs") << "ntfs" << true;
        QTest::newRow("ntfs3") << "ntfs3" << true;
        QTest::newRow("fuse subtype") << "fuseblk.ntfs-3g" << true;
        QTest::newRow("fuseblk of an unreadable device") << "fuseblk" << false;
        QTest::newRow("vfat") << "vfat" << false;
    }

    void ntfsKinds() {
        QFETCH(QString, type);
        QFETCH(bool, ntfs);
        const MountedVolume volume{QStringLiteral("USB1"), QStringLiteral("/r/USB1"), type,
                                   QStringLiteral("/nonexistent/device")};
        QCOMPARE(isNtfsVolume(volume), ntfs);
    }

    void refreshReportsMountsAndUnmounts() {
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("mountinfo"));
        const QByteArray root = QFile::encodeName(volumesRoot());
        writeFile(table, mountLine(1, root + "/USB1", "vfat", "/dev/sdb1"));
        VolumeMonitor monitor(table);
        QCOMPARE(monitor.mountedVolumes().size(), 1);

        QSignalSpy mounted(&monitor, &VolumeMonitor::volumeMounted);
        QSignalSpy unmounted(&monitor, &VolumeMonitor::volumeUnmounted);
        writeFile(table, mountLine(2, root + "/USB2", "exfat", "/dev/sdc1"));
        monitor.refresh();
        QCOMPARE(mounted.size(), 1);
        QCOMPARE(mounted.at(0).at(0).value<MountedVolume>().name, QStringLiteral("USB2"));
        QCOMPARE(unmounted.size(), 1);
        QCOMPARE(unmounted.at(0).at(0).value<MountedVolume>().name, QStringLiteral("USB1"));

        monitor.refresh(); // nothing changed
        QCOMPARE(mounted.size(), 1);
        QCOMPARE(unmounted.size(), 1);
    }

    void aRealMountAndUnmountAreReported() {
        VolumeMonitor monitor;
        QSignalSpy mounted(&monitor, &VolumeMonitor::volumeMounted);
        QSignalSpy unmounted(&monitor, &VolumeMonitor::volumeUnmounted);
        {
            vexo::test::TmpfsMount drive(volumesRoot() + QStringLiteral("/REALDRIVE"), 1 << 20);
            if (!drive.mounted())
                QSKIP(qPrintable(drive.whyNot()));
            QTRY_COMPARE(mounted.size(), 1);
            const auto volume = mounted.at(0).at(0).value<MountedVolume>();
            QCOMPARE(volume.name, QStringLiteral("REALDRIVE"));
            QCOMPARE(volume.fileSystemType, QStringLiteral("tmpfs"));
        }
        QTRY_COMPARE(unmounted.size(), 1);
    }
};

VEXO_TEST_MAIN(VolumeMonitorTest)
#include "tst_volumemonitor.moc"
