#include "CliRunner.h"
#include "platform/Digest.h"
#include "store/GroupListFile.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFileInfo>

using namespace vexo;
using test::CliResult;
using test::word;

namespace {

const QString kOtherComputer = QStringLiteral("02:00:00:00:00:09");

} // namespace

// Items on a removable drive go into a vault on that drive, which carries its
// own password to other computers.
class CliDrivesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cli_ = std::make_unique<test::CliRunner>();
        QCOMPARE(cli_->initVault(word("pw")).exitCode, 0);
        drive_ = cli_->volumesRoot() + QStringLiteral("/USB1");
        content_ = test::randomBytes(800'000, 7);
        file_ = test::placeFile(drive_, word("docs/a.bin"), content_);
    }

    void addingADriveFileMakesTheDrivesVault_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("vaultName");
        QTest::newRow("named") << QStringList{word("--vault-name"), word("Travel")} << QStringList()
                               << word("Travel.vlt");
        QTest::newRow("named with suffix") << QStringList{word("--vault-name"), word("Travel.vlt")}
                                           << QStringList() << word("Travel.vlt");
        QTest::newRow("answered") << QStringList() << QStringList{word("Mine")} << word("Mine.vlt");
        QTest::newRow("empty answer")
            << QStringList() << QStringList{QString()} << word("Vault.vlt");
    }

    void addingADriveFileMakesTheDrivesVault() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, answers);
        QFETCH(QString, vaultName);
        const QString key = word("USB1/") + vaultName;
        const CliResult added =
            cli_->runUnlocked(QStringList{word("add")} + options + QStringList{file_}, answers);
        VEXO_EXPECT_EXIT(added, 0);
        QVERIFY(added.outText().contains(QStringLiteral("Hidden: ") + file_));
        QVERIFY(!QFileInfo::exists(file_));

        const auto groups =
            store::readGroupList(drive_ + u'/' + vaultName + QStringLiteral("/GroupDirlist.plist"),
                                 store::ListKind::Drive, key, word("USB1"));
        QVERIFY(groups && groups->size() == 3);
        QCOMPARE(groups->first()->password, platform::MD5_32BitUpper(word("pw")));
        QCOMPARE(groups->first()->macAddress, test::kTestMacAddress);
        QCOMPARE(groups->at(1)->fileModels.size(), 1);

        const QJsonArray items = listItems();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.at(0)[word("vault")].toString(), key);
        QCOMPARE(items.at(0)[word("path")].toString(), file_);
        QCOMPARE(items.at(0)[word("group")].toInt(), 2); // after the local "All files"
        QVERIFY(items.at(0)[word("hidden")].toBool());
        const QJsonObject status = cli_->runUnlocked({word("status"), word("--json")}).json();
        const QJsonObject drive = status[word("driveVaults")].toArray().at(0).toObject();
        QCOMPARE(drive[word("key")].toString(), key);
        QCOMPARE(drive[word("items")].toInt(), 1);
        QCOMPARE(drive[word("hidden")].toInt(), 1);

        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), file_}), 0);
        QCOMPARE(test::readFile(file_), content_);
    }

    void aCancelledVaultNameAddsNothing() {
        const CliResult added = cli_->runUnlocked({word("add"), file_});
        VEXO_EXPECT_EXIT(added, 1);
        QCOMPARE(test::readFile(file_), content_);
        QCOMPARE(listItems(), QJsonArray());
        QVERIFY(!QFileInfo::exists(drive_ + QStringLiteral("/Vault.vlt")));
    }

    // The drive moves to another computer, whose user has a vault and a
    // master password of their own.
    void aVaultFromAnotherComputerOpensWithItsPassword_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right password") << QStringList{word("pw")} << true;
        QTest::newRow("wrong password") << QStringList{word("Pw")} << false;
        QTest::newRow("no answer") << QStringList() << false;
    }

    void aVaultFromAnotherComputerOpensWithItsPassword() {
        QFETCH(QStringList, answers);
        QFETCH(bool, opens);
        moveDriveToAnotherComputer();
        QCOMPARE(listItems(), QJsonArray());
        const auto driveBefore = test::snapshot(drive_);

        const CliResult opened =
            cli_->runUnlocked({word("add"), drive_ + QStringLiteral("/Vault.vlt")}, answers);
        VEXO_EXPECT_EXIT(opened, opens ? 0 : 1);
        if (!opens) {
            QCOMPARE(test::snapshot(drive_), driveBefore);
            QVERIFY(answers.isEmpty() || !opened.err.isEmpty()); // a wrong password is told
            QCOMPARE(listItems(), QJsonArray());
            return;
        }
        // Once opened it stays open for the commands that follow.
        const QJsonArray items = listItems();
        QCOMPARE(test::stringsOf(items, word("path")), QStringList{file_});
        QCOMPARE(test::stringsOf(items, word("vault")), QStringList{word("USB1/Vault.vlt")});
        VEXO_EXPECT_EXIT(cli_->runUnlocked({word("unhide"), word("1")}), 0);
        QCOMPARE(test::readFile(file_), content_);
    }

    // Naming the existing vault while adding another file of the drive is no
    // way around its password.
    void addingBesideAVaultFromElsewhereDoesNotOpenIt() {
        moveDriveToAnotherComputer();
        const QString other = test::placeFile(drive_, word("docs/b.txt"), "b");
        cli_->runUnlocked({word("add"), word("--vault-name"), word("Vault.vlt"), other});
        QVERIFY(!test::stringsOf(listItems(), word("path")).contains(file_));
        const CliResult unhide = cli_->runUnlocked({word("unhide"), file_});
        VEXO_EXPECT_EXIT(unhide, 1);
        QVERIFY(!QFileInfo::exists(file_));
    }

private:
    void moveDriveToAnotherComputer() {
        VEXO_EXPECT_EXIT(
            cli_->runUnlocked({word("add"), word("--vault-name"), word("Vault"), file_}), 0);
        QVERIFY(!QFileInfo::exists(file_));
        cli_->useSettingsFolder(cli_->scratch() + QStringLiteral("/other-config"));
        cli_->setMacAddress(kOtherComputer);
        QCOMPARE(cli_->initVault(word("theirs"), cli_->home() + QStringLiteral("/Theirs")).exitCode,
                 0);
    }

    QJsonArray listItems() {
        const CliResult listed = cli_->runUnlocked({word("list"), word("--json")});
        [&] { VEXO_EXPECT_EXIT(listed, 0); }();
        return listed.items();
    }

    std::unique_ptr<test::CliRunner> cli_;
    QString drive_;
    QString file_;
    QByteArray content_;
};

VEXO_TEST_MAIN(CliDrivesTest)
#include "tst_clidrives.moc"
