#include "TestVault.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "vault/MainViewController.h"

#include <QDir>

using namespace vexo;
using vault::MainViewController;
using vault::VaultCatalogue;

class GroupsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        vault_ = std::make_unique<test::TestVault>(test::scratchRoot() +
                                                   QStringLiteral("/v%1.vlt").arg(++count_));
        catalogue_ = &vault_->catalogue;
        controller_ = &vault_->controller;
    }

    void aNewGroupGoesAboveTheAddRowSelectedAndSaved() {
        const auto group = controller_->createGroup(store::kSystemDevicName);
        QVERIFY(group);
        QCOMPARE(catalogue_->groupDirList.size(), 4);
        QCOMPARE(catalogue_->groupDirList.at(2), group);
        QVERIFY(catalogue_->groupDirList.last()->isAddItem);
        QVERIFY(group->isEditing && group->isGroupDir);
        QCOMPARE(controller_->selectGroupIndex, 2);
        QCOMPARE(savedLocal()->size(), 4);
    }

    void twoNewGroupsGetTheirOwnFolders() {
        const auto first = controller_->createGroup(store::kSystemDevicName);
        const auto second = controller_->createGroup(store::kSystemDevicName);
        QVERIFY(first->path != second->path);
    }

    void aNoteGroupIsSavedWhenItsNameIsSet() {
        const QByteArray before = readNotes();
        const auto group = controller_->createGroup(store::kSystemDevicNoteName);
        QVERIFY(group && group->isNotes);
        QCOMPARE(readNotes(), before);
        controller_->renameGroup(group, QStringLiteral("Recipes"));
        QVERIFY(!group->isEditing);
        QVERIFY(readNotes().contains("Recipes"));
    }

    void deletingMovesTheItemsToAllFiles() {
        const auto group = controller_->createGroup(store::kSystemDevicName);
        catalogue_->groupDirList.at(1)->fileModels.append(std::make_shared<store::FileModel>());
        for (int i = 0; i < 3; ++i) {
            auto item = std::make_shared<store::FileModel>();
            item->path = QStringLiteral("/home/u/%1").arg(i);
            group->fileModels.append(item);
        }
        QVERIFY(controller_->deleteGroup(store::kSystemDevicName, 2));
        const auto all = catalogue_->groupDirList.at(1);
        QCOMPARE(all->fileModels.size(), 4);
        for (qsizetype j = 0; j < all->fileModels.size(); ++j) {
            QCOMPARE(all->fileModels.at(j)->groupIndex, 1);
            QCOMPARE(all->fileModels.at(j)->fileIndex, j);
        }
        QCOMPARE(controller_->selectGroupIndex, 1);
        QCOMPARE(savedLocal()->at(1)->fileModels.size(), 4);
    }

    void theFixedRowsCannotBeDeleted() {
        for (qint64 row : {0, 1, 2, 7})
            QVERIFY(!controller_->deleteGroup(store::kSystemDevicName, row));
        QCOMPARE(catalogue_->groupDirList.size(), 3);
    }

    void aDriveGroupNeedsItsDrive() {
        const QString key = QStringLiteral("USB%1/V.vlt").arg(count_);
        QDir().mkpath(platform::volumePath(key));
        catalogue_->moveUpList(key.section(u'/', 0, 0), key);
        QVERIFY(controller_->createGroup(key));
        QCOMPARE(store::readGroupList(store::AppGroupMoveUPListPath(key.section(u'/', 0, 0),
                                                                    QStringLiteral("V.vlt")),
                                      store::ListKind::Drive, key)
                     ->size(),
                 4);
        QDir(platform::volumePath(key.section(u'/', 0, 0))).removeRecursively();
        QVERIFY(!controller_->createGroup(key));
    }

private:
    std::optional<store::GroupList> savedLocal() const {
        return store::readGroupList(store::AppGroupDirListPath(), store::ListKind::Local,
                                    store::kSystemDevicName);
    }
    static QByteArray readNotes() {
        QFile file(store::AppGroupNotesListPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    int count_ = 0;
    std::unique_ptr<test::TestVault> vault_;
    VaultCatalogue* catalogue_ = nullptr;
    MainViewController* controller_ = nullptr;
};

VEXO_TEST_MAIN(GroupsTest)
#include "tst_groups.moc"
