#include "platform/Clock.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/DrivePaths.h"
#include "store/GroupFolderName.h"
#include "store/GroupModel.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace vexo::store;
using namespace vexo::platform;
using namespace Qt::StringLiterals;

// Where a vault keeps its lists, groups and items, locally and on drives.
class VaultPathsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        vexo::test::clearSettings();
        Settings::setValue(keys::kRootDirKey, root_.path());
    }

    void joiningAddsOneComponent() {
        QCOMPARE(joinPath(u"/v/root.vlt"_s, u"Notes"_s), u"/v/root.vlt/Notes"_s);
        QCOMPARE(joinPath(u"/v/"_s, u"/Notes/"_s), u"/v/Notes"_s);
        QCOMPARE(joinPath(u"/v//"_s, u"//a/b"_s), u"/v/a/b"_s);
        QCOMPARE(joinPath(u"/v/"_s, QString()), u"/v"_s);
        QCOMPARE(joinPath(u"/v"_s, u"//"_s), u"/v"_s);
        QCOMPARE(joinPath(QString(), u"Notes"_s), u"Notes"_s);
        QCOMPARE(joinPath(u"/"_s, u"Volumes"_s), u"/Volumes"_s);
        QCOMPARE(joinPath(QString(), QString()), QString());
    }

    void localPathsLieInTheVaultRoot() {
        const QString root = root_.path() + u'/';
        QCOMPARE(AppRootDirKey(), root_.path());
        QCOMPARE(AppRootNoteDirPath(), root + u"Notes"_s);
        QCOMPARE(AppGroupDirListPath(), root + u"GroupDirlist.plist"_s);
        QCOMPARE(AppGroupNotesListPath(), root + u"GroupNoteslist.plist"_s);
        QCOMPARE(AppRootThumbDirPath(), root + u"Thumb"_s);
        Settings::remove(keys::kRootDirKey);
        QCOMPARE(AppRootDirKey(), QString());
        QCOMPARE(AppRootNoteDirPath(), u"Notes"_s);
        QCOMPARE(AppGroupDirListPath(), u"GroupDirlist.plist"_s);
        QCOMPARE(AppGroupNotesListPath(), u"GroupNoteslist.plist"_s);
    }

    // Fixed values: names written by one process must be found by the next.
    void namesPrintTheFnv1aHashOfTheUtf8InDecimal() {
        QCOMPARE(stableHash(QString()), Q_UINT64_C(14695981039346656037));
        QCOMPARE(stableHash(u"a"_s), Q_UINT64_C(12638187200555641996));
        QCOMPARE(stableHash(u"foobar"_s), Q_UINT64_C(9625390261332436968));
        QCOMPARE(itemStoreName(u"/home/u/密码 é.txt"_s), u"6186852287238119208"_s);
        setClockForTesting([] { return qint64(1'700'000'000'999); });
        const QString docs = groupFolderName(u"Docs"_s);
        const QString empty = groupFolderName(QString());
        setClockForTesting({});
        QCOMPARE(docs, u"247696276022519890-1700000000"_s);
        QCOMPARE(empty, u"14695981039346656037-1700000000"_s);
    }

    // A drive vault's list is "GroupMoveUPlist.plist" when that file is there.
    void aDriveVaultUsesTheListFileItHolds_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("used");
        const QString local = u"GroupDirlist.plist"_s, drive = u"GroupMoveUPlist.plist"_s;
        QTest::newRow("only the local name") << QStringList{local} << local;
        QTest::newRow("only the drive name") << QStringList{drive} << drive;
        QTest::newRow("both") << QStringList{local, drive} << drive;
        QTest::newRow("neither") << QStringList() << local;
    }

    void aDriveVaultUsesTheListFileItHolds() {
        QFETCH(QStringList, present);
        QFETCH(QString, used);
        const QString vault = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
        const QString folder = volumePath(u"USB1"_s) + u'/' + vault;
        QVERIFY(QDir().mkpath(folder));
        for (const QString& name : present)
            vexo::test::writeFile(folder + u'/' + name, "list");
        const QString list = AppGroupMoveUPListPath(u"USB1"_s, vault);
        QCOMPARE(list, folder + u'/' + used);
        QCOMPARE(bool(QFileInfo(list).permissions() & QFileDevice::ExeOwner),
                 present.contains(used));
        QVERIFY(!QFileInfo::exists(folder + u"/Thumb"_s)); // only made with the vault
    }

    void aMissingDriveVaultIsCreatedWithItsThumbnails() {
        const QString folder = volumePath(u"USB2"_s) + u"/New.vlt"_s;
        QCOMPARE(AppRootMoveUpDirPath(u"USB2"_s, u"New.vlt"_s), folder);
        const QString list = AppGroupMoveUPListPath(u"USB2"_s, u"New.vlt"_s);
        QCOMPARE(list, folder + u"/GroupDirlist.plist"_s);
        QVERIFY(!QFileInfo::exists(list));
        QCOMPARE(vexo::test::unixMode(folder), 0700);
        QCOMPARE(vexo::test::unixMode(folder + u"/Thumb"_s), 0700);
    }

    void itemStoresLieInTheVaultOfTheirPlace() {
        const QString drives = volumesRoot();
        const auto storeOf = [](const QString& path, const QString& groupName) {
            FileModel item;
            item.path = path;
            item.groupName = groupName;
            item.encryptedPath = u"g-1/42"_s;
            return itemStorePath(item);
        };
        const QString key = u"USB1/MyVault.vlt"_s;
        QCOMPARE(storeOf(u"/home/u/Docs/a.txt"_s, kSystemDevicName), root_.filePath(u"g-1/42"_s));
        QCOMPARE(storeOf(drives + u"/USB1/Docs/a.txt"_s, key),
                 drives + u"/USB1/MyVault.vlt/g-1/42"_s);
        // The drive comes from the path, the vault folder from the key.
        QCOMPARE(storeOf(drives + u"/USB2/a.txt"_s, key), drives + u"/USB2/MyVault.vlt/g-1/42"_s);
        // A sibling of the volumes root is local.
        QCOMPARE(storeOf(drives + u"X/USB1/a.txt"_s, key), root_.filePath(u"g-1/42"_s));
    }

    // Paths stored on another computer or system move onto the drive's
    // current mount point.
    void storedDrivePathsMoveOntoTheCurrentDrive() {
        const auto moved = [](const QString& stored) { return rebaseDrivePath(stored, u"NEW"_s); };
        const QString to = volumePath(u"NEW"_s);
        QCOMPARE(moved(u"/Volumes/OLDNAME/Docs/a.txt"_s), to + u"/Docs/a.txt"_s);
        QCOMPARE(moved(volumePath(u"OLD/Docs/a.txt"_s)), to + u"/Docs/a.txt"_s);
        QCOMPARE(moved(u"/run/media/alice/OLD/Docs/a.txt"_s), to + u"/Docs/a.txt"_s);
        QCOMPARE(moved(u"/media/bob/OLD/x y/é.txt"_s), to + u"/x y/é.txt"_s);
        QCOMPARE(moved(u"/Volumes/OLD"_s), to);
        QCOMPARE(moved(u"/Volumes/OLD/"_s), to);
        QCOMPARE(moved(u"/Volumes/"_s), to);
        QCOMPARE(moved(u"/Volumes//OLD//Docs///a.txt"_s), to + u"/Docs/a.txt"_s);
        QCOMPARE(moved(u"/Volumes/OLD/../../../etc/./passwd"_s), to + u"/etc/passwd"_s);
        QCOMPARE(moved(u"/OLD/Docs/a.txt"_s), to + u"/Docs/a.txt"_s); // under no known folder
        QCOMPARE(moved(u"OLD/Docs"_s), to + u"/Docs"_s);
        QCOMPARE(moved(u"/VolumesX/OLD/a"_s), to + u"/OLD/a"_s);
        QCOMPARE(rebaseDrivePath(QString(), u"NEW"_s), QString());
    }

    // Under /media the root and the general user mount folder are equally
    // long; a root that is a prefix of a user mount folder must lose to it.
    void theLongestKnownFolderWins() {
        const QByteArray saved = qgetenv("VEXO_VOLUMES_ROOT");
        qputenv("VEXO_VOLUMES_ROOT", "/media");
        const QString underMedia = rebaseDrivePath(u"/media/alice/OLD/a.txt"_s, u"NEW"_s);
        qputenv("VEXO_VOLUMES_ROOT", "/srv/mounts/deep");
        const QString deep = rebaseDrivePath(u"/srv/mounts/deep/OLD/a.txt"_s, u"NEW"_s);
        qputenv("VEXO_VOLUMES_ROOT", saved);
        QCOMPARE(underMedia, u"/media/NEW/a.txt"_s);
        QCOMPARE(deep, u"/srv/mounts/deep/NEW/a.txt"_s);
    }

private:
    QTemporaryDir root_;
};

VEXO_TEST_MAIN(VaultPathsTest)
#include "tst_vaultpaths.moc"
