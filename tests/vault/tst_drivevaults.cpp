#include "TestVault.h"
#include "platform/Digest.h"
#include "platform/Settings.h"
#include "platform/VolumeMonitor.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"
#include "vault/MainViewController.h"

#include <QDir>
#include <QTemporaryDir>

using namespace vexo;
using vault::MainViewController;
using vault::VaultCatalogue;

class DriveVaultsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive_ = QStringLiteral("USB%1").arg(++count_);
        QDir().mkpath(platform::volumePath(drive_));
        vault_ = std::make_unique<test::TestVault>(test::scratchRoot() +
                                                   QStringLiteral("/v%1.vlt").arg(count_));
        prompt_ = &vault_->prompt;
        catalogue_ = &vault_->catalogue;
        controller_ = &vault_->controller;
    }

    void aVaultMadeHereOpensWithoutAsking() {
        makeVault(QStringLiteral("Vault.vlt"));
        QCOMPARE(controller_->openDriveVault(vaultPath(QStringLiteral("Vault.vlt"))), 0);
        QVERIFY(catalogue_->UPLibrary.contains(key(QStringLiteral("Vault.vlt"))));
        QVERIFY(prompt_->passwordRequests.isEmpty());
    }

    void aChangedMasterPasswordOrAnotherComputerAsks_data() {
        QTest::addColumn<bool>("otherComputer");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("alerts");
        QTest::newRow("right password")
            << false << std::optional(QStringLiteral("master")) << 0 << true << QStringList();
        QTest::newRow("wrong password") << false << std::optional(QStringLiteral("Master")) << 1
                                        << false << QStringList{QStringLiteral("passworderror")};
        QTest::newRow("cancelled")
            << false << std::optional<QString>() << 1 << false << QStringList();
        QTest::newRow("other computer")
            << true << std::optional(QStringLiteral("master")) << 0 << true << QStringList();
    }

    void aChangedMasterPasswordOrAnotherComputerAsks() {
        QFETCH(bool, otherComputer);
        QFETCH(std::optional<QString>, typed);
        QFETCH(int, result);
        QFETCH(bool, opened);
        QFETCH(QStringList, alerts);
        makeVault(QStringLiteral("Vault.vlt"));
        if (otherComputer)
            qputenv("VEXO_MAC_ADDRESS", "02:00:00:00:00:09");
        else
            platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("newer"));
        prompt_->passwordAnswers << typed;
        prompt_->alertAnswers << 0;
        QCOMPARE(controller_->openDriveVault(vaultPath(QStringLiteral("Vault.vlt"))), result);
        qputenv("VEXO_MAC_ADDRESS", test::kTestMacAddress.toLatin1());
        QCOMPARE(prompt_->passwordRequests.size(), 1);
        QCOMPARE(catalogue_->UPLibrary.contains(key(QStringLiteral("Vault.vlt"))), opened);
        QCOMPARE(prompt_->alertKeys(), alerts);
    }

    void aVaultWithoutPasswordOpensAnywhere() {
        auto groups = makeVault(QStringLiteral("Open.vlt"));
        groups.first()->password.clear();
        groups.first()->macAddress = QStringLiteral("02:00:00:00:00:09");
        QVERIFY(store::writeGroupList(listOf(QStringLiteral("Open.vlt")), groups,
                                      store::ListKind::Drive));
        platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("newer"));
        QCOMPARE(controller_->openDriveVault(vaultPath(QStringLiteral("Open.vlt"))), 0);
        QVERIFY(prompt_->passwordRequests.isEmpty());
    }

    void aNewPasswordIsAskedForOnAnotherComputerAndSurvivesLaterSaves() {
        makeVault(QStringLiteral("Vault.vlt"));
        QCOMPARE(controller_->openDriveVault(vaultPath(QStringLiteral("Vault.vlt"))), 0);
        QVERIFY(controller_->changeDriveVaultPassword(key(QStringLiteral("Vault.vlt")),
                                                      QStringLiteral("drive secret")));
        QVERIFY(catalogue_->SaveGroupList(vault::ListSelector::DriveVaults,
                                          key(QStringLiteral("Vault.vlt"))));
        const auto saved =
            store::readGroupList(listOf(QStringLiteral("Vault.vlt")), store::ListKind::Drive,
                                 key(QStringLiteral("Vault.vlt")));
        for (const auto& group : *saved)
            QCOMPARE(group->password, platform::MD5_32BitUpper(QStringLiteral("drive secret")));

        catalogue_->UPLibrary.clear();
        qputenv("VEXO_MAC_ADDRESS", "02:00:00:00:00:09");                   // another computer
        prompt_->passwordAnswers << std::optional(QStringLiteral("master")) // the old one
                                 << std::optional(QStringLiteral("drive secret"));
        prompt_->alertAnswers << 0;
        const int withOld = controller_->openDriveVault(vaultPath(QStringLiteral("Vault.vlt")));
        const int withNew = controller_->openDriveVault(vaultPath(QStringLiteral("Vault.vlt")));
        qputenv("VEXO_MAC_ADDRESS", test::kTestMacAddress.toLatin1());
        QCOMPARE(withOld, 1);
        QCOMPARE(withNew, 0);
        QVERIFY(catalogue_->UPLibrary.contains(key(QStringLiteral("Vault.vlt"))));
    }

    void itemsFollowTheDriveToItsNewName() {
        auto groups = makeVault(QStringLiteral("Vault.vlt"));
        auto item = std::make_shared<store::FileModel>();
        item->path = QStringLiteral("/Volumes/OLDNAME/Docs/a.txt");
        item->name = QStringLiteral("a.txt");
        groups.at(1)->fileModels.append(item);
        QVERIFY(store::writeGroupList(listOf(QStringLiteral("Vault.vlt")), groups,
                                      store::ListKind::Drive));
        QCOMPARE(controller_->openDriveVault(vaultPath(QStringLiteral("Vault.vlt"))), 0);
        const auto opened = catalogue_->UPLibrary.value(key(QStringLiteral("Vault.vlt")));
        QCOMPARE(opened.at(1)->fileModels.first()->path,
                 platform::volumePath(drive_) + QStringLiteral("/Docs/a.txt"));
    }

    void aMountedDriveOpensItsFirstVaultNotYetOpen() {
        makeVault(QStringLiteral("A.vlt"));
        makeVault(QStringLiteral("B.vlt"));
        makeVault(QStringLiteral("C.vlt"));
        QCOMPARE(controller_->openDriveVault(vaultPath(QStringLiteral("A.vlt"))), 0);
        controller_->deviceMounted(volume(QStringLiteral("vfat")));
        QVERIFY(catalogue_->UPLibrary.contains(key(QStringLiteral("B.vlt"))));
        QVERIFY(!catalogue_->UPLibrary.contains(key(QStringLiteral("C.vlt"))));
    }

    void anNtfsDriveIsIgnored() {
        makeVault(QStringLiteral("A.vlt"));
        controller_->deviceMounted(volume(QStringLiteral("ntfs3")));
        QVERIFY(catalogue_->UPLibrary.isEmpty());
    }

    void aDriveThatGoesClosesItsVaultsAndSelectsTheLocalVault() {
        makeVault(QStringLiteral("A.vlt"));
        QCOMPARE(controller_->openDriveVault(vaultPath(QStringLiteral("A.vlt"))), 0);
        controller_->selectGroupName = key(QStringLiteral("A.vlt"));
        controller_->selectGroupIndex = 2;
        QDir(platform::volumePath(drive_)).removeRecursively();
        controller_->deviceUnmounted();
        QVERIFY(catalogue_->UPLibrary.isEmpty());
        QCOMPARE(controller_->selectGroupName, store::kSystemDevicName);
        QCOMPARE(controller_->selectGroupIndex, 1);
    }

    void mountEventsReachTheController() {
        makeVault(QStringLiteral("A.vlt"));
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("mountinfo"));
        test::writeFile(table, {});
        platform::VolumeMonitor monitor(table);
        controller_->addUSBNotification(monitor);
        test::writeFile(table, "30 1 8:17 / " + QFile::encodeName(platform::volumePath(drive_)) +
                                   " rw - vfat /dev/sdb1 rw\n");
        monitor.refresh();
        QVERIFY(catalogue_->UPLibrary.contains(key(QStringLiteral("A.vlt"))));
    }

private:
    QString key(const QString& vault) const { return drive_ + u'/' + vault; }
    QString vaultPath(const QString& vault) const { return platform::volumePath(key(vault)); }
    QString listOf(const QString& vault) const {
        return store::AppGroupMoveUPListPath(drive_, vault);
    }
    platform::MountedVolume volume(const QString& type) const {
        return {drive_, platform::volumePath(drive_), type, QStringLiteral("/dev/sdb1")};
    }
    // A drive vault made on this computer with the current master password,
    // closed again; its groups as written.
    store::GroupList makeVault(const QString& vault) {
        catalogue_->moveUpList(drive_, key(vault));
        return catalogue_->UPLibrary.take(key(vault));
    }

    int count_ = 0;
    QString drive_;
    std::unique_ptr<test::TestVault> vault_;
    test::ScriptedPrompt* prompt_ = nullptr;
    VaultCatalogue* catalogue_ = nullptr;
    MainViewController* controller_ = nullptr;
};

VEXO_TEST_MAIN(DriveVaultsTest)
#include "tst_drivevaults.moc"
