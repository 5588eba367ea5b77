#include "TestVault.h"
#include "platform/Localization.h"
#include "vault/Sidebar.h"

using namespace vexo;
using vault::SidebarRow;

class SidebarTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void aFreshVaultShowsBothSectionsTopToBottom_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<bool>("isHeader");
        QTest::addColumn<bool>("isAddItem");
        QTest::addColumn<bool>("isGroupDir");
        QTest::addColumn<bool>("canSelected");
        QTest::addColumn<bool>("selected");
        const QString files = store::kSystemDevicName;
        const QString notes = store::kSystemDevicNoteName;
        const auto text = [](const char* key) {
            return platform::localizedStringForKey(QString::fromLatin1(key));
        };
        QTest::newRow("files header")
            << 0 << text("GroupFileTypeTitle") << files << true << false << true << false << false;
        QTest::newRow("all files")
            << 1 << text("group_AllFiles") << files << false << false << true << true << true;
        QTest::newRow("files add row")
            << 2 << QString() << files << false << true << true << false << false;
        QTest::newRow("notes header")
            << 3 << text("group_SECURENOTES") << notes << true << false << false << false << false;
        QTest::newRow("all notes")
            << 4 << text("group_Allnotes") << notes << false << false << false << true << false;
        QTest::newRow("notes add row")
            << 5 << QString() << notes << false << true << false << false << false;
    }

    void aFreshVaultShowsBothSectionsTopToBottom() {
        QFETCH(int, position);
        const QList<SidebarRow> rows = vault::sidebarRows(controller());
        QCOMPARE(rows.size(), 6);
        const SidebarRow& row = rows.at(position);
        QCOMPARE(row.row, position);
        QCOMPARE(row.groupRow, position % 3);
        QTEST(row.title, "title");
        QTEST(row.groupName, "groupName");
        QTEST(row.isHeader, "isHeader");
        QTEST(row.isAddItem, "isAddItem");
        QTEST(row.isGroupDir, "isGroupDir");
        QCOMPARE(row.isGroupNote, !row.isGroupDir);
        QTEST(row.canSelected, "canSelected");
        QTEST(row.selected, "selected");
        QVERIFY(!row.isEditingName);
        QVERIFY(row.countText.isEmpty()); // no notes yet, and file rows never count
    }

    void noteRowsCountTheirNotesAndAllNotesCountsEvery() {
        const auto first = controller().createGroup(store::kSystemDevicNoteName);
        const auto second = controller().createGroup(store::kSystemDevicNoteName);
        addEntries(first, 2);
        addEntries(second, 3);
        addEntries(allFiles(), 4); // files are never counted
        QStringList counts;
        for (const SidebarRow& row : vault::sidebarRows(controller()))
            counts << row.countText;
        QCOMPARE(counts, (QStringList{{},
                                      {},
                                      {},
                                      {},
                                      QStringLiteral("5"),
                                      QStringLiteral("2"),
                                      QStringLiteral("3"),
                                      {}}));
    }

    void aDriveVaultShowsOnlyWhileItsFolderExists() {
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("B.vlt"))), 0);
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("A.vlt"))), 0);
        QList<SidebarRow> rows = vault::sidebarRows(controller());
        QCOMPARE(rows.size(), 12);
        QCOMPARE(groupNames(rows),
                 (QStringList{store::kSystemDevicName, driveKey(QStringLiteral("A.vlt")),
                              driveKey(QStringLiteral("B.vlt")), store::kSystemDevicNoteName}));
        const SidebarRow& header = rows.at(3);
        QVERIFY(header.isHeader && header.isGroupDir && !header.canSelected);
        QCOMPARE(header.title, drive() + QStringLiteral(" VAULT"));
        QCOMPARE(rows.at(5).title, QString());

        QDir(driveVaultPath(QStringLiteral("A.vlt"))).removeRecursively();
        rows = vault::sidebarRows(controller());
        QCOMPARE(groupNames(rows),
                 (QStringList{store::kSystemDevicName, driveKey(QStringLiteral("B.vlt")),
                              store::kSystemDevicNoteName}));
        QVERIFY(catalogue().UPLibrary.contains(driveKey(QStringLiteral("A.vlt"))));
    }

    void theSelectionMarksOneGroupAndNeverAnAddRow_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<int>("selectedRow"); // -1: none
        const QString driveVault = QStringLiteral("drive");
        QTest::newRow("local all files") << store::kSystemDevicName << qint64(1) << 1;
        QTest::newRow("drive all files") << driveVault << qint64(1) << 4;
        QTest::newRow("all notes") << store::kSystemDevicNoteName << qint64(1) << 7;
        QTest::newRow("local add row") << store::kSystemDevicName << qint64(2) << -1;
        QTest::newRow("drive add row") << driveVault << qint64(2) << -1;
        QTest::newRow("notes add row") << store::kSystemDevicNoteName << qint64(2) << -1;
        QTest::newRow("a header") << store::kSystemDevicName << qint64(0) << -1;
        QTest::newRow("a vault not open") << QStringLiteral("USB0/X.vlt") << qint64(1) << -1;
    }

    void theSelectionMarksOneGroupAndNeverAnAddRow() {
        QFETCH(QString, section);
        QFETCH(qint64, index);
        QFETCH(int, selectedRow);
        QCOMPARE(controller().openDriveVault(driveVaultPath(QStringLiteral("V.vlt"))), 0);
        controller().selectGroupName =
            section == QStringLiteral("drive") ? driveKey(QStringLiteral("V.vlt")) : section;
        controller().selectGroupIndex = index;
        QList<int> selected;
        for (const SidebarRow& row : vault::sidebarRows(controller())) {
            if (row.selected)
                selected << row.row;
        }
        QCOMPARE(selected, selectedRow < 0 ? QList<int>() : QList<int>{selectedRow});
    }

    void aNewGroupIsSelectedAndEditedUntilRenamed() {
        const auto group = controller().createGroup(store::kSystemDevicName);
        QList<SidebarRow> rows = vault::sidebarRows(controller());
        QCOMPARE(rows.size(), 7);
        QCOMPARE(rows.at(2).group, group);
        QVERIFY(rows.at(2).isEditingName && rows.at(2).selected);
        QCOMPARE(rows.at(2).title, platform::localizedStringForKey(QStringLiteral("group_Item4")));
        QVERIFY(rows.at(3).isAddItem);
        QCOMPARE(rows.at(3).groupRow, 3);

        controller().renameGroup(group, QStringLiteral("Taxes"));
        rows = vault::sidebarRows(controller());
        QVERIFY(!rows.at(2).isEditingName);
        QCOMPARE(rows.at(2).title, QStringLiteral("Taxes"));
    }

private:
    static void addEntries(const store::GroupModelPtr& group, int count) {
        for (int i = 0; i < count; ++i)
            group->fileModels.append(std::make_shared<store::FileModel>());
    }

    // The sections in sidebar order, each named once.
    static QStringList groupNames(const QList<SidebarRow>& rows) {
        QStringList names;
        for (const SidebarRow& row : rows) {
            if (names.isEmpty() || names.last() != row.groupName)
                names << row.groupName;
        }
        return names;
    }
};

VEXO_TEST_MAIN(SidebarTest)
#include "tst_sidebar.moc"
