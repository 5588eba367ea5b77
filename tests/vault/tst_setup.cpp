#include "ScriptedPrompt.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"
#include "vault/MainViewController.h"

#include <QDir>
#include <QFileInfo>

using namespace vexo;
using vault::ListSelector;
using vault::MainViewController;
using vault::VaultCatalogue;

class SetUpTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        test::clearSettings();
        root_ = test::scratchRoot() + QStringLiteral("/vault-%1.vlt").arg(++count_);
        platform::Settings::setValue(platform::keys::kRootDirKey, root_);
    }

    void aNewVaultGetsItsFoldersAndDefaultLists() {
        test::ScriptedPrompt prompt;
        VaultCatalogue catalogue(prompt);
        MainViewController controller(catalogue);
        controller.setUp();

        QVERIFY(QFileInfo(root_).isDir());
        QVERIFY(QFileInfo(root_ + QStringLiteral("/Notes")).isDir());
        QCOMPARE(catalogue.groupDirList.size(), 3);
        QCOMPARE(catalogue.groupNoteList.size(), 3);
        const auto files = store::readGroupList(store::AppGroupDirListPath(),
                                                store::ListKind::Local, store::kSystemDevicName);
        QVERIFY(files && files->size() == 3);
        QVERIFY(QFileInfo::exists(store::AppGroupNotesListPath()));
        QCOMPARE(controller.selectGroupIndex, 1);
        QCOMPARE(controller.selectGroupName, store::kSystemDevicName);
        QCOMPARE(controller.selectedGroup(), catalogue.groupDirList.at(1));
        QCOMPARE(prompt.alerts.size(), 0);
    }

    void theFirstRunMakesNoFolders() {
        test::ScriptedPrompt prompt;
        VaultCatalogue catalogue(prompt);
        MainViewController(catalogue).setUp(true);
        QVERIFY(!QFileInfo::exists(root_ + QStringLiteral("/Notes")));
    }

    void anExistingVaultIsReadBack() {
        {
            test::ScriptedPrompt prompt;
            VaultCatalogue first(prompt);
            MainViewController(first).setUp();
            first.groupDirList.at(1)->name = QStringLiteral("Renamed");
            QVERIFY(first.SaveGroupList(ListSelector::LocalFiles));
        }
        test::ScriptedPrompt prompt;
        VaultCatalogue second(prompt);
        MainViewController(second).setUp();
        QCOMPARE(second.groupDirList.at(1)->name, QStringLiteral("Renamed"));
    }

    void anUnreadableListIsKeptAsideAndTheUserTold() {
        QDir().mkpath(root_);
        test::writeFile(store::AppGroupDirListPath(), "<plist><array><dict>broken");
        test::ScriptedPrompt prompt;
        VaultCatalogue catalogue(prompt);
        prompt.alertAnswers << 0;
        MainViewController(catalogue).setUp();

        QCOMPARE(prompt.alertKeys(), QStringList{QStringLiteral("listUnreadable.title")});
        const QStringList aside =
            QDir(root_).entryList({QStringLiteral("GroupDirlist.plist.unreadable-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(test::readFile(root_ + u'/' + aside.first()),
                 QByteArray("<plist><array><dict>broken"));
        QCOMPARE(catalogue.groupDirList.size(), 3); // a fresh list beside the kept one
    }

    void theCatalogueOutlivesALock() {
        test::ScriptedPrompt prompt;
        VaultCatalogue catalogue(prompt);
        MainViewController(catalogue).setUp();
        catalogue.groupDirList.at(1)->name = QStringLiteral("Changed by late work");
        MainViewController(catalogue).setUp(); // the next unlock
        QCOMPARE(catalogue.groupDirList.at(1)->name, QStringLiteral("Changed by late work"));
    }

    void rememberedDriveVaultsOpenWhenTheirDriveIsThere() {
        QDir().mkpath(platform::volumePath(QStringLiteral("USB1/Present.vlt")));
        platform::Settings::setValue(
            platform::keys::KUPNAMES,
            QStringList{QStringLiteral("USB1/Present.vlt"), QStringLiteral("GONE/Absent.vlt")});
        test::ScriptedPrompt prompt;
        VaultCatalogue catalogue(prompt);
        MainViewController(catalogue).setUp();
        QCOMPARE(catalogue.UPLibrary.keys(), QStringList{QStringLiteral("USB1/Present.vlt")});
        QCOMPARE(catalogue.UPLibrary.value(QStringLiteral("USB1/Present.vlt")).size(), 3);
        QVERIFY(!QFileInfo::exists(platform::volumePath(QStringLiteral("GONE"))));
    }

    void savingDriveVaultsWithoutSelectionOnlyRemembersTheirKeys() {
        test::ScriptedPrompt prompt;
        VaultCatalogue catalogue(prompt);
        catalogue.UPLibrary.insert(QStringLiteral("USB9/V.vlt"), {});
        QVERIFY(catalogue.SaveGroupList(ListSelector::DriveVaults));
        QCOMPARE(platform::Settings::value(platform::keys::KUPNAMES),
                 QStringList{QStringLiteral("USB9/V.vlt")});
        QVERIFY(!QFileInfo::exists(platform::volumePath(QStringLiteral("USB9"))));
    }

private:
    QString root_;
    int count_ = 0;
};

VEXO_TEST_MAIN(SetUpTest)
#include "tst_setup.moc"
