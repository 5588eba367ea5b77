#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace vexo::store;
using namespace vexo::platform;
using vexo::test::unixMode;
using vexo::test::writeFile;

namespace {

bool isExecutable(const QString& path) {
    return QFileInfo(path).permissions() & QFileDevice::ExeOwner;
}

} // namespace

class VaultPathsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        vexo::test::clearSettings();
        Settings::setValue(keys::kRootDirKey, root_.path());
    }

    void joiningAddsOneComponent_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("joined");
        QTest::newRow("plain") << "/v/root.vlt"
                               << "Notes"
                               << "/v/root.vlt/Notes";
        QTest::newRow("slash on both sides") << "/v/"
                                             << "/Notes/"
                                             << "/v/Notes";
        QTest::newRow("doubled slashes") << "/v//"
                                         << "//a/b"
                                         << "/v/a/b";
        QTest::newRow("empty b") << "/v/"
                                 << ""
                                 << "/v";
        QTest::newRow("only slashes in b") << "/v"
                                           << "//"
                                           << "/v";
        QTest::newRow("empty a") << ""
                                 << "Notes"
                                 << "Notes";
        QTest::newRow("filesystem root") << "/"
                                         << "Volumes"
                                         << "/Volumes";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "";
    }

    void joiningAddsOneComponent() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, joined);
        QCOMPARE(joinPath(a, b), joined);
    }

    void localPathsLieInTheVaultRoot() {
        QCOMPARE(AppRootDirKey(), root_.path());
        QCOMPARE(AppRootNoteDirPath(), root_.filePath(QStringLiteral("Notes")));
        QCOMPARE(AppGroupDirListPath(), root_.filePath(QStringLiteral("GroupDirlist.plist")));
        QCOMPARE(AppGroupNotesListPath(), root_.filePath(QStringLiteral("GroupNoteslist.plist")));
        QCOMPARE(AppRootThumbDirPath(), root_.filePath(QStringLiteral("Thumb")));
    }

    void withoutARootPathsHaveNone() {
        Settings::remove(keys::kRootDirKey);
        QCOMPARE(AppRootDirKey(), QString());
        QCOMPARE(AppRootNoteDirPath(), QStringLiteral("Notes"));
        QCOMPARE(AppGroupDirListPath(), QStringLiteral("GroupDirlist.plist"));
        QCOMPARE(AppGroupNotesListPath(), QStringLiteral("GroupNoteslist.plist"));
    }

    void aDriveVaultUsesTheListFileItHolds_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("used");
        QTest::newRow("only the local name")
            << QStringList{QStringLiteral("GroupDirlist.plist")} << "GroupDirlist.plist";
        QTest::newRow("only the drive name")
            << QStringList{QStringLiteral("GroupMoveUPlist.plist")} << "GroupMoveUPlist.plist";
        QTest::newRow("both") << QStringList{QStringLiteral("GroupDirlist.plist"),
                                             QStringLiteral("GroupMoveUPlist.plist")}
                              << "GroupMoveUPlist.plist";
        QTest::newRow("neither") << QStringList() << "GroupDirlist.plist";
    }

    void aDriveVaultUsesTheListFileItHolds() {
        QFETCH(QStringList, present);
        QFETCH(QString, used);
        const QString vault = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
        const QString folder = volumePath(QStringLiteral("USB1")) + u'/' + vault;
        QVERIFY(QDir().mkpath(folder));
        for (const QString& name : present)
            writeFile(folder + u'/' + name, "list");
        const QString list = AppGroupMoveUPListPath(QStringLiteral("USB1"), vault);
        QCOMPARE(list, folder + u'/' + used);
        QCOMPARE(isExecutable(list), present.contains(used));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Thumb"))); // only made with the vault
    }

    void aMissingDriveVaultIsCreatedWithItsThumbnails() {
        const QString folder = volumePath(QStringLiteral("USB2")) + QStringLiteral("/New.vlt");
        QCOMPARE(AppRootMoveUpDirPath(QStringLiteral("USB2"), QStringLiteral("New.vlt")), folder);
        const QString list =
            AppGroupMoveUPListPath(QStringLiteral("USB2"), QStringLiteral("New.vlt"));
        QCOMPARE(list, folder + QStringLiteral("/GroupDirlist.plist"));
        QVERIFY(!QFileInfo::exists(list));
        QCOMPARE(unixMode(folder), 0700);
        QCOMPARE(unixMode(folder + QStringLiteral("/Thumb")), 0700);
    }

    void itemStoresLieInTheVaultOfTheirPlace_data() {
        QTest::addColumn<QString>("path"); // "R" stands for the volumes root
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<QString>("store"); // "V" stands for the vault root
        QTest::newRow("local item") << "/home/u/Docs/a.txt"
                                    << "systemDevicName"
                                    << "V/g-1/42";
        QTest::newRow("drive item") << "R/USB1/Docs/a.txt"
                                    << "USB1/MyVault.vlt"
                                    << "R/USB1/MyVault.vlt/g-1/42";
        QTest::newRow("drive named by the path") << "R/USB2/a.txt"
                                                 << "USB1/MyVault.vlt"
                                                 << "R/USB2/MyVault.vlt/g-1/42";
        QTest::newRow("a sibling of the volumes root is local") << "RX/USB1/a.txt"
                                                                << "USB1/MyVault.vlt"
                                                                << "V/g-1/42";
    }

    void itemStoresLieInTheVaultOfTheirPlace() {
        QFETCH(QString, path);
        QFETCH(QString, groupName);
        QFETCH(QString, store);
        FileModel item;
        item.path = path.startsWith(u'R') ? volumesRoot() + path.mid(1) : path;
        item.groupName = groupName;
        item.encryptedPath = QStringLiteral("g-1/42");
        const QString expected =
            store.startsWith(u'V') ? root_.path() + store.mid(1) : volumesRoot() + store.mid(1);
        QCOMPARE(itemStorePath(item), expected);
    }

private:
    QTemporaryDir root_;
};

VEXO_TEST_MAIN(VaultPathsTest)
#include "tst_vaultpaths.moc"
