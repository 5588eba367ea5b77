#include "TestVault.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "cipher/ItemStore.h"

using namespace vexo;
using test::TestVault;

namespace {

// Where the stored copy of a hidden single-file item lies.
QString storedFileOf(const store::FileModel& item) {
    return store::itemStorePath(item) + u'/' + cipher::AESPath(item.name);
}

} // namespace

// What a full disk, a drive pulled out and a run cut short leave behind.
class ReliabilityTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void aFullDiskFailsTheHideAndKeepsTheItemWhole() {
        closeVault();
        test::TmpfsMount small(vaultRoot(), 2 * 1024 * 1024);
        if (!small.mounted())
            QSKIP(qPrintable(small.whyNot()));
        openVault();
        const QByteArray content = test::randomBytes(3'000'000, 1);
        const QString file = place(QStringLiteral("big.bin"), content);
        QVERIFY(vault().addAndWait({file}));
        const auto item = vault().itemAt(file);
        QVERIFY(!item->isEncrtypt);
        QCOMPARE(test::readFile(file), content);
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("hideFailed.title")});
        QVERIFY(!QFileInfo::exists(storedFileOf(*item)));
        QCOMPARE(TestVault::listedHidden(file), false);
        endCase(); // before the small disk goes
    }

    void aDrivePulledOutDuringAWalkLosesNothing() {
        const QString key = driveKey(QStringLiteral("Vault.vlt"));
        catalogue().moveUpList(drive(), key);
        controller().selectGroupName = key;
        QList<QByteArray> contents;
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            contents << test::randomBytes(1'200'000, 10 + i);
            files << onDrive(QStringLiteral("f%1.bin").arg(i), contents.last());
        }
        QVERIFY(vault().addAndWait({files.first()}));
        const QString pulled = base() + QStringLiteral("/pulled");
        const QString mounted = platform::volumePath(drive());
        // The second file's hide is under way when the drive goes.
        catalogue().progressObserver = [&](const store::FileModelPtr& item, qint64) {
            if (item->path == files.at(1) && QFileInfo::exists(mounted))
                QVERIFY(QDir().rename(mounted, pulled));
        };
        QVERIFY(vault().addAndWait(files.mid(1)));
        QVERIFY(!catalogue().UPLibrary.contains(key));
        QCOMPARE(controller().selectGroupName, store::kSystemDevicName);
        QVERIFY(prompt().alertKeys().contains(QStringLiteral("wenxintishi")));

        // The drive comes back: every file is whole, at its place or stored.
        QVERIFY(QDir().rename(pulled, mounted));
        catalogue().progressObserver = {};
        prompt().alerts.clear();
        QCOMPARE(controller().openDriveVault(platform::volumePath(key)), 0);
        const auto items = catalogue().UPLibrary.value(key).at(1)->fileModels;
        QCOMPARE(items.size(), 3);
        for (const auto& item : items) {
            if (item->isEncrtypt)
                QVERIFY(vault().switchAndWait(item));
            QVERIFY(!item->isEncrtypt);
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(test::readFile(files.at(i)), contents.at(i));
        QCOMPARE(prompt().alerts.size(), 0);
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
        QVERIFY(vault().addAndWait({file}));
        auto item = vault().itemAt(file);
        const QString storedFile = storedFileOf(*item);
        if (placeThere)
            test::writeFile(file, placeChanged ? QByteArray("other") : content);
        if (!storeThere)
            cipher::removeFile(store::itemStorePath(*item));
        item->isEncrtypt = listedHidden;
        catalogue().SaveGroupList(vault::ListSelector::LocalFiles);
        // Leftovers of the cut: a half-restored copy, a half-written list.
        const QString halfCopy = place(QStringLiteral(".a.bin.vexo-Ab12Cd"), "half");
        const QString halfList = place(QStringLiteral("v.vlt/.GroupDirlist.plist.Xy12Zw"), "<pl");
        crashAndReopen();

        item = vault().itemAt(file);
        QCOMPARE(bool(item->isEncrtypt), hiddenAfter);
        QCOMPARE(TestVault::listedHidden(file), hiddenAfter);
        QVERIFY(!QFileInfo::exists(halfCopy));
        QVERIFY(!QFileInfo::exists(halfList));
        QCOMPARE(QFileInfo::exists(storedFile), hiddenAfter || !placeThere);
        if (placeChanged)
            QCOMPARE(test::readFile(file), QByteArray("other"));
        else if (!hiddenAfter)
            QCOMPARE(test::readFile(file), content);
        QCOMPARE(prompt().alerts.size(), 0);
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
        const QString folder = base() + QStringLiteral("/album");
        place(QStringLiteral("album/a.jpg"), "a");
        place(QStringLiteral("album/b/c.jpg"), "c");
        QVERIFY(vault().addAndWait({folder}));
        auto item = vault().itemAt(folder);
        QVERIFY(item->isEncrtypt);
        if (restoredByTheVault)
            QCOMPARE(cipher::DeCodeAESAtFilemodel(item, QString()).outcome,
                     cipher::WalkOutcome::Succeeded);
        else
            place(QStringLiteral("album/mine.txt"), "mine");
        crashAndReopen();
        item = vault().itemAt(folder);
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
        catalogue().progressObserver = [&](const store::FileModelPtr& item, qint64) {
            if (item->path == files.at(1))
                second = true;
        };
        controller().AddFileActionForPaths(files);
        QTRY_VERIFY(second);
        catalogue().progressObserver = {};
        closeVault();
        openVault();
        QCOMPARE(allFiles()->fileModels.size(), 4);
        for (const auto& item : allFiles()->fileModels) {
            QCOMPARE(QFileInfo::exists(item->path), !item->isEncrtypt);
            QCOMPARE(QFileInfo::exists(storedFileOf(*item)), bool(item->isEncrtypt));
            if (item->isEncrtypt)
                QVERIFY(vault().switchAndWait(item));
        }
        for (int i = 0; i < 4; ++i)
            QCOMPARE(test::readFile(files.at(i)), test::randomBytes(600'000, 40 + i));
        QCOMPARE(prompt().alerts.size(), 0);
    }

    // One process at a time changes a vault; a second one is refused before
    // it reads or writes anything, and the vault is free once the first ends.
    void aVaultInUseIsRefusedToASecondSession() {
        const QString key = driveKey(QStringLiteral("Vault.vlt"));
        catalogue().moveUpList(drive(), key);
        const QByteArray list = test::readFile(store::AppGroupDirListPath());
        {
            test::ScriptedPrompt told;
            vault::VaultCatalogue second(told);
            vault::MainViewController unlocked(second);
            QVERIFY(!unlocked.setUp());
            second.moveUpList(drive(), key);
            QVERIFY(second.UPLibrary.isEmpty());
            QCOMPARE(told.alertKeys(), (QStringList{QStringLiteral("vaultInUse.title"),
                                                    QStringLiteral("vaultInUse.title")}));
            QVERIFY(second.groupDirList.isEmpty());
        }
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), list);
        reopenVault();
        QVERIFY(prompt().alerts.isEmpty());
        QVERIFY(!catalogue().groupDirList.isEmpty());
    }

    void aCleanCloseIsNotCheckedAgain() {
        const QString file = place(QStringLiteral("a.bin"), "abc");
        QVERIFY(vault().addAndWait({file}));
        test::writeFile(file, "abc"); // the list is not consulted against this
        reopenVault();
        QVERIFY(vault().itemAt(file)->isEncrtypt);
    }

private:
    // A new start after a kill: the session marker stays behind.
    void crashAndReopen() {
        catalogue().workers().waitForDone();
        const QString marker = vaultRoot() + QStringLiteral("/.session-open");
        const QByteArray kept = test::readFile(marker);
        closeVault();
        test::writeFile(marker, kept);
        openVault();
    }
};

VEXO_TEST_MAIN(ReliabilityTest)
#include "tst_reliability.moc"
