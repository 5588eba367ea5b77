#include "TestVault.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestFiles.h"

#include <QFileInfo>

using namespace vexo;
using vault::MainViewController;
using vault::VaultCatalogue;

// Switching many items at once: a whole vault, one group, across a lock.
class BulkSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        base_ = test::scratchRoot() + QStringLiteral("/case-%1").arg(++count_);
        vault_ = std::make_unique<test::TestVault>(base_ + QStringLiteral("/v.vlt"));
        catalogue_ = &vault_->catalogue;
        controller_ = &vault_->controller;
        // Three items in "all files", two in a group of their own, all hidden.
        const auto group = controller_->createGroup(store::kSystemDevicName);
        controller_->selectGroupIndex = 1;
        for (int n = 1; n <= 5; ++n)
            test::writeFile(file(n), content(n));
        QVERIFY(vault_->addAndWait({file(1), file(2), file(3)}));
        controller_->selectGroupIndex = group->index;
        QVERIFY(vault_->addAndWait({file(4), file(5)}));
    }

    void cleanup() {
        catalogue_->workers().waitForDone();
        vault_.reset();
    }

    void theVaultUnhidesAndHidesAsAWhole() {
        controller_->doFileType = 3;
        QVERIFY(bulkAndWait());
        QCOMPARE(visibleCount(), 5);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(test::readFile(file(i)), content(i));
        QCOMPARE(listedHiddenCount(), 0);

        // An item hidden on its own is passed over by the next bulk hide.
        const auto lone = catalogue_->groupDirList.at(2)->fileModels.first();
        controller_->visableChange(lone);
        QTRY_VERIFY(!vault_->running && lone->isEncrtypt);
        QStringList walked;
        catalogue_->progressObserver = [&walked](const store::FileModelPtr& item, qint64) {
            if (!walked.contains(item->path))
                walked << item->path;
        };
        controller_->doFileType = 2;
        QVERIFY(bulkAndWait());
        QCOMPARE(visibleCount(), 0);
        QCOMPARE(walked.size(), 4);
        QVERIFY(!walked.contains(lone->path));
        QCOMPARE(listedHiddenCount(), 5);
        QCOMPARE(vault_->prompt.alerts.size(), 0);
    }

    void aGroupHidesOnlyItsOwnItems() {
        controller_->doFileType = 3;
        QVERIFY(bulkAndWait());
        controller_->hiddenAllItemFileModel(2);
        QTRY_VERIFY(!vault_->running);
        QCOMPARE(visibleCount(), 3);
        for (const auto& item : catalogue_->groupDirList.at(2)->fileModels)
            QVERIFY(item->isEncrtypt && !QFileInfo::exists(item->path));
        QCOMPARE(listedHiddenCount(), 2);
    }

    void aCancelStopsTheWalkAndTheListMatchesWhatWasDone() {
        controller_->doFileType = 3;
        QVERIFY(bulkAndWait());
        catalogue_->progressObserver = [this](const store::FileModelPtr& item, qint64) {
            if (item->path == file(3))
                controller_->encryptCancelBtnAction();
        };
        controller_->doFileType = 2;
        QVERIFY(bulkAndWait());
        const int hidden = 5 - visibleCount();
        QVERIFY(hidden < 5);
        QCOMPARE(listedHiddenCount(), hidden);
        for (const auto& group : catalogue_->groupDirList)
            for (const auto& item : group->fileModels)
                QCOMPARE(QFileInfo::exists(item->path), !item->isEncrtypt);
        QCOMPARE(test::readFile(file(3)), content(3));
    }

    void theOpenButtonUnhidesAHiddenItem() {
        const auto item = catalogue_->groupDirList.at(1)->fileModels.first();
        controller_->deCodeAESAtFilemodel(item);
        QTRY_VERIFY(!vault_->running && !item->isEncrtypt);
        QCOMPARE(test::readFile(item->path), content(1));
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item)));
    }

    void aWalkOutlivesTheLockAndLaterChangesAreKept() {
        controller_->doFileType = 3;
        controller_->UnhideFileOrHideFileAction();
        // Locked while the walk runs: the controller goes, the catalogue stays.
        vault_->controller.lockvexoAction();
        MainViewController afterUnlock(*catalogue_);
        QTRY_VERIFY(!vault_->running);
        afterUnlock.setUp();
        afterUnlock.createGroup(store::kSystemDevicName);
        QCOMPARE(listedHiddenCount(), 0);
        const auto groups = store::readGroupList(store::AppGroupDirListPath(),
                                                 store::ListKind::Local, store::kSystemDevicName);
        QVERIFY(groups);
        QCOMPARE(groups->size(), catalogue_->groupDirList.size());
    }

private:
    QString file(int n) const { return base_ + QStringLiteral("/f/%1.bin").arg(n); }
    QByteArray content(int n) const { return test::randomBytes(100'000 * n, n); }

    bool bulkAndWait() {
        controller_->UnhideFileOrHideFileAction();
        return QTest::qWaitFor([this] { return !vault_->running; }, 20000);
    }

    int visibleCount() const {
        int visible = 0;
        for (const auto& group : catalogue_->groupDirList)
            for (const auto& item : group->fileModels)
                visible += item->isEncrtypt ? 0 : 1;
        return visible;
    }

    int listedHiddenCount() const {
        const auto groups = store::readGroupList(store::AppGroupDirListPath(),
                                                 store::ListKind::Local, store::kSystemDevicName);
        int hidden = 0;
        for (const auto& group : groups.value_or(store::GroupList()))
            for (const auto& item : group->fileModels)
                hidden += item->isEncrtypt ? 1 : 0;
        return hidden;
    }

    int count_ = 0;
    QString base_;
    std::unique_ptr<test::TestVault> vault_;
    VaultCatalogue* catalogue_ = nullptr;
    MainViewController* controller_ = nullptr;
};

VEXO_TEST_MAIN(BulkSwitchTest)
#include "tst_bulkswitch.moc"
