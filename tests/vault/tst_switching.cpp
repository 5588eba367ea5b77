#include "ScriptedPrompt.h"
#include "platform/Digest.h"
#include "platform/Settings.h"
#include "store/GroupFolderName.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"
#include "vault/MainViewController.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

using namespace vexo;
using vault::MainViewController;
using vault::VaultCatalogue;

// One vault with one visible item in its "all files" group.
class SwitchingTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        test::clearSettings();
        const QString base = test::scratchRoot() + QStringLiteral("/case-%1").arg(++count_);
        platform::Settings::setValue(platform::keys::kRootDirKey, base + QStringLiteral("/v.vlt"));
        platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("secret"));
        prompt_ = std::make_unique<test::ScriptedPrompt>();
        catalogue_ = std::make_unique<VaultCatalogue>(*prompt_);
        controller_ = std::make_unique<MainViewController>(*catalogue_);
        controller_->setUp();

        content_ = test::randomBytes(1'200'000, count_);
        const QString path = base + QStringLiteral("/Documents/report.bin");
        test::writeFile(path, content_);
        item_ = std::make_shared<store::FileModel>();
        item_->path = path;
        item_->name = QStringLiteral("report.bin");
        item_->groupName = store::kSystemDevicName;
        item_->groupIndex = 1;
        item_->md5CodePath = MainViewController::getMD5ForPath(path);
        item_->fileSize = content_.size();
        const auto group = catalogue_->groupDirList.at(1);
        item_->encryptedPath = group->path + u'/' + store::itemStoreName(path);
        group->fileModels.append(item_);
    }

    void cleanup() {
        catalogue_->workers().waitForDone();
        controller_.reset();
        catalogue_.reset();
    }

    void hidingThenUnhidingGivesTheFileBack() {
        QVERIFY(switchAndWait());
        QVERIFY(item_->isEncrtypt);
        QVERIFY(!QFileInfo::exists(item_->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item_)).isDir());
        QVERIFY(listSaysHidden());

        QVERIFY(switchAndWait());
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item_)));
        QVERIFY(!listSaysHidden());
        QCOMPARE(prompt_->alerts.size(), 0);
    }

    void aDigestThatDiffersKeepsTheItemHiddenAndBothCopies() {
        QVERIFY(switchAndWait());
        item_->md5CodePath = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
        prompt_->alertAnswers << 0;
        QVERIFY(switchAndWait());
        QVERIFY(item_->isEncrtypt);
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("error_md5_message")});
        QCOMPARE(prompt_->alerts.first().informativeText, platform::fileDigest(item_->path));
        QVERIFY(QFileInfo::exists(item_->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item_)).isDir());
    }

    void anItemWithoutRecordedDigestUnhidesUnchecked() {
        item_->md5CodePath.clear();
        QVERIFY(switchAndWait());
        QVERIFY(switchAndWait());
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
    }

    void aVisibleItemRemovedFromOutsideIsNotSwitched() {
        QFile::remove(item_->path);
        prompt_->alertAnswers << 0;
        bool completed = false;
        controller_->visableChange(item_, [&] { completed = true; });
        QVERIFY(completed);
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("wenxintishi")});
    }

    void aFailedHideLeavesTheItemVisibleAndWhole() {
        prompt_->alertAnswers << 0;
        bool switched = false;
        {
            test::ScopedFileSizeLimit limit(600'000); // the store runs out of room
            switched = switchAndWait();
        }
        QVERIFY(switched);
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item_)));
        QCOMPARE(prompt_->alertKeys(), QStringList{QStringLiteral("hideFailed.title")});
        QVERIFY(prompt_->alerts.first().informativeText.contains(QStringLiteral("report.bin")));
    }

    void aCancelledHideLeavesTheItemVisibleAndWritesNoList() {
        const QByteArray listBefore = test::readFile(store::AppGroupDirListPath());
        catalogue_->progressObserver = [this](const store::FileModelPtr&, qint64) {
            controller_->encryptCancelBtnAction(); // the user presses cancel mid-run
        };
        bool completed = false;
        controller_->visableChange(item_, [&] { completed = true; });
        catalogue_->workers().waitForDone();
        QTRY_VERIFY(!item_->isEncrtypt);
        QVERIFY(!completed);
        QCOMPARE(test::readFile(item_->path), content_);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item_)));
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), listBefore);
    }

    void aCancelledUnhideLeavesTheItemHidden() {
        QVERIFY(switchAndWait());
        catalogue_->progressObserver = [this](const store::FileModelPtr&, qint64) {
            controller_->encryptCancelBtnAction();
        };
        controller_->visableChange(item_);
        QVERIFY(!item_->isEncrtypt); // the target state while it runs
        catalogue_->workers().waitForDone();
        QTRY_VERIFY(item_->isEncrtypt);
        QVERIFY(!QFileInfo::exists(item_->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item_)).isDir());
        catalogue_->progressObserver = nullptr;
        QVERIFY(switchAndWait()); // and it still unhides afterwards
        QCOMPARE(test::readFile(item_->path), content_);
    }

    void progressReachesTheViews() {
        QSignalSpy progress(catalogue_.get(), &VaultCatalogue::itemProgress);
        QVERIFY(switchAndWait());
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(1).toFloat(), 1.0f); // the last report always arrives
    }

    void workRunningAtALockEndsRecordedAndLaterChangesStay() {
        controller_->visableChange(item_);
        controller_->lockvexoAction();
        controller_.reset(); // the unlock screen replaces the controller
        catalogue_->workers().waitForDone();
        QTRY_VERIFY(listSaysHidden());

        MainViewController next(*catalogue_); // the next unlock
        next.setUp();
        QVERIFY(item_->isEncrtypt);
        catalogue_->groupDirList.at(1)->name = QStringLiteral("Renamed after unlocking");
        QVERIFY(catalogue_->SaveGroupList(vault::ListSelector::LocalFiles));
        const auto groups = store::readGroupList(store::AppGroupDirListPath(),
                                                 store::ListKind::Local, store::kSystemDevicName);
        QCOMPARE(groups->at(1)->name, QStringLiteral("Renamed after unlocking"));
        QVERIFY(groups->at(1)->fileModels.first()->isEncrtypt);
    }

    void theMenuCommandsSwitchOnlyAnItemInTheOtherState() {
        controller_->chooseItemsShown();
        QCOMPARE(controller_->selectedItem(), item_);
        QCOMPARE(controller_->doFileType, 2);
        controller_->unHideItemAction(); // already visible: nothing to do
        catalogue_->workers().waitForDone();
        QCoreApplication::processEvents();
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(controller_->doFileType, 2);

        controller_->fileTypeButtonAction(); // the bottom button hides it
        QCOMPARE(controller_->doFileType, 3);
        catalogue_->workers().waitForDone();
        QTRY_VERIFY(!QFileInfo::exists(item_->path));
        controller_->hideItemAction(); // already hidden: nothing to do
        QVERIFY(item_->isEncrtypt);
        controller_->fileTypeButtonAction(); // and unhides it
        catalogue_->workers().waitForDone();
        QTRY_COMPARE(test::readFile(item_->path), content_);
        QTRY_VERIFY(!item_->isEncrtypt);
    }

    void theTargetStateShowsAtOnce() {
        controller_->visableChange(item_);
        QVERIFY(item_->isEncrtypt); // before the worker has finished
        catalogue_->workers().waitForDone();
        QTRY_VERIFY(!QFileInfo::exists(item_->path));
    }

private:
    // Switches the item and waits until its outcome is applied.
    bool switchAndWait() {
        bool completed = false;
        controller_->visableChange(item_, [&] { completed = true; });
        catalogue_->workers().waitForDone();
        return QTest::qWaitFor([&] { return completed; }, 20'000);
    }

    bool listSaysHidden() const {
        const auto groups = store::readGroupList(store::AppGroupDirListPath(),
                                                 store::ListKind::Local, store::kSystemDevicName);
        return groups && groups->at(1)->fileModels.size() == 1 &&
               groups->at(1)->fileModels.first()->isEncrtypt;
    }

    int count_ = 0;
    QByteArray content_;
    store::FileModelPtr item_;
    std::unique_ptr<test::ScriptedPrompt> prompt_;
    std::unique_ptr<VaultCatalogue> catalogue_;
    std::unique_ptr<MainViewController> controller_;
};

VEXO_TEST_MAIN(SwitchingTest)
#include "tst_switching.moc"
