#include "TestVault.h"

using namespace vexo;
using test::TestVault;

class GroupsTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void newGroupsGoAboveTheAddRowSelectedAndSavedInFoldersOfTheirOwn() {
        const auto group = controller().createGroup(store::kSystemDevicName);
        QVERIFY(group);
        const auto& groups = catalogue().groupDirList;
        QCOMPARE(groups.size(), 4);
        QCOMPARE(groups.at(2), group);
        QVERIFY(groups.last()->isAddItem);
        QVERIFY(group->isEditing && group->isGroupDir);
        QCOMPARE(controller().selectGroupIndex, 2);
        QCOMPARE(TestVault::savedLocalList().size(), 4);

        const auto second = controller().createGroup(store::kSystemDevicName);
        QCOMPARE(groups.at(3), second);
        QVERIFY(group->path != second->path);
    }

    void aNoteGroupIsSavedWhenItsNameIsSet() {
        const QByteArray before = test::readFile(store::AppGroupNotesListPath());
        const auto group = controller().createGroup(store::kSystemDevicNoteName);
        QVERIFY(group && group->isNotes);
        QCOMPARE(test::readFile(store::AppGroupNotesListPath()), before);
        controller().renameGroup(group, QStringLiteral("Recipes"));
        QVERIFY(!group->isEditing);
        QVERIFY(test::readFile(store::AppGroupNotesListPath()).contains("Recipes"));
    }

    void deletingMovesTheItemsToAllFiles() {
        const auto group = controller().createGroup(store::kSystemDevicName);
        allFiles()->fileModels.append(std::make_shared<store::FileModel>());
        for (int i = 0; i < 3; ++i) {
            auto item = std::make_shared<store::FileModel>();
            item->path = QStringLiteral("/home/u/%1").arg(i);
            group->fileModels.append(item);
        }
        QVERIFY(controller().deleteGroup(store::kSystemDevicName, 2));
        const auto& items = allFiles()->fileModels;
        QCOMPARE(items.size(), 4);
        for (qsizetype j = 0; j < items.size(); ++j) {
            QCOMPARE(items.at(j)->groupIndex, 1);
            QCOMPARE(items.at(j)->fileIndex, j);
        }
        QCOMPARE(controller().selectGroupIndex, 1);
        const auto saved = TestVault::savedLocalList();
        QCOMPARE(saved.size(), 3);
        QCOMPARE(saved.at(1)->fileModels.size(), 4);
    }

    void theFixedRowsCannotBeDeleted() {
        for (qint64 row : {0, 1, 2, 7})
            QVERIFY(!controller().deleteGroup(store::kSystemDevicName, row));
        QCOMPARE(catalogue().groupDirList.size(), 3);
    }

    void aDriveGroupNeedsItsDrive() {
        const QString key = driveKey(QStringLiteral("V.vlt"));
        catalogue().moveUpList(drive(), key);
        QVERIFY(controller().createGroup(key));
        const auto saved =
            store::readGroupList(store::AppGroupMoveUPListPath(drive(), QStringLiteral("V.vlt")),
                                 store::ListKind::Drive, key);
        QCOMPARE(saved->size(), 4);
        QDir(platform::volumePath(drive())).removeRecursively();
        QVERIFY(!controller().createGroup(key));
    }
};

VEXO_TEST_MAIN(GroupsTest)
#include "tst_groups.moc"
