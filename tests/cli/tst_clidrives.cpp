#include "CliRunner.h"
#include "platform/Digest.h"
#include "store/GroupListFile.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFileInfo>

using namespace vexo;
using namespace Qt::StringLiterals;
using test::CliResult;
using test::column;
using test::words;

// Items on a removable drive go into a vault on that drive, which carries its
// own password to other computers.
class CliDrivesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cli_ = std::make_unique<test::CliRunner>();
        QCOMPARE(cli_->initVault(u"pw"_s).exitCode, 0);
        drive_ = cli_->volumesRoot() + u"/USB1"_s;
        content_ = test::randomBytes(800'000, 7);
        file_ = test::placeFile(drive_, u"docs/a.bin"_s, content_);
    }

    // The drive's vault is named by option or by answer; no answer at all
    // cancels the run.
    void addingADriveFileMakesTheDrivesVault_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("vaultName");
        QTest::newRow("named") << words("--vault-name Travel") << QStringList() << u"Travel.vlt"_s;
        QTest::newRow("named with suffix")
            << words("--vault-name Travel.vlt") << QStringList() << u"Travel.vlt"_s;
        QTest::newRow("answered") << QStringList() << words("Mine") << u"Mine.vlt"_s;
        QTest::newRow("empty answer") << QStringList() << QStringList{QString()} << u"Vault.vlt"_s;
        QTest::newRow("no answer") << QStringList() << QStringList() << QString();
    }

    void addingADriveFileMakesTheDrivesVault() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, answers);
        QFETCH(QString, vaultName);
        const CliResult added = cli_->runUnlocked(words("add") + options << file_, answers);
        if (vaultName.isEmpty()) {
            VEXO_EXPECT_EXIT(added, 1);
            QCOMPARE(test::readFile(file_), content_);
            QCOMPARE(listItems(), QJsonArray());
            QVERIFY(!QFileInfo::exists(drive_ + u"/Vault.vlt"_s));
            return;
        }
        VEXO_EXPECT_EXIT(added, 0);
        QVERIFY(added.outText().contains(u"Hidden: "_s + file_));
        QVERIFY(!QFileInfo::exists(file_));

        const QString key = u"USB1/"_s + vaultName;
        const auto groups =
            store::readGroupList(drive_ + u'/' + vaultName + u"/GroupDirlist.plist"_s,
                                 store::ListKind::Drive, key, u"USB1"_s);
        QVERIFY(groups && groups->size() == 3);
        QCOMPARE(groups->first()->password, platform::MD5_32BitUpper(u"pw"_s));
        QCOMPARE(groups->first()->macAddress, test::kTestMacAddress);
        QCOMPARE(groups->at(1)->fileModels.size(), 1);

        const QJsonArray items = listItems();
        QCOMPARE(column(items, u"vault"_s), QStringList{key});
        QCOMPARE(column(items, u"path"_s), QStringList{file_});
        QCOMPARE(column(items, u"group"_s), words("2")); // after the local "All files"
        QCOMPARE(column(items, u"hidden"_s), words("true"));
        const QJsonObject status = cli_->runUnlocked(words("status --json")).json();
        const QJsonArray drives = status[u"driveVaults"_s].toArray();
        QCOMPARE(column(drives, u"key"_s) + column(drives, u"items"_s) +
                     column(drives, u"hidden"_s),
                 (QStringList{key, u"1"_s, u"1"_s}));

        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide") << file_), 0);
        QCOMPARE(test::readFile(file_), content_);
    }

    // The drive moves to another computer, whose user has a vault and a
    // master password of their own.
    void aVaultFromAnotherComputerOpensWithItsPassword_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right password") << words("pw") << true;
        QTest::newRow("wrong password") << words("Pw") << false;
        QTest::newRow("no answer") << QStringList() << false;
    }

    void aVaultFromAnotherComputerOpensWithItsPassword() {
        QFETCH(QStringList, answers);
        QFETCH(bool, opens);
        moveDriveToAnotherComputer();
        QCOMPARE(listItems(), QJsonArray());
        const auto driveBefore = test::snapshot(drive_);

        const CliResult opened =
            cli_->runUnlocked(words("add") << drive_ + u"/Vault.vlt"_s, answers);
        VEXO_EXPECT_EXIT(opened, opens ? 0 : 1);
        if (!opens) {
            QCOMPARE(test::snapshot(drive_), driveBefore);
            QVERIFY(answers.isEmpty() || !opened.err.isEmpty()); // a wrong password is told
            QCOMPARE(listItems(), QJsonArray());
            return;
        }
        // Once opened it stays open for the commands that follow.
        const QJsonArray items = listItems();
        QCOMPARE(column(items, u"path"_s), QStringList{file_});
        QCOMPARE(column(items, u"vault"_s), words("USB1/Vault.vlt"));
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide 1")), 0);
        QCOMPARE(test::readFile(file_), content_);
    }

    // Naming the existing vault while adding another file of the drive is no
    // way around its password.
    void addingBesideAVaultFromElsewhereDoesNotOpenIt() {
        moveDriveToAnotherComputer();
        const QString other = test::placeFile(drive_, u"docs/b.txt"_s, "b");
        cli_->runUnlocked(words("add --vault-name Vault.vlt") << other);
        QVERIFY(!column(listItems(), u"path"_s).contains(file_));
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide") << file_), 1);
        QVERIFY(!QFileInfo::exists(file_));
    }

private:
    void moveDriveToAnotherComputer() {
        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add --vault-name Vault") << file_), 0);
        QVERIFY(!QFileInfo::exists(file_));
        cli_->moveToAnotherComputer();
        QCOMPARE(cli_->initVault(u"theirs"_s, cli_->home() + u"/Theirs"_s).exitCode, 0);
    }

    QJsonArray listItems() {
        const CliResult listed = cli_->runUnlocked(words("list --json"));
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
