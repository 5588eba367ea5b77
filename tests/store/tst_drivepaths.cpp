#include "platform/VolumesRoot.h"
#include "store/DrivePaths.h"
#include "support/TestEnvironment.h"

using namespace vexo::store;

class DrivePathsTest : public QObject {
    Q_OBJECT
private slots:
    // "R" in a stored path stands for the current volumes root.
    void storedPathsMoveOntoTheCurrentDrive_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("expected"); // below the volumes root
        QTest::newRow("macOS volume") << "/Volumes/OLDNAME/Docs/a.txt"
                                      << "NEWNAME"
                                      << "NEWNAME/Docs/a.txt";
        QTest::newRow("current root") << "R/OLD/Docs/a.txt"
                                      << "NEW"
                                      << "NEW/Docs/a.txt";
        QTest::newRow("udisks mount of another user") << "/run/media/alice/OLD/Docs/a.txt"
                                                      << "NEW"
                                                      << "NEW/Docs/a.txt";
        QTest::newRow("media mount of another user") << "/media/bob/OLD/x y/é.txt"
                                                     << "NEW"
                                                     << "NEW/x y/é.txt";
        QTest::newRow("nothing after the drive") << "/Volumes/OLD"
                                                 << "NEW"
                                                 << "NEW";
        QTest::newRow("drive with trailing slash") << "/Volumes/OLD/"
                                                   << "NEW"
                                                   << "NEW";
        QTest::newRow("only the mount folder") << "/Volumes/"
                                               << "NEW"
                                               << "NEW";
        QTest::newRow("doubled slashes") << "/Volumes//OLD//Docs///a.txt"
                                         << "NEW"
                                         << "NEW/Docs/a.txt";
        QTest::newRow("no way out of the drive") << "/Volumes/OLD/../../../etc/./passwd"
                                                 << "NEW"
                                                 << "NEW/etc/passwd";
        QTest::newRow("under no known folder") << "/OLD/Docs/a.txt"
                                               << "NEW"
                                               << "NEW/Docs/a.txt";
        QTest::newRow("relative") << "OLD/Docs"
                                  << "NEW"
                                  << "NEW/Docs";
        QTest::newRow("Volumes not a folder prefix") << "/VolumesX/OLD/a"
                                                     << "NEW"
                                                     << "NEW/OLD/a";
    }

    void storedPathsMoveOntoTheCurrentDrive() {
        QFETCH(QString, stored);
        QFETCH(QString, drive);
        QFETCH(QString, expected);
        const QString root = vexo::platform::volumesRoot();
        if (stored.startsWith(QStringLiteral("R/")))
            stored.replace(0, 1, root);
        QCOMPARE(rebaseDrivePath(stored, drive), root + u'/' + expected);
    }

    void anEmptyPathStaysEmpty() {
        QCOMPARE(rebaseDrivePath(QString(), QStringLiteral("NEW")), QString());
    }

    // Under /media the root and the general user mount folder are equally
    // long; a root that is a prefix of a user mount folder must lose to it.
    void theLongestKnownFolderWins() {
        const QByteArray saved = qgetenv("VEXO_VOLUMES_ROOT");
        qputenv("VEXO_VOLUMES_ROOT", "/media");
        QCOMPARE(rebaseDrivePath(QStringLiteral("/media/alice/OLD/a.txt"), QStringLiteral("NEW")),
                 QStringLiteral("/media/NEW/a.txt"));
        qputenv("VEXO_VOLUMES_ROOT", "/srv/mounts/deep");
        QCOMPARE(
            rebaseDrivePath(QStringLiteral("/srv/mounts/deep/OLD/a.txt"), QStringLiteral("NEW")),
            QStringLiteral("/srv/mounts/deep/NEW/a.txt"));
        qputenv("VEXO_VOLUMES_ROOT", saved);
    }
};

VEXO_TEST_MAIN(DrivePathsTest)
#include "tst_drivepaths.moc"
