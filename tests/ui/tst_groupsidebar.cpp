#include "MainViewFixture.h"
#include "platform/Digest.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "ui/ChangePasswordWController.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

using namespace vexo;
using test::text;
using Role = ui::GroupSidebarModel::Role;

namespace {

const QString kNotes = store::kSystemDevicNoteName;
const QString kLocal = store::kSystemDevicName;

} // namespace

// The group sidebar of the main view: its rows and counts, and creating,
// naming, renaming and deleting groups from it.
class SidebarTest : public QObject, public test::MainViewFixture {
    Q_OBJECT
private:
    QLineEdit* nameField() { return child<QLineEdit>("groupNameLabel"); }

    // Types name into the open name field and ends the editing with Return.
    void typeName(const QString& name) {
        QTRY_VERIFY(nameField() != nullptr && nameField()->isVisible());
        QTest::keyClicks(nameField(), name);
        QTest::keyClick(nameField(), Qt::Key_Return);
        QTRY_COMPARE(sidebar().editingRow(), -1);
    }

    void triggerGroupMenuEntry(int row, const char* key) {
        std::unique_ptr<QMenu> menu(view().group_itemMenu(row, &view()));
        QVERIFY(test::entryOf(menu.get(), key) != nullptr);
        test::entryOf(menu.get(), key)->trigger();
    }

private slots:
    void init() { openView(); }
    void cleanup() { closeView(); }

    void aFreshVaultShowsItsSixRows() {
        struct Expected {
            QString title;
            bool header, addRow, note, selected;
        };
        const Expected rows[] = {
            {text("GroupFileTypeTitle"), true, false, false, false},
            {text("group_AllFiles"), false, false, false, true},
            {{}, false, true, false, false},
            {text("group_SECURENOTES"), true, false, true, false},
            {text("group_Allnotes"), false, false, true, false},
            {{}, false, true, true, false},
        };
        QCOMPARE(sidebar().rowCount(), int(std::size(rows)));
        for (int row = 0; row < sidebar().rowCount(); ++row) {
            const Expected& expected = rows[row];
            QCOMPARE(sidebarRow(row).toString(), expected.title);
            QCOMPARE(sidebarRow(row, Role::HeaderRole).toBool(), expected.header);
            QCOMPARE(sidebarRow(row, Role::AddRowRole).toBool(), expected.addRow);
            QCOMPARE(sidebarRow(row, Role::NoteRole).toBool(), expected.note);
            QCOMPARE(sidebarRow(row, Role::SelectedRole).toBool(), expected.selected);
            QCOMPARE(sidebarRow(row, Role::CountRole).toString(), QString());
            const bool group = !expected.header && !expected.addRow;
            QCOMPARE(sidebar().flags(sidebar().index(row)).testFlag(Qt::ItemIsSelectable), group);
        }
    }

    // An open drive vault's header, All and add rows follow the local
    // vault's while its folder is there.
    void driveVaultRowsShowWhileTheirFolderExists() {
        const QString key = openDriveVault();
        view().setLeftScrollView();
        QCOMPARE(sidebar().rowCount(), 9);
        for (int row = 3; row < 6; ++row)
            QCOMPARE(sidebar().rowAt(row)->groupName, key);
        QVERIFY(sidebarRow(3, Role::HeaderRole).toBool());
        QCOMPARE(sidebarRow(4).toString(), text("group_AllFiles"));
        QVERIFY(sidebarRow(5, Role::AddRowRole).toBool());

        QVERIFY(QDir(platform::volumePath(key)).removeRecursively());
        view().setLeftScrollView();
        QCOMPARE(sidebar().rowCount(), 6);
        QCOMPARE(sidebarRow(3).toString(), text("group_SECURENOTES"));
    }

    // The header's one menu entry opens the change-password window for that
    // vault; the new password's digest reaches the drive's list file.
    void theDriveHeaderMenuGivesTheVaultANewPassword() {
        const QString key = openDriveVault();
        view().setLeftScrollView();
        std::unique_ptr<QMenu> menu(view().driveVaultMenu(3, &view()));
        QCOMPARE(menu->actions().size(), 1);
        QAction* entry = test::entryOf(menu.get(), "changePassword");
        QVERIFY(entry != nullptr);
        bool typed = false;
        QTimer::singleShot(0, this, [&] {
            auto* window =
                qobject_cast<ui::ChangePasswordWController*>(QApplication::activeModalWidget());
            QVERIFY(window != nullptr);
            QCOMPARE(window->windowTitle(),
                     platform::localizedText(QStringLiteral("changeVltPassword"),
                                             {QStringLiteral("Drive.vlt")}));
            const std::pair<const char*, QString> fields[] = {
                {"oldPasswordField", QStringLiteral("master")},
                {"nowPasswordField", QStringLiteral("drive 2")},
                {"verifyField", QStringLiteral("drive 2")},
                {"passwordHitField", QStringLiteral("two")}};
            for (const auto& [name, value] : fields)
                window->findChild<QLineEdit*>(QLatin1String(name))->setText(value);
            window->changePasswordAction();
            typed = true;
        });
        entry->trigger();
        QVERIFY(typed);
        const QString digest = platform::MD5_32BitUpper(QStringLiteral("drive 2"));
        QCOMPARE(catalogue().UPLibrary.value(key).first()->password, digest);
        const auto saved = store::readGroupList(
            store::AppGroupMoveUPListPath(QFileInfo(base_).fileName(), QStringLiteral("Drive.vlt")),
            store::ListKind::Drive, key);
        QVERIFY(saved && !saved->isEmpty());
        QCOMPARE(saved->first()->password, digest);
    }

    void allNotesCountsTheNotesOfEveryNoteGroup() {
        for (const auto& [name, notes] : {std::pair{"Work", 2}, std::pair{"Home", 3}}) {
            const store::GroupModelPtr group = newGroup(kNotes, QString::fromLatin1(name));
            for (int i = 0; i < notes; ++i) {
                controller().select(kNotes, group->index);
                QVERIFY(controller().addNoteAction() != nullptr);
            }
        }
        // header, All files, add row | header, All notes, Work, Home, add row
        QTRY_COMPARE(sidebarRow(4, Role::CountRole).toString(), QStringLiteral("5"));
        QCOMPARE(sidebarRow(5, Role::CountRole).toString(), QStringLiteral("2"));
        QCOMPARE(sidebarRow(6, Role::CountRole).toString(), QStringLiteral("3"));
        QCOMPARE(sidebarRow(1, Role::CountRole).toString(), QString());
    }

    void aNewGroupIsNamedInPlace_data() {
        QTest::addColumn<bool>("fromAddRow");
        QTest::newRow("add row") << true;
        QTest::newRow("menu entry") << false;
    }
    void aNewGroupIsNamedInPlace() {
        QFETCH(bool, fromAddRow);
        if (fromAddRow) {
            clickRow("groupScrollView", 2);
        } else {
            triggerGroupMenuEntry(1, "group_Item4");
        }
        QCOMPARE(sidebar().rowCount(), 7);
        QCOMPARE(sidebarRow(2).toString(), text("group_Item4"));
        QVERIFY(sidebarRow(2, Role::SelectedRole).toBool());
        QVERIFY(sidebarRow(3, Role::AddRowRole).toBool());
        QCOMPARE(sidebar().editingRow(), 2);
        QCOMPARE(test::TestVault::savedLocalList().at(2)->name, text("group_Item4"));

        typeName(QStringLiteral("Photos"));
        QTRY_COMPARE(sidebarRow(2).toString(), QStringLiteral("Photos"));
        QCOMPARE(test::TestVault::savedLocalList().at(2)->name, QStringLiteral("Photos"));
        QVERIFY(sidebarRow(2, Role::SelectedRole).toBool());
    }

    void theMenuRenamesAGroupInPlace() {
        newGroup(kLocal, QStringLiteral("Old name"));
        QTRY_COMPARE(sidebarRow(2).toString(), QStringLiteral("Old name"));
        triggerGroupMenuEntry(2, "group_Item2");
        QCOMPARE(sidebar().editingRow(), 2);
        typeName(QStringLiteral("New name"));
        QTRY_COMPARE(sidebarRow(2).toString(), QStringLiteral("New name"));
        QCOMPARE(test::TestVault::savedLocalList().at(2)->name, QStringLiteral("New name"));
    }

    void onlyOwnGroupsCanBeRenamedOrDeleted_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("own");
        // header, All files, Mine, add row | header, All notes, Jots, add row
        QTest::newRow("All files") << 1 << false;
        QTest::newRow("a file group") << 2 << true;
        QTest::newRow("All notes") << 5 << false;
        QTest::newRow("a note group") << 6 << true;
    }
    void onlyOwnGroupsCanBeRenamedOrDeleted() {
        QFETCH(int, row);
        QFETCH(bool, own);
        newGroup(kLocal, QStringLiteral("Mine"));
        newGroup(kNotes, QStringLiteral("Jots"));
        QTRY_COMPARE(sidebar().rowCount(), 8);
        std::unique_ptr<QMenu> menu(view().group_itemMenu(row, &view()));
        for (const auto& [key, always] :
             {std::pair{"group_Item1", true}, std::pair{"group_Item2", false},
              std::pair{"group_Item3", false}, std::pair{"group_Item4", true}})
            QVERIFY2(test::entryOf(menu.get(), key)->isEnabled() == (always || own), key);
    }

    void deletingAGroupMovesItsItemsToTheEndOfAllFiles() {
        const store::GroupModelPtr trip = newGroup(kLocal, QStringLiteral("Trip"));
        listVisible(localGroup(1), QStringLiteral("kept.txt"), "kept");
        for (const char* name : {"t1.txt", "t2.txt", "t3.txt"})
            listVisible(trip, QString::fromLatin1(name), name);
        QTRY_COMPARE(sidebar().rowCount(), 7);
        clickRow("groupScrollView", 1); // All files lists the items of every group
        QCOMPARE(files().rowCount(), 4);
        clickRow("groupScrollView", 2);
        QCOMPARE(shownNames(), test::words("t1.txt t2.txt t3.txt"));

        triggerGroupMenuEntry(2, "group_Item3");
        QTRY_COMPARE(sidebar().rowCount(), 6);
        QVERIFY(sidebarRow(1, Role::SelectedRole).toBool());
        QCOMPARE(shownNames().size(), 4);
        const store::GroupList saved = test::TestVault::savedLocalList();
        QCOMPARE(saved.size(), 3);
        for (const store::GroupList& groups : {catalogue().groupDirList, saved}) {
            const auto& items = groups.at(1)->fileModels;
            QCOMPARE(test::namesOf(items), test::words("kept.txt t1.txt t2.txt t3.txt"));
            for (int i = 0; i < items.size(); ++i) {
                QCOMPARE(items.at(i)->groupIndex, 1);
                QCOMPARE(items.at(i)->fileIndex, i);
                QVERIFY(!items.at(i)->isEncrtypt);
            }
        }
    }
};

VEXO_UI_TEST_MAIN(SidebarTest)
#include "tst_groupsidebar.moc"
