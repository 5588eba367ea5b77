#include "TestVault.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "cipher/ItemStore.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

using namespace vexo;
using vault::MainViewController;
using vault::VaultCatalogue;

// What a full disk, a drive pulled out and a run cut short leave behind.
class ReliabilityTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        base_ = test::scratchRoot() + QStringLiteral("/case-%1").arg(++count_);
        drive_ = QStringLiteral("USB%1").arg(count_);
        QDir().mkpath(platform::volumePath(drive_));
        QDir().mkpath(base_ + QStringLiteral("/v.vlt"));
        open();
    }

    void cleanup() {
        if (vault_)
            vault_->catalogue.workers().waitForDone();
        vault_.reset();
    }

    void aFullDiskFailsTheHideAndKeepsTheItemWhole() {
        vault_.reset();
        test::TmpfsMount small(base_ + QStringLiteral("/v.vlt"), 2 * 1024 * 1024);
        if (!small.mounted())
            QSKIP(qPrintable(small.whyNot()));
        open();
        const QByteArray content = test::randomBytes(3'000'000, 1);
        const QString file = place(QStringLiteral("big.bin"), content);
        QVERIFY(vault_->addAndWait({file}));
        const auto item = catalogue_->groupDirList.at(1)->fileModels.first();
        QVERIFY(!item->isEncrtypt);
        QCOMPARE(test::readFile(file), content);
        QCOMPARE(vault_->prompt.alertKeys(), QStringList{QStringLiteral("hideFailed.title")});
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item) + u'/' +
                                   cipher::AESPath(QStringLiteral("big.bin"))));
        QCOMPARE(test::TestVault::listedHidden(file), false);
        catalogue_->workers().waitForDone();
        vault_.reset();
    }

    void aDrivePulledOutDuringAWalkLosesNothing() {
        const QString key = drive_ + QStringLiteral("/Vault.vlt");
        catalogue_->moveUpList(drive_, key);
        controller_->selectGroupName = key;
        QList<QByteArray> contents;
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            contents << test::randomBytes(1'200'000, 10 + i);
            files << onDrive(QStringLiteral("f%1.bin").arg(i), contents.last());
        }
        QVERIFY(vault_->addAndWait({files.first()}));
        const QString pulled = base_ + QStringLiteral("/pulled");
        // The second file's hide is under way when the drive goes.
        catalogue_->progressObserver = [&](const store::FileModelPtr& item, qint64) {
            if (item->path == files.at(1) && QFileInfo::exists(platform::volumePath(drive_)))
                QVERIFY(QDir().rename(platform::volumePath(drive_), pulled));
        };
        QVERIFY(vault_->addAndWait(files.mid(1)));
        QVERIFY(!catalogue_->UPLibrary.contains(key));
        QCOMPARE(controller_->selectGroupName, store::kSystemDevicName);
        QVERIFY(vault_->prompt.alertKeys().contains(QStringLiteral("wenxintishi")));

        // The drive comes back: every file is whole, at its place or stored.
        QVERIFY(QDir().rename(pulled, platform::volumePath(drive_)));
        catalogue_->progressObserver = {};
        vault_->prompt.alerts.clear();
        QCOMPARE(controller_->openDriveVault(platform::volumePath(key)), 0);
        const auto items = catalogue_->UPLibrary.value(key).at(1)->fileModels;
        QCOMPARE(items.size(), 3);
        for (const auto& item : items) {
            if (item->isEncrtypt) {
                controller_->visableChange(item);
                QTRY_VERIFY(!vault_->running);
            }
            QVERIFY(!item->isEncrtypt);
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(test::readFile(files.at(i)), contents.at(i));
        QCOMPARE(vault_->prompt.alerts.size(), 0);
    }

    // Each row: how a run was cut short, as the disk shows it, and what the
    // next start must make of it.
    void aCutShortRunIsPutRightAtTheNextStart_data() {
        QTest::addColumn<bool>("listedHidden");
        QTest::addColumn<bool>("placeThere");
        QTest::addColumn<bool>("storeThere");
        QTest::addColumn<bool>("placeChanged");
        QTest::addColumn<bool>("hiddenAfter");
        QTest::newRow("hidden, list not yet written") << false << false << true << false << true;
        QTest::newRow("shown, list not yet written") << true << true << false << false << false;
        QTest::newRow("hidden, source not yet removed") << false << true << true << false << false;
        QTest::newRow("shown, store not yet removed") << true << true << true << false << false;
        QTest::newRow("something else at the place") << true << true << true << true << true;
    }

    void aCutShortRunIsPutRightAtTheNextStart() {
        QFETCH(bool, listedHidden);
        QFETCH(bool, placeThere);
        QFETCH(bool, storeThere);
        QFETCH(bool, placeChanged);
        QFETCH(bool, hiddenAfter);
        const QByteArray content = test::randomBytes(300'000, 3);
        const QString file = place(QStringLiteral("a.bin"), content);
        QVERIFY(vault_->addAndWait({file}));
        auto item = catalogue_->groupDirList.at(1)->fileModels.first();
        const QString storedFile = store::itemStorePath(*item) + u'/' + cipher::AESPath(item->name);
        const QString storeCopy = base_ + QStringLiteral("/store-copy");
        QVERIFY(QFile::copy(storedFile, storeCopy));
        if (placeThere)
            test::writeFile(file, placeChanged ? QByteArray("other") : content);
        if (!storeThere)
            cipher::removeFile(store::itemStorePath(*item));
        item->isEncrtypt = listedHidden;
        catalogue_->SaveGroupList(vault::ListSelector::LocalFiles);
        // Leftovers of the cut: a half-restored copy, a half-written list.
        test::writeFile(base_ + QStringLiteral("/.a.bin.vexo-Ab12Cd"), "half");
        test::writeFile(base_ + QStringLiteral("/v.vlt/.GroupDirlist.plist.Xy12Zw"), "<pl");
        crashAndReopen();

        item = catalogue_->groupDirList.at(1)->fileModels.first();
        QCOMPARE(bool(item->isEncrtypt), hiddenAfter);
        QCOMPARE(test::TestVault::listedHidden(file), hiddenAfter);
        QVERIFY(!QFileInfo::exists(base_ + QStringLiteral("/.a.bin.vexo-Ab12Cd")));
        QVERIFY(!QFileInfo::exists(base_ + QStringLiteral("/v.vlt/.GroupDirlist.plist.Xy12Zw")));
        QCOMPARE(QFileInfo::exists(storedFile), hiddenAfter || !placeThere);
        if (placeChanged)
            QCOMPARE(test::readFile(file), QByteArray("other"));
        else if (!hiddenAfter)
            QCOMPARE(test::readFile(file), content);
        QCOMPARE(vault_->prompt.alerts.size(), 0);
    }

    // A folder has no digest: only the mark of its restore tells it from
    // something else put at its place.
    void aRestoredFolderIsToldFromAStrangerAtItsPlace_data() {
        QTest::addColumn<bool>("restoredByTheVault");
        QTest::newRow("restored, list not yet written") << true;
        QTest::newRow("another folder put there") << false;
    }

    void aRestoredFolderIsToldFromAStrangerAtItsPlace() {
        QFETCH(bool, restoredByTheVault);
        const QString folder = base_ + QStringLiteral("/album");
        place(QStringLiteral("album/a.jpg"), "a");
        place(QStringLiteral("album/b/c.jpg"), "c");
        QVERIFY(vault_->addAndWait({folder}));
        auto item = catalogue_->groupDirList.at(1)->fileModels.first();
        QVERIFY(item->isEncrtypt);
        if (restoredByTheVault)
            QCOMPARE(cipher::DeCodeAESAtFilemodel(item, QString()).outcome,
                     cipher::WalkOutcome::Succeeded);
        else
            place(QStringLiteral("album/mine.txt"), "mine");
        crashAndReopen();
        item = catalogue_->groupDirList.at(1)->fileModels.first();
        QCOMPARE(bool(item->isEncrtypt), !restoredByTheVault);
        QCOMPARE(QFileInfo::exists(store::itemStorePath(*item)), !restoredByTheVault);
        QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/b/c.jpg")), restoredByTheVault);
    }

    // The application quits while a walk is half done: the next start finds
    // every item whole and shown as the disk says.
    void aCatalogueEndedDuringAWalkIsCheckedAtTheNextStart() {
        QStringList files;
        for (int i = 0; i < 4; ++i)
            files << place(QStringLiteral("w/%1.bin").arg(i), test::randomBytes(600'000, 40 + i));
        std::atomic<bool> second{false};
        catalogue_->progressObserver = [&](const store::FileModelPtr& item, qint64) {
            if (item->path == files.at(1))
                second = true;
        };
        controller_->AddFileActionForPaths(files);
        QTRY_VERIFY(second);
        catalogue_->progressObserver = {};
        vault_.reset();
        open();
        for (const auto& item : catalogue_->groupDirList.at(1)->fileModels) {
            QCOMPARE(QFileInfo::exists(item->path), !item->isEncrtypt);
            QCOMPARE(
                QFileInfo::exists(store::itemStorePath(*item) + u'/' + cipher::AESPath(item->name)),
                bool(item->isEncrtypt));
            if (item->isEncrtypt) {
                controller_->visableChange(item);
                QVERIFY(vault_->waitUntilIdle());
            }
        }
        for (int i = 0; i < 4; ++i)
            QCOMPARE(test::readFile(files.at(i)), test::randomBytes(600'000, 40 + i));
        QCOMPARE(vault_->prompt.alerts.size(), 0);
    }

    // One process at a time changes a vault; a second one is refused before
    // it reads or writes anything, and the vault is free once the first ends.
    void aVaultInUseIsRefusedToASecondSession() {
        const QString key = drive_ + QStringLiteral("/Vault.vlt");
        catalogue_->moveUpList(drive_, key);
        const QByteArray list = test::readFile(store::AppGroupDirListPath());
        {
            test::ScriptedPrompt prompt;
            VaultCatalogue second(prompt);
            MainViewController controller(second);
            QVERIFY(!controller.setUp());
            second.moveUpList(drive_, key);
            QVERIFY(second.UPLibrary.isEmpty());
            QCOMPARE(prompt.alertKeys(), (QStringList{QStringLiteral("vaultInUse.title"),
                                                      QStringLiteral("vaultInUse.title")}));
            QVERIFY(second.groupDirList.isEmpty());
        }
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), list);
        vault_.reset();
        open();
        QVERIFY(vault_->prompt.alerts.isEmpty());
        QVERIFY(!catalogue_->groupDirList.isEmpty());
    }

    void aCleanCloseIsNotCheckedAgain() {
        const QString file = place(QStringLiteral("a.bin"), "abc");
        QVERIFY(vault_->addAndWait({file}));
        test::writeFile(file, "abc"); // the list is not consulted against this
        catalogue_->workers().waitForDone();
        vault_.reset();
        open();
        QVERIFY(catalogue_->groupDirList.at(1)->fileModels.first()->isEncrtypt);
    }

private:
    void open() {
        vault_ = std::make_unique<test::TestVault>(base_ + QStringLiteral("/v.vlt"));
        catalogue_ = &vault_->catalogue;
        controller_ = &vault_->controller;
    }

    // A new start after a kill: the session marker stays behind.
    void crashAndReopen() {
        catalogue_->workers().waitForDone();
        const QString marker = base_ + QStringLiteral("/v.vlt/.session-open");
        const QByteArray kept = test::readFile(marker);
        vault_.reset();
        test::writeFile(marker, kept);
        open();
    }

    QString place(const QString& relative, const QByteArray& content) {
        return test::placeFile(base_, relative, content);
    }
    QString onDrive(const QString& relative, const QByteArray& content) {
        return test::placeFile(platform::volumePath(drive_), relative, content);
    }

    int count_ = 0;
    QString base_;
    QString drive_;
    std::unique_ptr<test::TestVault> vault_;
    VaultCatalogue* catalogue_ = nullptr;
    MainViewController* controller_ = nullptr;
};

VEXO_TEST_MAIN(ReliabilityTest)
#include "tst_reliability.moc"
