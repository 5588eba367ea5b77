#include "TestVault.h"
#include "cipher/Thumbnails.h"
#include "platform/VolumeMonitor.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace vexo;
using vault::MainViewController;
using vault::VaultCatalogue;

// Adding files and folders, from the choosers to the end of the hiding walk.
class AddingTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        base_ = test::scratchRoot() + QStringLiteral("/case-%1").arg(++count_);
        drive_ = QStringLiteral("USB%1").arg(count_);
        QDir().mkpath(platform::volumePath(drive_));
        vault_ = std::make_unique<test::TestVault>(base_ + QStringLiteral("/v.vlt"));
        prompt_ = &vault_->prompt;
        catalogue_ = &vault_->catalogue;
        controller_ = &vault_->controller;
    }

    void cleanup() {
        catalogue_->workers().waitForDone();
        vault_.reset();
    }

    void newItemsAreListedThenHiddenOneByOne() {
        const QByteArray first = test::randomBytes(700'000, 1);
        const QString file = place(QStringLiteral("docs/a.bin"), first);
        const QString text = place(QStringLiteral("docs/notes.txt"), "plain words\n");
        const QString folder = base_ + QStringLiteral("/docs/album");
        place(QStringLiteral("docs/album/1.jpg"), test::randomBytes(5000, 2));
        place(QStringLiteral("docs/album/deep/2.png"), test::randomBytes(7000, 3));

        QVERIFY(vault_->addAndWait({file, text, folder}));
        const auto& group = catalogue_->groupDirList.at(1);
        QCOMPARE(group->fileModels.size(), 3);
        for (const auto& item : group->fileModels) {
            QVERIFY2(item->isEncrtypt, qPrintable(item->path));
            QVERIFY(!QFileInfo::exists(item->path));
            QCOMPARE(item->fileIndex, 0);
            QCOMPARE(item->groupIndex, 1);
            QCOMPARE(item->groupName, store::kSystemDevicName);
            QCOMPARE(item->macAddress, QStringLiteral("3c:22:fb:01:02:03"));
            QVERIFY(item->encryptedPath.startsWith(group->path + u'/'));
        }
        QCOMPARE(group->fileModels.at(2)->fileSize, 12000);
        QCOMPARE(group->fileModels.at(0)->md5CodePath,
                 QString::fromLatin1(
                     QCryptographicHash::hash(first, QCryptographicHash::Md5).toHex().toUpper()));
        QCOMPARE(test::TestVault::listedHidden(file), true);
        QCOMPARE(test::TestVault::listedHidden(folder), true);
        QCOMPARE(prompt_->alerts.size(), 0);

        // The digest recorded on the way in is checked on the way out.
        controller_->visableChange(group->fileModels.at(0));
        QTRY_VERIFY(!group->fileModels.at(0)->isEncrtypt && !vault_->running);
        QCOMPARE(test::readFile(file), first);
        QCOMPARE(prompt_->alerts.size(), 0);
    }

    void eachNewItemGetsItsThumbnail() {
        QStringList written;
        catalogue_->thumbnailWriter = [&written](const QString& source, const QString& thumbnail,
                                                 bool isPicture) {
            written << QStringLiteral("%1 %2 %3").arg(source, thumbnail).arg(isPicture);
            return true;
        };
        const QString picture = place(QStringLiteral("p/Photo.JPEG"), "jpeg");
        const QString other = place(QStringLiteral("p/a.pdf"), "pdf");
        QVERIFY(vault_->addAndWait({picture, other}));
        QCOMPARE(written,
                 (QStringList{QStringLiteral("%1 %2 1").arg(
                                  picture, cipher::getFileThumbImagePath(picture, QString())),
                              QStringLiteral("%1 %2 0").arg(
                                  other, cipher::getFileThumbImagePath(other, QString()))}));
    }

    void pathsThatCannotBecomeItemsAreLeftOut() {
        const QString file = place(QStringLiteral("a.txt"), "a");
        const QString link = base_ + QStringLiteral("/link.txt");
        QVERIFY(QFile::link(file, link));
        const QString inVault = place(QStringLiteral("v.vlt/mine.txt"), "x");
        QVERIFY(
            vault_->addAndWait({file, file, link, inVault, base_ + QStringLiteral("/missing")}));
        QCOMPARE(catalogue_->groupDirList.at(1)->fileModels.size(), 1);
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("addRefused.title")});
        QVERIFY(prompt_->alerts.first().informativeText.contains(link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(test::readFile(inVault), QByteArray("x"));

        // Already listed: nothing new, nothing told.
        prompt_->alerts.clear();
        controller_->AddFileActionForPaths({file});
        QCOMPARE(catalogue_->groupDirList.at(1)->fileModels.size(), 1);
        QCOMPARE(prompt_->alerts.size(), 0);
    }

    void localItemsGoToTheSelectedLocalGroupElseAllFiles() {
        const auto mine = controller_->createGroup(store::kSystemDevicName);
        controller_->selectGroupIndex = mine->index;
        QVERIFY(vault_->addAndWait({place(QStringLiteral("one"), "1")}));
        QCOMPARE(mine->fileModels.size(), 1);

        openDriveVault(QStringLiteral("Vault.vlt"));
        controller_->selectGroupName = driveKey(QStringLiteral("Vault.vlt"));
        QVERIFY(vault_->addAndWait({place(QStringLiteral("two"), "2")}));
        QCOMPARE(catalogue_->groupDirList.at(1)->fileModels.size(), 1);
        // The selection follows the items to where they went.
        QCOMPARE(controller_->selectGroupName, store::kSystemDevicName);
        QCOMPARE(controller_->selectGroupIndex, 1);
    }

    void aDriveWithoutVaultAsksForItsName_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("vault");
        QTest::newRow("empty keeps the default")
            << std::optional<QString>(QString()) << "Vault.vlt";
        QTest::newRow("ending added")
            << std::optional<QString>(QStringLiteral("Mine")) << "Mine.vlt";
        QTest::newRow("ending kept") << std::optional<QString>(QStringLiteral("B.vlt")) << "B.vlt";
        QTest::newRow("no way out of the drive")
            << std::optional<QString>(QStringLiteral("../../x")) << "..-..-x.vlt";
        QTest::newRow("cancel") << std::optional<QString>() << QString();
    }

    void aDriveWithoutVaultAsksForItsName() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, vault);
        const QByteArray content = test::randomBytes(3000, 4);
        const QString file = onDrive(QStringLiteral("photo.jpg"), content);
        prompt_->alertAnswers << 0;
        prompt_->textAnswers << answer;
        controller_->AddFileActionForPaths({file});
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("addMessage.string")});
        QCOMPARE(prompt_->alerts.first().messageArguments, QStringList{drive_});
        if (vault.isEmpty()) {
            QVERIFY(catalogue_->UPLibrary.isEmpty());
            QCOMPARE(test::readFile(file), content);
            return;
        }
        QTRY_VERIFY(!vault_->running);
        const QString key = driveKey(vault);
        QCOMPARE(controller_->selectGroupName, key);
        const auto& items = catalogue_->UPLibrary.value(key).at(1)->fileModels;
        QCOMPARE(items.size(), 1);
        QVERIFY(items.first()->isEncrtypt);
        QVERIFY(QFileInfo(store::AppGroupMoveUPListPath(drive_, vault)).isFile());
        QVERIFY(QFileInfo(store::itemStorePath(*items.first())).isDir());
        QVERIFY(store::itemStorePath(*items.first()).startsWith(platform::volumePath(key) + u'/'));
    }

    void anExistingButClosedVaultCanBeChosen() {
        QDir().mkpath(platform::volumePath(driveKey(QStringLiteral("Vault.vlt"))));
        const QString file = onDrive(QStringLiteral("a.bin"), "abc");
        const QString other = driveKey(QStringLiteral("Other.vlt"));
        catalogue_->moveUpList(drive_, other);
        catalogue_->UPLibrary.remove(other);
        prompt_->alertAnswers << 1;
        prompt_->fileAnswers << QStringList{platform::volumePath(other)};
        controller_->AddFileActionForPaths({file});
        QCOMPARE(prompt_->alertKeys().first(), QStringLiteral("addMessage1.string"));
        QTRY_VERIFY(catalogue_->UPLibrary.contains(other) && !vault_->running);
        QCOMPARE(catalogue_->UPLibrary.value(other).at(1)->fileModels.size(), 1);
    }

    void driveItemsLargerThanTheDriveHasRoomForAreNotAdded() {
        test::TmpfsMount drive(platform::volumePath(drive_), 2 * 1024 * 1024);
        if (!drive.mounted())
            QSKIP(qPrintable(drive.whyNot()));
        const QString file = onDrive(QStringLiteral("big.bin"), test::randomBytes(1'300'000, 5));
        openDriveVault(QStringLiteral("Vault.vlt"));
        controller_->selectGroupName = driveKey(QStringLiteral("Vault.vlt"));
        controller_->AddFileActionForPaths({file});
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("needTotalSize.Title")});
        QVERIFY(catalogue_->UPLibrary.value(driveKey(QStringLiteral("Vault.vlt")))
                    .at(1)
                    ->fileModels.isEmpty());
        QVERIFY(QFileInfo::exists(file));
        catalogue_->UPLibrary.clear();
    }

    void aCancelLeavesTheRestVisibleAndMarked() {
        const QStringList files{place(QStringLiteral("1"), test::randomBytes(2'000'000, 6)),
                                place(QStringLiteral("2"), "two"), place(QStringLiteral("3"), "3")};
        catalogue_->progressObserver = [this](const store::FileModelPtr&, qint64) {
            controller_->encryptCancelBtnAction();
        };
        QVERIFY(vault_->addAndWait(files));
        for (const auto& item : catalogue_->groupDirList.at(1)->fileModels) {
            QVERIFY(!item->isEncrtypt);
            QVERIFY(item->isCancel);
            QVERIFY(QFileInfo::exists(item->path));
            QCOMPARE(test::TestVault::listedHidden(item->path), false);
        }
        QCOMPARE(test::readFile(files.first()), test::randomBytes(2'000'000, 6));
    }

    void aFailedItemIsToldAndTheWalkGoesOn() {
        const QString unreadable = base_ + QStringLiteral("/gone-link-folder");
        QDir().mkpath(unreadable);
        place(QStringLiteral("gone-link-folder/x"), "x");
        const QString fine = place(QStringLiteral("fine.txt"), "fine");
        // The folder changes while it is hidden: that item fails.
        catalogue_->progressObserver = [unreadable](const store::FileModelPtr& item, qint64) {
            if (item->path == unreadable)
                test::writeFile(unreadable + QStringLiteral("/late"), "late");
        };
        QVERIFY(vault_->addAndWait({unreadable, fine}));
        const auto& items = catalogue_->groupDirList.at(1)->fileModels;
        QVERIFY(!items.at(0)->isEncrtypt);
        QVERIFY(items.at(1)->isEncrtypt);
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("hideFailed.title")});
        QVERIFY(QFileInfo::exists(unreadable + QStringLiteral("/x")));
    }

    void aWholeDriveStandsForItsEntries() {
        test::TmpfsMount drive(platform::volumePath(drive_), 2 * 1024 * 1024);
        if (!drive.mounted())
            QSKIP(qPrintable(drive.whyNot()));
        onDrive(QStringLiteral("a.txt"), "a");
        onDrive(QStringLiteral("empty.txt"), {});
        onDrive(QStringLiteral("Photos/p.jpg"), "p");
        QDir().mkpath(platform::volumePath(driveKey(QStringLiteral("Old.vlt"))));
        openDriveVault(QStringLiteral("Vault.vlt"));
        controller_->selectGroupName = driveKey(QStringLiteral("Vault.vlt"));
        prompt_->fileAnswers << QStringList{platform::volumePath(drive_)};
        controller_->addFilesAction();
        QTRY_VERIFY(!vault_->running);
        QStringList names;
        for (const auto& item :
             catalogue_->UPLibrary.value(driveKey(QStringLiteral("Vault.vlt"))).at(1)->fileModels)
            names << item->name;
        QCOMPARE(names, (QStringList{QStringLiteral("Photos"), QStringLiteral("a.txt")}));
        catalogue_->UPLibrary.clear();
    }

    void ntfsDrivesAreRefused() {
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("mountinfo"));
        test::writeFile(table, "30 1 8:17 / " + QFile::encodeName(platform::volumePath(drive_)) +
                                   " rw - ntfs3 /dev/sdb1 rw\n");
        platform::VolumeMonitor monitor(table);
        controller_->addUSBNotification(monitor);
        const QString file = onDrive(QStringLiteral("a.txt"), "a");
        prompt_->fileAnswers << QStringList{file};
        controller_->addFilesAction();
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("NTFErrorTitle")});
        QVERIFY(catalogue_->UPLibrary.isEmpty());
    }

    void aVaultFolderOpensInsteadOfBeingAdded() {
        const QString key = driveKey(QStringLiteral("Vault.vlt"));
        catalogue_->moveUpList(drive_, key);
        catalogue_->UPLibrary.clear();
        int result = -1;
        controller_->AddFileActionForPaths({platform::volumePath(key)},
                                           [&result](int r) { result = r; });
        QCOMPARE(result, 0);
        QVERIFY(catalogue_->UPLibrary.contains(key));
    }

private:
    QString place(const QString& relative, const QByteArray& content) {
        return test::placeFile(base_, relative, content);
    }
    QString onDrive(const QString& relative, const QByteArray& content) {
        return test::placeFile(platform::volumePath(drive_), relative, content);
    }
    QString driveKey(const QString& vault) const { return drive_ + u'/' + vault; }
    void openDriveVault(const QString& vault) { catalogue_->moveUpList(drive_, driveKey(vault)); }

    int count_ = 0;
    QString base_;
    QString drive_;
    std::unique_ptr<test::TestVault> vault_;
    test::ScriptedPrompt* prompt_ = nullptr;
    VaultCatalogue* catalogue_ = nullptr;
    MainViewController* controller_ = nullptr;
};

VEXO_TEST_MAIN(AddingTest)
#include "tst_adding.moc"
