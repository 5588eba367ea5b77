#include "TestVault.h"

using namespace vexo;
using test::TestVault;
using vault::ListSelector;
using vault::MainViewController;
using vault::VaultCatalogue;

namespace {

// The application at launch: a catalogue that no unlock has filled yet.
struct Launch {
    test::ScriptedPrompt prompt;
    VaultCatalogue catalogue{prompt};
};

} // namespace

class SetUpTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() {
        newCase();
        TestVault::useVaultAt(vaultRoot());
    }

    void aNewVaultGetsItsFoldersAndDefaultLists() {
        Launch app;
        MainViewController unlocked(app.catalogue);
        unlocked.setUp();

        QVERIFY(QFileInfo(vaultRoot()).isDir());
        QVERIFY(QFileInfo(vaultRoot() + QStringLiteral("/Notes")).isDir());
        QCOMPARE(app.catalogue.groupDirList.size(), 3);
        QCOMPARE(app.catalogue.groupNoteList.size(), 3);
        QCOMPARE(TestVault::savedLocalList().size(), 3);
        QVERIFY(QFileInfo::exists(store::AppGroupNotesListPath()));
        QCOMPARE(unlocked.selectGroupIndex, 1);
        QCOMPARE(unlocked.selectGroupName, store::kSystemDevicName);
        QCOMPARE(unlocked.selectedGroup(), app.catalogue.groupDirList.at(1));
        QCOMPARE(app.prompt.alerts.size(), 0);
    }

    void aVaultFolderThatWentIsMadeAgainAndTheUserTold_data() {
        QTest::addColumn<bool>("makeable");
        QTest::newRow("made again") << true;
        QTest::newRow("cannot be made") << false;
    }
    void aVaultFolderThatWentIsMadeAgainAndTheUserTold() {
        QFETCH(bool, makeable);
        QVERIFY(QDir(vaultRoot()).removeRecursively());
        if (!makeable)
            test::writeFile(vaultRoot(), "a file where the folder was");
        Launch app;
        MainViewController unlocked(app.catalogue);

        QCOMPARE(unlocked.setUp(), makeable);
        QCOMPARE(app.prompt.alertKeys(),
                 QStringList{makeable ? QStringLiteral("vaultRecreated.title")
                                      : QStringLiteral("NTFErrorTitle")});
        QCOMPARE(QFileInfo(vaultRoot() + QStringLiteral("/Notes")).isDir(), makeable);
        QCOMPARE(app.catalogue.groupDirList.isEmpty(), !makeable);
    }

    void theFirstRunMakesNoFolders() {
        Launch app;
        MainViewController(app.catalogue).setUp(true);
        QVERIFY(!QFileInfo::exists(vaultRoot() + QStringLiteral("/Notes")));
    }

    void anExistingVaultIsReadBack() {
        {
            Launch first;
            MainViewController(first.catalogue).setUp();
            first.catalogue.groupDirList.at(1)->name = QStringLiteral("Renamed");
            QVERIFY(first.catalogue.SaveGroupList(ListSelector::LocalFiles));
        }
        Launch second;
        MainViewController(second.catalogue).setUp();
        QCOMPARE(second.catalogue.groupDirList.at(1)->name, QStringLiteral("Renamed"));
    }

    void anUnreadableListIsKeptAsideAndTheUserTold() {
        test::writeFile(store::AppGroupDirListPath(), "<plist><array><dict>broken");
        Launch app;
        app.prompt.alertAnswers << 0;
        MainViewController(app.catalogue).setUp();

        QCOMPARE(app.prompt.alertKeys(), QStringList{QStringLiteral("listUnreadable.title")});
        const QStringList aside =
            QDir(vaultRoot())
                .entryList({QStringLiteral("GroupDirlist.plist.unreadable-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(test::readFile(vaultRoot() + u'/' + aside.first()),
                 QByteArray("<plist><array><dict>broken"));
        QCOMPARE(app.catalogue.groupDirList.size(), 3); // a fresh list beside the kept one
    }

    void theCatalogueOutlivesALock() {
        Launch app;
        MainViewController(app.catalogue).setUp();
        app.catalogue.groupDirList.at(1)->name = QStringLiteral("Changed by late work");
        MainViewController(app.catalogue).setUp(); // the next unlock
        QCOMPARE(app.catalogue.groupDirList.at(1)->name, QStringLiteral("Changed by late work"));
    }

    void rememberedDriveVaultsOpenWhenTheirDriveIsThere() {
        const QString present = driveKey(QStringLiteral("Present.vlt"));
        QDir().mkpath(platform::volumePath(present));
        platform::Settings::setValue(platform::keys::KUPNAMES,
                                     QStringList{present, QStringLiteral("GONE/Absent.vlt")});
        Launch app;
        MainViewController(app.catalogue).setUp();
        QCOMPARE(app.catalogue.UPLibrary.keys(), QStringList{present});
        QCOMPARE(app.catalogue.UPLibrary.value(present).size(), 3);
        QVERIFY(!QFileInfo::exists(platform::volumePath(QStringLiteral("GONE"))));
    }

    void savingDriveVaultsWithoutSelectionOnlyRemembersTheirKeys() {
        Launch app;
        app.catalogue.UPLibrary.insert(QStringLiteral("USB0/V.vlt"), {});
        QVERIFY(app.catalogue.SaveGroupList(ListSelector::DriveVaults));
        QCOMPARE(platform::Settings::value(platform::keys::KUPNAMES),
                 QStringList{QStringLiteral("USB0/V.vlt")});
        QVERIFY(!QFileInfo::exists(platform::volumePath(QStringLiteral("USB0"))));
    }
};

VEXO_TEST_MAIN(SetUpTest)
#include "tst_setup.moc"
