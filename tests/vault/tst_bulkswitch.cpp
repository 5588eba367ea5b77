#include "TestVault.h"

using namespace vexo;
using test::TestVault;

// Switching many items at once: a whole vault, one group, across a lock.
class BulkSwitchTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() {
        startCase();
        // Three items in "all files", two in a group of their own, all hidden.
        const auto group = controller().createGroup(store::kSystemDevicName);
        controller().selectGroupIndex = 1;
        for (int n = 1; n <= 5; ++n)
            test::writeFile(file(n), content(n));
        QVERIFY(vault().addAndWait({file(1), file(2), file(3)}));
        controller().selectGroupIndex = group->index;
        QVERIFY(vault().addAndWait({file(4), file(5)}));
    }
    void cleanup() { endCase(); }

    void theVaultUnhidesAndHidesAsAWhole() {
        QVERIFY(bulkAndWait(3));
        QCOMPARE(visibleCount(), 5);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(test::readFile(file(i)), content(i));
        QCOMPARE(listedHiddenCount(), 0);

        // An item hidden on its own is passed over by the next bulk hide.
        const auto lone = catalogue().groupDirList.at(2)->fileModels.first();
        QVERIFY(vault().switchAndWait(lone));
        QVERIFY(lone->isEncrtypt);
        QStringList walked;
        catalogue().progressObserver = [&walked](const store::FileModelPtr& item, qint64) {
            if (!walked.contains(item->path))
                walked << item->path;
        };
        QVERIFY(bulkAndWait(2));
        QCOMPARE(visibleCount(), 0);
        QCOMPARE(walked.size(), 4);
        QVERIFY(!walked.contains(lone->path));
        QCOMPARE(listedHiddenCount(), 5);
        QCOMPARE(prompt().alerts.size(), 0);
    }

    void aGroupHidesOnlyItsOwnItems() {
        QVERIFY(bulkAndWait(3));
        controller().hiddenAllItemFileModel(2);
        QVERIFY(vault().waitUntilIdle());
        QCOMPARE(visibleCount(), 3);
        for (const auto& item : catalogue().groupDirList.at(2)->fileModels)
            QVERIFY(item->isEncrtypt && !QFileInfo::exists(item->path));
        QCOMPARE(listedHiddenCount(), 2);
    }

    // A group renamed while the third item is being hidden writes the list
    // with that item (and the ones whose hides wait for their sync) hidden.
    void aCancelStopsTheWalkAndTheListMatchesWhatWasDone() {
        QVERIFY(bulkAndWait(3));
        test::Gate gate;
        catalogue().progressObserver =
            [third = file(3), wait = gate.waiter()](const store::FileModelPtr& item, qint64) {
                if (item->path == third)
                    wait();
            };
        controller().doFileType = 2;
        controller().UnhideFileOrHideFileAction();
        QVERIFY(QTest::qWaitFor([&] { return gate.reached(); }, 20000));
        controller().renameGroup(catalogue().groupDirList.at(2), QStringLiteral("Renamed"));
        QCOMPARE(TestVault::listedHidden(file(3)), true);
        controller().encryptCancelBtnAction();
        gate.open();
        QVERIFY(vault().waitUntilRunsEnded());

        const int hidden = 5 - visibleCount();
        QVERIFY(hidden < 5);
        QCOMPARE(listedHiddenCount(), hidden);
        QCOMPARE(TestVault::listedHidden(file(3)), false);
        for (const auto& group : catalogue().groupDirList)
            for (const auto& item : group->fileModels)
                QCOMPARE(QFileInfo::exists(item->path), !item->isEncrtypt);
        QCOMPARE(test::readFile(file(3)), content(3));
    }

    // Every worker is busy when the walk starts; the user cancels at once.
    void aCancelBeforeTheFirstItemRunsStopsTheWalk() {
        const QByteArray listBefore = test::readFile(store::AppGroupDirListPath());
        {
            test::Gate busy;
            busy.holdWorkersOf(catalogue());
            controller().doFileType = 3;
            controller().UnhideFileOrHideFileAction();
            controller().encryptCancelBtnAction();
        }
        QVERIFY(vault().waitUntilIdle());
        QCOMPARE(visibleCount(), 0);
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!QFileInfo::exists(file(i)));
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), listBefore);
    }

    void theOpenButtonUnhidesAHiddenItem() {
        const auto item = vault().itemAt(file(1));
        controller().deCodeAESAtFilemodel(item);
        QVERIFY(vault().waitUntilIdle());
        QVERIFY(!item->isEncrtypt);
        QCOMPARE(test::readFile(item->path), content(1));
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item)));
    }

    void aWalkOutlivesTheLockAndLaterChangesAreKept() {
        controller().doFileType = 3;
        controller().UnhideFileOrHideFileAction();
        // Locked while the walk runs: the controller goes, the catalogue stays.
        controller().lockvexoAction();
        vault::MainViewController afterUnlock(catalogue());
        QVERIFY(vault().waitUntilIdle());
        afterUnlock.setUp();
        afterUnlock.createGroup(store::kSystemDevicName);
        QCOMPARE(listedHiddenCount(), 0);
        QCOMPARE(TestVault::savedLocalList().size(), catalogue().groupDirList.size());
    }

private:
    QString file(int n) const { return base() + QStringLiteral("/f/%1.bin").arg(n); }
    static QByteArray content(int n) { return test::randomBytes(100'000 * n, n); }

    // Runs the bulk button as doFileType (2 hide, 3 unhide) and waits for
    // its walk to end.
    bool bulkAndWait(qint64 doFileType) {
        controller().doFileType = doFileType;
        controller().UnhideFileOrHideFileAction();
        return vault().waitUntilIdle();
    }

    int visibleCount() {
        int visible = 0;
        for (const auto& group : catalogue().groupDirList)
            for (const auto& item : group->fileModels)
                visible += item->isEncrtypt ? 0 : 1;
        return visible;
    }

    static int listedHiddenCount() {
        int hidden = 0;
        for (const auto& group : TestVault::savedLocalList())
            for (const auto& item : group->fileModels)
                hidden += item->isEncrtypt ? 1 : 0;
        return hidden;
    }
};

VEXO_TEST_MAIN(BulkSwitchTest)
#include "tst_bulkswitch.moc"
