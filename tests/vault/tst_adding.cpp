#include "TestVault.h"
#include "cipher/Thumbnails.h"
#include "platform/VolumeMonitor.h"
#include "store/HelpClass.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

using namespace vexo;
using test::TestVault;

// Adding files and folders, from the choosers to the end of the hiding walk.
class AddingTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void newItemsAreListedThenHiddenOneByOne() {
        const QByteArray first = test::randomBytes(700'000, 1);
        const QString file = place(QStringLiteral("docs/a.bin"), first);
        const QString text = place(QStringLiteral("docs/notes.txt"), "plain words\n");
        const QString folder = base() + QStringLiteral("/docs/album");
        place(QStringLiteral("docs/album/1.jpg"), test::randomBytes(5000, 2));
        place(QStringLiteral("docs/album/deep/2.png"), test::randomBytes(7000, 3));

        QVERIFY(vault().addAndWait({file, text, folder}));
        const auto& group = allFiles();
        QCOMPARE(group->fileModels.size(), 3);
        for (const auto& item : group->fileModels) {
            QVERIFY2(item->isEncrtypt, qPrintable(item->path));
            QVERIFY(!QFileInfo::exists(item->path));
            QCOMPARE(item->fileIndex, 0);
            QCOMPARE(item->groupIndex, 1);
            QCOMPARE(item->groupName, store::kSystemDevicName);
            QCOMPARE(item->macAddress, test::kTestMacAddress);
            QVERIFY(item->encryptedPath.startsWith(group->path + u'/'));
        }
        QCOMPARE(group->fileModels.at(2)->fileSize, 12000);
        QCOMPARE(group->fileModels.at(0)->md5CodePath,
                 QString::fromLatin1(
                     QCryptographicHash::hash(first, QCryptographicHash::Md5).toHex().toUpper()));
        QCOMPARE(TestVault::listedHidden(file), true);
        QCOMPARE(TestVault::listedHidden(folder), true);
        QCOMPARE(prompt().alerts.size(), 0);
    }

    void eachNewItemGetsItsThumbnail() {
        QStringList written;
        catalogue().thumbnailWriter = [&written](const QString& source, const QString& thumbnail,
                                                 bool isPicture) {
            written << QStringLiteral("%1 %2 %3").arg(source, thumbnail).arg(isPicture);
            return true;
        };
        const QString picture = place(QStringLiteral("p/Photo.JPEG"), "jpeg");
        const QString other = place(QStringLiteral("p/a.pdf"), "pdf");
        QVERIFY(vault().addAndWait({picture, other}));
        QCOMPARE(written,
                 (QStringList{QStringLiteral("%1 %2 1").arg(
                                  picture, cipher::getFileThumbImagePath(picture, QString())),
                              QStringLiteral("%1 %2 0").arg(
                                  other, cipher::getFileThumbImagePath(other, QString()))}));
    }

    void pathsThatCannotBecomeItemsAreLeftOut() {
        const QString file = place(QStringLiteral("a.txt"), "a");
        const QString link = base() + QStringLiteral("/link.txt");
        QVERIFY(QFile::link(file, link));
        const QString inVault = place(QStringLiteral("v.vlt/mine.txt"), "x");
        QVERIFY(
            vault().addAndWait({file, file, link, inVault, base() + QStringLiteral("/missing")}));
        QCOMPARE(allFiles()->fileModels.size(), 1);
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("addRefused.title")});
        QVERIFY(prompt().alerts.first().informativeText.contains(link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(test::readFile(inVault), QByteArray("x"));

        // Already listed: nothing new, nothing told.
        prompt().alerts.clear();
        controller().AddFileActionForPaths({file});
        QCOMPARE(allFiles()->fileModels.size(), 1);
        QCOMPARE(prompt().alerts.size(), 0);
    }

    void localItemsGoToTheSelectedLocalGroupElseAllFiles() {
        const auto mine = controller().createGroup(store::kSystemDevicName);
        controller().selectGroupIndex = mine->index;
        QVERIFY(vault().addAndWait({place(QStringLiteral("one"), "1")}));
        QCOMPARE(mine->fileModels.size(), 1);

        selectNewDriveVault(QStringLiteral("Vault.vlt"));
        QVERIFY(vault().addAndWait({place(QStringLiteral("two"), "2")}));
        QCOMPARE(allFiles()->fileModels.size(), 1);
        // The selection follows the items to where they went.
        QCOMPARE(controller().selectGroupName, store::kSystemDevicName);
        QCOMPARE(controller().selectGroupIndex, 1);
    }

    void aDriveWithoutVaultAsksForItsName_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("vaultName");
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
        QFETCH(QString, vaultName);
        const QByteArray content = test::randomBytes(3000, 4);
        const QString file = onDrive(QStringLiteral("photo.jpg"), content);
        prompt().alertAnswers << 0;
        prompt().textAnswers << answer;
        controller().AddFileActionForPaths({file});
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("addMessage.string")});
        QCOMPARE(prompt().alerts.first().messageArguments, QStringList{drive()});
        if (vaultName.isEmpty()) {
            QVERIFY(catalogue().UPLibrary.isEmpty());
            QCOMPARE(test::readFile(file), content);
            return;
        }
        QVERIFY(vault().waitUntilIdle());
        const QString key = driveKey(vaultName);
        QCOMPARE(controller().selectGroupName, key);
        const auto& items = catalogue().UPLibrary.value(key).at(1)->fileModels;
        QCOMPARE(items.size(), 1);
        QVERIFY(items.first()->isEncrtypt);
        QVERIFY(QFileInfo(store::AppGroupMoveUPListPath(drive(), vaultName)).isFile());
        QVERIFY(QFileInfo(store::itemStorePath(*items.first())).isDir());
        QVERIFY(store::itemStorePath(*items.first()).startsWith(platform::volumePath(key) + u'/'));
    }

    void anExistingButClosedVaultCanBeChosen() {
        QDir().mkpath(driveVaultPath(QStringLiteral("Vault.vlt")));
        const QString file = onDrive(QStringLiteral("a.bin"), "abc");
        const QString other = driveKey(QStringLiteral("Other.vlt"));
        catalogue().moveUpList(drive(), other);
        catalogue().UPLibrary.remove(other);
        prompt().alertAnswers << 1;
        prompt().fileAnswers << QStringList{platform::volumePath(other)};
        controller().AddFileActionForPaths({file});
        QCOMPARE(prompt().alertKeys().first(), QStringLiteral("addMessage1.string"));
        QVERIFY(vault().waitUntilIdle());
        QVERIFY(catalogue().UPLibrary.contains(other));
        QCOMPARE(catalogue().UPLibrary.value(other).at(1)->fileModels.size(), 1);
    }

    void driveItemsLargerThanTheDriveHasRoomForAreNotAdded() {
        test::TmpfsMount small(platform::volumePath(drive()), 2 * 1024 * 1024);
        if (!small.mounted())
            QSKIP(qPrintable(small.whyNot()));
        const QString file = onDrive(QStringLiteral("big.bin"), test::randomBytes(1'300'000, 5));
        const QString key = selectNewDriveVault(QStringLiteral("Vault.vlt"));
        controller().AddFileActionForPaths({file});
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("needTotalSize.Title")});
        QVERIFY(catalogue().UPLibrary.value(key).at(1)->fileModels.isEmpty());
        QVERIFY(QFileInfo::exists(file));
        catalogue().UPLibrary.clear();
    }

    void aCancelLeavesTheRestVisibleAndMarked() {
        const QStringList files{place(QStringLiteral("1"), test::randomBytes(2'000'000, 6)),
                                place(QStringLiteral("2"), "two"), place(QStringLiteral("3"), "3")};
        catalogue().progressObserver = [this](const store::FileModelPtr&, qint64) {
            controller().encryptCancelBtnAction();
        };
        QVERIFY(vault().addAndWait(files));
        for (const auto& item : allFiles()->fileModels) {
            QVERIFY(!item->isEncrtypt);
            QVERIFY(item->isCancel);
            QVERIFY(QFileInfo::exists(item->path));
            QCOMPARE(TestVault::listedHidden(item->path), false);
        }
        QCOMPARE(test::readFile(files.first()), test::randomBytes(2'000'000, 6));
    }

    void aFailedItemIsToldAndTheWalkGoesOn() {
        const QString unreadable = base() + QStringLiteral("/gone-link-folder");
        QDir().mkpath(unreadable);
        place(QStringLiteral("gone-link-folder/x"), "x");
        const QString fine = place(QStringLiteral("fine.txt"), "fine");
        // The folder changes while it is hidden: that item fails.
        catalogue().progressObserver = [unreadable](const store::FileModelPtr& item, qint64) {
            if (item->path == unreadable)
                test::writeFile(unreadable + QStringLiteral("/late"), "late");
        };
        QVERIFY(vault().addAndWait({unreadable, fine}));
        const auto& items = allFiles()->fileModels;
        QVERIFY(!items.at(0)->isEncrtypt);
        QVERIFY(items.at(1)->isEncrtypt);
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("hideFailed.title")});
        QVERIFY(QFileInfo::exists(unreadable + QStringLiteral("/x")));
    }

    void aWholeDriveStandsForItsEntries() {
        test::TmpfsMount whole(platform::volumePath(drive()), 2 * 1024 * 1024);
        if (!whole.mounted())
            QSKIP(qPrintable(whole.whyNot()));
        onDrive(QStringLiteral("a.txt"), "a");
        onDrive(QStringLiteral("empty.txt"), {});
        onDrive(QStringLiteral("Photos/p.jpg"), "p");
        QDir().mkpath(driveVaultPath(QStringLiteral("Old.vlt")));
        const QString key = selectNewDriveVault(QStringLiteral("Vault.vlt"));
        prompt().fileAnswers << QStringList{platform::volumePath(drive())};
        controller().addFilesAction();
        QVERIFY(vault().waitUntilIdle());
        QCOMPARE(test::namesOf(catalogue().UPLibrary.value(key).at(1)->fileModels),
                 test::words("Photos a.txt"));
        catalogue().UPLibrary.clear();
    }

    void ntfsDrivesAreRefused() {
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("mountinfo"));
        test::writeFile(table, "30 1 8:17 / " + QFile::encodeName(platform::volumePath(drive())) +
                                   " rw - ntfs3 /dev/sdb1 rw\n");
        platform::VolumeMonitor monitor(table);
        controller().addUSBNotification(monitor);
        const QString file = onDrive(QStringLiteral("a.txt"), "a");
        prompt().fileAnswers << QStringList{file};
        controller().addFilesAction();
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("NTFErrorTitle")});
        QVERIFY(catalogue().UPLibrary.isEmpty());
    }

    void aVaultFolderOpensInsteadOfBeingAdded() {
        const QString key = driveKey(QStringLiteral("Vault.vlt"));
        catalogue().moveUpList(drive(), key);
        catalogue().UPLibrary.clear();
        int result = -1;
        controller().AddFileActionForPaths({platform::volumePath(key)},
                                           [&result](int r) { result = r; });
        QCOMPARE(result, 0);
        QVERIFY(catalogue().UPLibrary.contains(key));
    }

private:
    // Opens the drive vault name, made on the case's drive, and selects it.
    QString selectNewDriveVault(const QString& name) {
        catalogue().moveUpList(drive(), driveKey(name));
        controller().selectGroupName = driveKey(name);
        return driveKey(name);
    }
};

VEXO_TEST_MAIN(AddingTest)
#include "tst_adding.moc"
