#include "TestVault.h"
#include "platform/Digest.h"
#include "platform/VolumeMonitor.h"

#include <QTemporaryDir>

using namespace vexo;

namespace {

const QString kOtherComputer = QStringLiteral("02:00:00:00:00:09");

// Another computer's hardware address for the lifetime of the object.
struct OnAnotherComputer {
    OnAnotherComputer() { qputenv("VEXO_MAC_ADDRESS", kOtherComputer.toLatin1()); }
    ~OnAnotherComputer() { qputenv("VEXO_MAC_ADDRESS", test::kTestMacAddress.toLatin1()); }
};

} // namespace

class DriveVaultsTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    // A drive vault made on this computer with the master password of now
    // opens without asking; after either changes, its password is asked for.
    void aPasswordIsAskedForOnceMasterPasswordOrComputerChanged_data() {
        QTest::addColumn<bool>("newMasterPassword");
        QTest::addColumn<bool>("otherComputer");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("alerts");
        QTest::newRow("made here")
            << false << false << std::optional<QString>() << 0 << true << QStringList();
        QTest::newRow("right password") << true << false << std::optional(QStringLiteral("master"))
                                        << 0 << true << QStringList();
        QTest::newRow("wrong password")
            << true << false << std::optional(QStringLiteral("Master")) << 1 << false
            << QStringList{QStringLiteral("passworderror")};
        QTest::newRow("cancelled")
            << true << false << std::optional<QString>() << 1 << false << QStringList();
        QTest::newRow("other computer") << false << true << std::optional(QStringLiteral("master"))
                                        << 0 << true << QStringList();
    }

    void aPasswordIsAskedForOnceMasterPasswordOrComputerChanged() {
        QFETCH(bool, newMasterPassword);
        QFETCH(bool, otherComputer);
        QFETCH(std::optional<QString>, typed);
        QFETCH(int, result);
        QFETCH(bool, opened);
        QFETCH(QStringList, alerts);
        makeVault(QStringLiteral("Vault.vlt"));
        std::optional<OnAnotherComputer> elsewhere;
        if (otherComputer)
            elsewhere.emplace();
        if (newMasterPassword)
            platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("newer"));
        prompt().passwordAnswers << typed;
        prompt().alertAnswers << 0;
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("Vault.vlt"))), result);
        QCOMPARE(prompt().passwordRequests.size(), newMasterPassword || otherComputer ? 1 : 0);
        QCOMPARE(catalogue().UPLibrary.contains(driveKey(QStringLiteral("Vault.vlt"))), opened);
        QCOMPARE(prompt().alertKeys(), alerts);
    }

    // Adding an item beside a vault made elsewhere goes into that vault only
    // with its password: a vault must never open by adding to it.
    void addingBesideAVaultMadeElsewhereAsksItsPassword_data() {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<bool>("added");
        QTest::newRow("right password") << std::optional(QStringLiteral("master")) << true;
        QTest::newRow("wrong password") << std::optional(QStringLiteral("guess")) << false;
        QTest::newRow("cancelled") << std::optional<QString>() << false;
    }
    void addingBesideAVaultMadeElsewhereAsksItsPassword() {
        QFETCH(std::optional<QString>, typed);
        QFETCH(bool, added);
        makeVault(QStringLiteral("Vault.vlt"));
        const OnAnotherComputer elsewhere;
        const QString file = onDrive(QStringLiteral("new.txt"), "new");
        prompt().alertAnswers << 0 << 0;                     // make a vault named ...
        prompt().textAnswers << QStringLiteral("Vault.vlt"); // ... as the one there
        prompt().passwordAnswers << typed;
        QVERIFY(vault().addAndWait({file}));
        QCOMPARE(prompt().passwordRequests.size(), 1);
        QCOMPARE(catalogue().UPLibrary.contains(driveKey(QStringLiteral("Vault.vlt"))), added);
        QCOMPARE(vault().itemAt(file) != nullptr, added);
        QCOMPARE(test::readFile(file).isEmpty(), added);
    }

    void aVaultWithoutPasswordOpensAnywhere() {
        auto groups = makeVault(QStringLiteral("Open.vlt"));
        groups.first()->password.clear();
        groups.first()->macAddress = kOtherComputer;
        QVERIFY(store::writeGroupList(listOf(QStringLiteral("Open.vlt")), groups,
                                      store::ListKind::Drive));
        platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("newer"));
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("Open.vlt"))), 0);
        QVERIFY(prompt().passwordRequests.isEmpty());
    }

    void aNewPasswordIsAskedForOnAnotherComputerAndSurvivesLaterSaves() {
        const QString key = driveKey(QStringLiteral("Vault.vlt"));
        makeVault(QStringLiteral("Vault.vlt"));
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("Vault.vlt"))), 0);
        QVERIFY(controller().changeDriveVaultPassword(key, QStringLiteral("drive secret")));
        QVERIFY(catalogue().SaveGroupList(vault::ListSelector::DriveVaults, key));
        const auto saved =
            store::readGroupList(listOf(QStringLiteral("Vault.vlt")), store::ListKind::Drive, key);
        QVERIFY(saved && !saved->isEmpty());
        for (const auto& group : *saved)
            QCOMPARE(group->password, platform::MD5_32BitUpper(QStringLiteral("drive secret")));

        catalogue().UPLibrary.clear();
        const OnAnotherComputer elsewhere;
        prompt().passwordAnswers << std::optional(QStringLiteral("master")) // the old one
                                 << std::optional(QStringLiteral("drive secret"));
        prompt().alertAnswers << 0;
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("Vault.vlt"))), 1);
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("Vault.vlt"))), 0);
        QVERIFY(catalogue().UPLibrary.contains(key));
    }

    void itemsFollowTheDriveToItsNewName() {
        auto groups = makeVault(QStringLiteral("Vault.vlt"));
        auto item = std::make_shared<store::FileModel>();
        item->path = QStringLiteral("/Volumes/OLDNAME/Docs/a.txt");
        item->name = QStringLiteral("a.txt");
        groups.at(1)->fileModels.append(item);
        QVERIFY(store::writeGroupList(listOf(QStringLiteral("Vault.vlt")), groups,
                                      store::ListKind::Drive));
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("Vault.vlt"))), 0);
        const auto opened = catalogue().UPLibrary.value(driveKey(QStringLiteral("Vault.vlt")));
        QCOMPARE(opened.at(1)->fileModels.first()->path,
                 platform::volumePath(drive()) + QStringLiteral("/Docs/a.txt"));
    }

    // Of the vaults A, B and C on a drive mounted again as type, A is open.
    void aMountedDriveOpensItsFirstVaultNotYetOpenUnlessNtfs_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("open");
        QTest::newRow("vfat") << QStringLiteral("vfat") << test::words("A.vlt B.vlt");
        QTest::newRow("ntfs3") << QStringLiteral("ntfs3") << test::words("A.vlt");
    }

    void aMountedDriveOpensItsFirstVaultNotYetOpenUnlessNtfs() {
        QFETCH(QString, type);
        QFETCH(QStringList, open);
        for (const QString& name : test::words("A.vlt B.vlt C.vlt"))
            makeVault(name);
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("A.vlt"))), 0);
        controller().deviceMounted(
            {drive(), platform::volumePath(drive()), type, QStringLiteral("/dev/sdb1")});
        QStringList keys;
        for (const QString& name : open)
            keys << driveKey(name);
        QCOMPARE(catalogue().UPLibrary.keys(), keys);
    }

    void aDriveThatGoesClosesItsVaultsAndSelectsTheLocalVault() {
        makeVault(QStringLiteral("A.vlt"));
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("A.vlt"))), 0);
        controller().selectGroupName = driveKey(QStringLiteral("A.vlt"));
        controller().selectGroupIndex = 2;
        QDir(platform::volumePath(drive())).removeRecursively();
        controller().deviceUnmounted();
        QVERIFY(catalogue().UPLibrary.isEmpty());
        QCOMPARE(controller().selectGroupName, store::kSystemDevicName);
        QCOMPARE(controller().selectGroupIndex, 1);
    }

    void mountEventsReachTheController() {
        makeVault(QStringLiteral("A.vlt"));
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("mountinfo"));
        test::writeFile(table, {});
        platform::VolumeMonitor monitor(table);
        controller().addUSBNotification(monitor);
        test::writeFile(table, "30 1 8:17 / " + QFile::encodeName(platform::volumePath(drive())) +
                                   " rw - vfat /dev/sdb1 rw\n");
        monitor.refresh();
        QVERIFY(catalogue().UPLibrary.contains(driveKey(QStringLiteral("A.vlt"))));
    }

private:
    QString listOf(const QString& name) const {
        return store::AppGroupMoveUPListPath(drive(), name);
    }
    // A drive vault made on this computer with the current master password,
    // closed again; its groups as written.
    store::GroupList makeVault(const QString& name) {
        catalogue().moveUpList(drive(), driveKey(name));
        return catalogue().UPLibrary.take(driveKey(name));
    }
};

VEXO_TEST_MAIN(DriveVaultsTest)
#include "tst_drivevaults.moc"
