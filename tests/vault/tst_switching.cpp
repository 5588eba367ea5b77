#include "TestVault.h"
#include "platform/DesktopTraces.h"
#include "platform/Digest.h"

#include <QCryptographicHash>
#include <QSignalSpy>

using namespace vexo;
using test::TestVault;

// One vault with one visible item in its "all files" group.
class SwitchingTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() {
        startCase();
        content_ = test::randomBytes(1'200'000, 7);
        item_ = TestVault::listVisibleItem(
            allFiles(), base() + QStringLiteral("/Documents/report.bin"), content_);
    }
    void cleanup() { endCase(); }

    void hidingThenUnhidingGivesTheFileBack() {
        QSignalSpy progress(&catalogue(), &vault::VaultCatalogue::itemProgress);
        controller().visableChange(item_);
        QVERIFY(item_->isEncrtypt); // the target state shows before the run ends
        QVERIFY(vault().waitUntilIdle());
        QVERIFY(item_->isEncrtypt);
        QVERIFY(!QFileInfo::exists(item_->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item_)).isDir());
        QCOMPARE(TestVault::listedHidden(item_->path), true);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(1).toFloat(), 1.0f); // the last report always arrives

        QVERIFY(vault().switchAndWait(item_));
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item_)));
        QCOMPARE(TestVault::listedHidden(item_->path), false);
        QCOMPARE(prompt().alerts.size(), 0);
    }

    // A hidden file leaves no thumbnail and no place in the desktop's list of
    // recently used files; a hide that fails leaves them.
    void hidingForgetsTheDesktopsTraces() {
        const QString uri = platform::fileUrisOf(item_->path).constFirst();
        const QString thumbnail =
            qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/thumbnails/normal/") +
            QString::fromLatin1(
                QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex()) +
            QStringLiteral(".png");
        const QString recent =
            qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/recently-used.xbel");
        const QByteArray list = "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\"><bookmark href=\"" +
                                uri.toUtf8() + "\"/></xbel>\n";
        test::writeFile(thumbnail, "PNG");
        test::writeFile(recent, list);
        {
            const test::ScopedFileSizeLimit full(1000);
            controller().visableChange(item_);
            QVERIFY(vault().waitUntilRunsEnded());
        }
        QVERIFY(!item_->isEncrtypt);
        QVERIFY(QFileInfo::exists(thumbnail));
        QCOMPARE(test::readFile(recent), list);

        QVERIFY(vault().switchAndWait(item_));
        QVERIFY(item_->isEncrtypt);
        QVERIFY(!QFileInfo::exists(thumbnail));
        QVERIFY(!test::readFile(recent).contains(uri.toUtf8()));
    }

    void aDigestThatDiffersKeepsTheItemHiddenAndBothCopies() {
        QVERIFY(vault().switchAndWait(item_));
        item_->md5CodePath = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
        prompt().alertAnswers << 0;
        QVERIFY(vault().switchAndWait(item_));
        QVERIFY(item_->isEncrtypt);
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("error_md5_message")});
        QCOMPARE(prompt().alerts.first().informativeText, platform::fileDigest(item_->path));
        QVERIFY(QFileInfo::exists(item_->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item_)).isDir());
    }

    void anItemWithoutRecordedDigestUnhidesUnchecked() {
        item_->md5CodePath.clear();
        QVERIFY(vault().switchAndWait(item_));
        QVERIFY(vault().switchAndWait(item_));
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
    }

    void aVisibleItemRemovedFromOutsideIsNotSwitched() {
        QFile::remove(item_->path);
        prompt().alertAnswers << 0;
        bool completed = false;
        controller().visableChange(item_, [&] { completed = true; });
        QVERIFY(completed);
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("wenxintishi")});
    }

    void aFailedHideLeavesTheItemVisibleAndWhole() {
        prompt().alertAnswers << 0;
        bool switched = false;
        {
            test::ScopedFileSizeLimit limit(600'000); // the store runs out of room
            switched = vault().switchAndWait(item_);
        }
        QVERIFY(switched);
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item_)));
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("hideFailed.title")});
        QVERIFY(prompt().alerts.first().informativeText.contains(QStringLiteral("report.bin")));
    }

    void aCancelledHideLeavesTheItemVisibleAndWritesNoList() {
        const QByteArray listBefore = test::readFile(store::AppGroupDirListPath());
        catalogue().progressObserver = [this](const store::FileModelPtr&, qint64) {
            controller().encryptCancelBtnAction(); // the user presses cancel mid-run
        };
        bool completed = false;
        controller().visableChange(item_, [&] { completed = true; });
        QVERIFY(vault().waitUntilIdle());
        QVERIFY(!completed); // a cancelled run never completes
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item_)));
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), listBefore);
    }

    void aCancelledUnhideLeavesTheItemHidden() {
        QVERIFY(vault().switchAndWait(item_));
        catalogue().progressObserver = [this](const store::FileModelPtr&, qint64) {
            controller().encryptCancelBtnAction();
        };
        controller().visableChange(item_);
        QVERIFY(!item_->isEncrtypt); // the target state while it runs
        QVERIFY(vault().waitUntilIdle());
        QVERIFY(item_->isEncrtypt);
        QVERIFY(!QFileInfo::exists(item_->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item_)).isDir());
        catalogue().progressObserver = nullptr;
        QVERIFY(vault().switchAndWait(item_)); // and it still unhides afterwards
        QCOMPARE(test::readFile(item_->path), content_);
    }

    void aCancelBeforeAWorkerTakesTheRunUpStopsIt_data() {
        QTest::addColumn<bool>("hiding");
        QTest::newRow("hide") << true;
        QTest::newRow("unhide") << false;
    }

    // Every worker is busy when the switch starts; the user cancels at once.
    void aCancelBeforeAWorkerTakesTheRunUpStopsIt() {
        QFETCH(bool, hiding);
        if (!hiding)
            QVERIFY(vault().switchAndWait(item_));
        const QByteArray listBefore = test::readFile(store::AppGroupDirListPath());
        bool completed = false;
        {
            test::Gate busy;
            busy.holdWorkersOf(catalogue());
            controller().visableChange(item_, [&] { completed = true; });
            controller().encryptCancelBtnAction();
        }
        QVERIFY(vault().waitUntilIdle());
        QVERIFY(!completed);
        QCOMPARE(item_->isEncrtypt.load(), !hiding); // as before the switch
        QCOMPARE(QFileInfo::exists(item_->path), hiding);
        QCOMPARE(QFileInfo(store::itemStorePath(*item_)).isDir(), !hiding);
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), listBefore);
    }

    // The user cancels a hide; before its run notices, another switch starts
    // (which forgets the shared cancel) and the file list is rebuilt. The
    // cancelled run still stops.
    void aRebuildDoesNotReviveACancelledRun() {
        const auto other = TestVault::listVisibleItem(
            allFiles(), base() + QStringLiteral("/Documents/other.txt"), "other");
        catalogue().workers().setMaxThreadCount(2);
        test::Gate gate;
        catalogue().progressObserver = [this, wait = gate.waiter(),
                                        pressed = std::make_shared<std::atomic<bool>>(false)](
                                           const store::FileModelPtr& item, qint64) {
            if (item != item_ || pressed->exchange(true))
                return;
            controller().encryptCancelBtnAction();
            wait();
        };
        controller().visableChange(item_);
        QVERIFY(QTest::qWaitFor([&] { return gate.reached(); }, 20000));
        bool otherDone = false;
        controller().visableChange(other, [&] { otherDone = true; });
        QVERIFY(QTest::qWaitFor([&] { return otherDone; }, 20000));
        controller().chooseItemsShown();
        QCOMPARE(controller().selected_ItemList.size(), 2);
        gate.open();
        QVERIFY(vault().waitUntilRunsEnded());

        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item_)));
        QVERIFY(other->isEncrtypt);
    }

    void aSwitchThatDoesNotFinishLeavesItsListTellingTheTruth_data() {
        QTest::addColumn<bool>("hiding");
        QTest::addColumn<bool>("cancelled");   // else the run fails
        QTest::addColumn<bool>("onDrive");     // else in the local vault
        QTest::addColumn<bool>("otherSwitch"); // else a group renamed meanwhile
        QTest::newRow("cancelled hide") << true << true << false << false;
        QTest::newRow("cancelled unhide") << false << true << false << false;
        QTest::newRow("cancelled hide, other item switched") << true << true << false << true;
        QTest::newRow("cancelled unhide, other item switched") << false << true << false << true;
        QTest::newRow("cancelled hide on a drive") << true << true << true << false;
        QTest::newRow("cancelled unhide on a drive") << false << true << true << false;
        QTest::newRow("failed hide") << true << false << false << false;
        QTest::newRow("failed unhide") << false << false << false << false;
    }

    // While the switch runs, another change writes the item's list with the
    // item in its target state. When the run does not finish, the list file
    // must show the item as it is again: a clean quit trusts the list.
    void aSwitchThatDoesNotFinishLeavesItsListTellingTheTruth() {
        QFETCH(bool, hiding);
        QFETCH(bool, cancelled);
        QFETCH(bool, onDrive);
        QFETCH(bool, otherSwitch);
        const QString key = driveKey(QStringLiteral("Vault.vlt"));
        if (onDrive)
            catalogue().moveUpList(drive(), key);
        const store::GroupModelPtr group =
            onDrive ? catalogue().UPLibrary.value(key).at(1) : allFiles();
        const QString folder = onDrive ? platform::volumePath(drive()) : base();
        const auto item = onDrive ? TestVault::listVisibleItem(
                                        group, folder + QStringLiteral("/report.bin"), content_)
                                  : item_;
        const auto other =
            TestVault::listVisibleItem(group, folder + QStringLiteral("/other.txt"), "other");
        const auto listed = [&](const QString& path) {
            return TestVault::listedHidden(path, onDrive ? TestVault::savedDriveList(key)
                                                         : TestVault::savedLocalList());
        };
        if (!hiding)
            QVERIFY(vault().switchAndWait(item));

        // The run stops after its first chunk; a failing one has lost its
        // source (hide) or its stored copy (unhide) by then.
        test::Gate gate;
        catalogue().progressObserver = [item, hiding, cancelled, wait = gate.waiter(),
                                        first = std::make_shared<std::atomic<bool>>(true)](
                                           const store::FileModelPtr& running, qint64) {
            if (running != item || !first->exchange(false))
                return;
            if (!cancelled)
                QFile::resize(hiding ? item->path : storedFileOf(*item), 1000);
            wait();
        };
        controller().visableChange(item);
        QVERIFY(QTest::qWaitFor([&] { return gate.reached(); }, 20000));
        if (otherSwitch) {
            bool otherDone = false;
            controller().visableChange(other, [&] { otherDone = true; });
            QVERIFY(QTest::qWaitFor([&] { return otherDone; }, 20000));
            QCOMPARE(listed(other->path), true);
        } else {
            controller().renameGroup(group, QStringLiteral("Renamed meanwhile"));
        }
        QCOMPARE(listed(item->path), hiding); // the file tells the target state
        if (cancelled)
            controller().encryptCancelBtnAction();
        else
            prompt().alertAnswers << 0;
        gate.open();
        QVERIFY(vault().waitUntilRunsEnded());

        QCOMPARE(item->isEncrtypt.load(), !hiding);
        QCOMPARE(listed(item->path), !hiding);
        QCOMPARE(QFileInfo::exists(item->path), hiding);
        QCOMPARE(prompt().alerts.size(), cancelled ? 0 : 1);
    }

    void workRunningAtALockEndsRecordedAndLaterChangesStay() {
        auto unlocked = std::make_unique<vault::MainViewController>(catalogue());
        unlocked->visableChange(item_);
        unlocked->lockvexoAction();
        unlocked.reset(); // the unlock screen replaces the controller
        QVERIFY(vault().waitUntilIdle());
        QCOMPARE(TestVault::listedHidden(item_->path), true);

        vault::MainViewController next(catalogue()); // the next unlock
        next.setUp();
        QVERIFY(item_->isEncrtypt);
        allFiles()->name = QStringLiteral("Renamed after unlocking");
        QVERIFY(catalogue().SaveGroupList(vault::ListSelector::LocalFiles));
        const auto groups = TestVault::savedLocalList();
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups.at(1)->name, QStringLiteral("Renamed after unlocking"));
        QVERIFY(groups.at(1)->fileModels.first()->isEncrtypt);
    }

    void theMenuCommandsSwitchOnlyAnItemInTheOtherState() {
        controller().chooseItemsShown();
        QCOMPARE(controller().selectedItem(), item_);
        QCOMPARE(controller().doFileType, 2);
        controller().unHideItemAction(); // already visible: nothing to do
        catalogue().workers().waitForDone();
        QCoreApplication::processEvents();
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(controller().doFileType, 2);

        controller().fileTypeButtonAction(); // the bottom button hides it
        QCOMPARE(controller().doFileType, 3);
        QVERIFY(vault().waitUntilIdle());
        QVERIFY(!QFileInfo::exists(item_->path));
        controller().hideItemAction(); // already hidden: nothing to do
        QVERIFY(item_->isEncrtypt);
        controller().fileTypeButtonAction(); // and unhides it
        QVERIFY(vault().waitUntilIdle());
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!item_->isEncrtypt);
    }

private:
    // The one stored file of a single-file item.
    static QString storedFileOf(const store::FileModel& item) {
        const QString store = store::itemStorePath(item);
        QStringList stored = test::filesBelow(store);
        stored.removeAll(QStringLiteral(".attributes"));
        return stored.size() == 1 ? store + u'/' + stored.first() : QString();
    }

    QByteArray content_;
    store::FileModelPtr item_;
};

VEXO_TEST_MAIN(SwitchingTest)
#include "tst_switching.moc"
