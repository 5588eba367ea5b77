#include "TestVault.h"
#include "platform/VolumesRoot.h"
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

class RemoveFromListTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        base_ = test::scratchRoot() + QStringLiteral("/case-%1").arg(++count_);
        vault_ = std::make_unique<test::TestVault>(base_ + QStringLiteral("/v.vlt"));
        prompt_ = &vault_->prompt;
        catalogue_ = &vault_->catalogue;
        controller_ = &vault_->controller;
    }

    void cleanup() { catalogue_->workers().waitForDone(); }

    void aVisibleItemLeavesItsGroupAndTheFileStays() {
        const auto group = controller_->createGroup(store::kSystemDevicName);
        const auto kept = addItem(catalogue_->groupDirList.at(1), QStringLiteral("kept.txt"));
        const auto a = addItem(group, QStringLiteral("a.txt"));
        const auto b = addItem(group, QStringLiteral("b.txt"));
        const auto c = addItem(group, QStringLiteral("c.txt"));
        controller_->controlTextDidChange(QStringLiteral("b.")); // shown as a search result
        QCOMPARE(controller_->selected_ItemList, QList<store::FileModelPtr>{b});
        QSignalSpy changed(catalogue_, &VaultCatalogue::listsChanged);
        const QByteArray content = test::readFile(b->path);

        bool completed = false;
        controller_->removeItemFromList(b, [&] { completed = true; });
        QVERIFY(completed);
        QVERIFY(prompt_->alerts.isEmpty());
        QCOMPARE(group->fileModels, (QList<store::FileModelPtr>{a, c}));
        QCOMPARE(c->fileIndex, 1);
        QCOMPARE(catalogue_->groupDirList.at(1)->fileModels, QList<store::FileModelPtr>{kept});
        QVERIFY(controller_->selected_ItemList.isEmpty());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(test::readFile(b->path), content);

        const auto saved =
            readList(store::AppGroupDirListPath(), store::ListKind::Local, store::kSystemDevicName);
        QCOMPARE(namesIn(saved, 2),
                 (QStringList{QStringLiteral("a.txt"), QStringLiteral("c.txt")}));
        QCOMPARE(namesIn(saved, 1), QStringList{QStringLiteral("kept.txt")});
    }

    void aHiddenItemStaysWhenTheUserCancels() {
        const auto item = addItem(catalogue_->groupDirList.at(1), QStringLiteral("secret.txt"));
        QVERIFY(switchAndWait(item));
        const QByteArray listBefore = test::readFile(store::AppGroupDirListPath());
        prompt_->alertAnswers << 1;
        bool completed = false;
        controller_->removeItemFromList(item, [&] { completed = true; });
        QVERIFY(completed);
        QCOMPARE(prompt_->alertKeys(),
                 QStringList{QStringLiteral("removeitemformlistmessage.text")});
        const vault::Prompt::Alert& asked = prompt_->alerts.first();
        QCOMPARE(asked.informativeKey, QStringLiteral("removeitemformlistinfomation.text"));
        QCOMPARE(asked.buttonKeys, (QStringList{QStringLiteral("PasswordSucOk.StringValue"),
                                                QStringLiteral("Cancel.StringValue")}));
        QVERIFY(item->isEncrtypt);
        QCOMPARE(catalogue_->groupDirList.at(1)->fileModels.size(), 1);
        QVERIFY(!QFileInfo::exists(item->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item)).isDir());
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), listBefore);
    }

    void aConfirmedHiddenItemComesBackThenLeaves() {
        const auto item = addItem(catalogue_->groupDirList.at(1), QStringLiteral("secret.txt"));
        const auto later = addItem(catalogue_->groupDirList.at(1), QStringLiteral("later.txt"));
        const QByteArray content = test::readFile(item->path);
        QVERIFY(switchAndWait(item));
        prompt_->alertAnswers << 0;
        QVERIFY(removeAndWait(*controller_, item));
        QVERIFY(!item->isEncrtypt);
        QCOMPARE(test::readFile(item->path), content);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item)));
        QCOMPARE(catalogue_->groupDirList.at(1)->fileModels, QList<store::FileModelPtr>{later});
        QCOMPARE(later->fileIndex, 0);
        const auto saved =
            readList(store::AppGroupDirListPath(), store::ListKind::Local, store::kSystemDevicName);
        QCOMPARE(namesIn(saved, 1), QStringList{QStringLiteral("later.txt")});
    }

    void aDriveItemLeavesItsDriveVaultsList() {
        const QString drive = QStringLiteral("USB%1").arg(count_);
        const QString key = drive + QStringLiteral("/Vault.vlt");
        QDir().mkpath(platform::volumePath(drive));
        QCOMPARE(controller_->openDriveVault(platform::volumePath(key)), 0);
        const auto all = catalogue_->UPLibrary.value(key).at(1);
        const QString docs = platform::volumePath(drive) + QStringLiteral("/Docs/");
        const auto item = addItem(all, QStringLiteral("d.bin"), docs);
        const auto other = addItem(all, QStringLiteral("e.bin"), docs);
        const QByteArray content = test::readFile(item->path);
        QVERIFY(switchAndWait(item));
        QVERIFY(QFileInfo(store::itemStorePath(*item)).isDir());

        prompt_->alertAnswers << 0;
        QVERIFY(removeAndWait(*controller_, item));
        QCOMPARE(test::readFile(item->path), content);
        QCOMPARE(all->fileModels, QList<store::FileModelPtr>{other});
        const auto saved =
            readList(store::AppGroupMoveUPListPath(drive, QStringLiteral("Vault.vlt")),
                     store::ListKind::Drive, key, drive);
        QCOMPARE(namesIn(saved, 1), QStringList{QStringLiteral("e.bin")});
    }

    void anUnhideThatDoesNotBringTheItemBackKeepsItListed_data() {
        QTest::addColumn<bool>("placeTaken"); // else the digest differs
        QTest::addColumn<QString>("told");
        QTest::newRow("something at its place") << true << QStringLiteral("unhideFailed.title");
        QTest::newRow("a different file came back") << false << QStringLiteral("error_md5_message");
    }

    void anUnhideThatDoesNotBringTheItemBackKeepsItListed() {
        QFETCH(bool, placeTaken);
        QFETCH(QString, told);
        const auto item = addItem(catalogue_->groupDirList.at(1), QStringLiteral("secret.txt"));
        QVERIFY(switchAndWait(item));
        if (placeTaken)
            test::writeFile(item->path, "someone else's");
        else
            item->md5CodePath = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
        prompt_->alertAnswers << 0 << 0;
        QVERIFY(removeAndWait(*controller_, item));
        QCOMPARE(prompt_->alertKeys(),
                 (QStringList{QStringLiteral("removeitemformlistmessage.text"), told}));
        QVERIFY(item->isEncrtypt);
        QCOMPARE(catalogue_->groupDirList.at(1)->fileModels, QList<store::FileModelPtr>{item});
        QVERIFY(QFileInfo(store::itemStorePath(*item)).isDir());
        if (placeTaken)
            QCOMPARE(test::readFile(item->path), QByteArray("someone else's"));
        const auto saved =
            readList(store::AppGroupDirListPath(), store::ListKind::Local, store::kSystemDevicName);
        QCOMPARE(namesIn(saved, 1), QStringList{QStringLiteral("secret.txt")});
        QVERIFY(saved.at(1)->fileModels.first()->isEncrtypt);
    }

    void aRemovalConfirmedBeforeALockEndsAfterIt() {
        const auto item = addItem(catalogue_->groupDirList.at(1), QStringLiteral("secret.txt"));
        QVERIFY(switchAndWait(item));
        prompt_->alertAnswers << 0;
        auto unlocked = std::make_unique<MainViewController>(*catalogue_);
        bool completed = false;
        unlocked->removeItemFromList(item, [&] { completed = true; });
        unlocked.reset(); // locked while the item is being unhidden
        catalogue_->workers().waitForDone();
        QVERIFY(QTest::qWaitFor([&] { return completed; }, 20'000));
        QVERIFY(catalogue_->groupDirList.at(1)->fileModels.isEmpty());
        QVERIFY(QFileInfo::exists(item->path));
    }

private:
    // A visible item with its own file in group; the file lives in folder
    // (the case's "Documents" folder when empty).
    store::FileModelPtr addItem(const store::GroupModelPtr& group, const QString& name,
                                QString folder = {}) {
        if (folder.isEmpty())
            folder = base_ + QStringLiteral("/Documents/");
        auto item = std::make_shared<store::FileModel>();
        item->path = folder + name;
        test::writeFile(item->path, test::randomBytes(5000, ++seed_));
        item->name = name;
        item->groupName = group->groupName;
        item->groupIndex = group->index;
        item->fileIndex = group->fileModels.size();
        item->fileSize = 5000;
        item->md5CodePath = MainViewController::getMD5ForPath(item->path);
        item->encryptedPath = group->path + u'/' + store::itemStoreName(item->path);
        group->fileModels.append(item);
        return item;
    }

    bool switchAndWait(const store::FileModelPtr& item) {
        bool completed = false;
        controller_->visableChange(item, [&] { completed = true; });
        catalogue_->workers().waitForDone();
        return QTest::qWaitFor([&] { return completed; }, 20'000);
    }

    bool removeAndWait(MainViewController& controller, const store::FileModelPtr& item) {
        bool completed = false;
        controller.removeItemFromList(item, [&] { completed = true; });
        catalogue_->workers().waitForDone();
        return QTest::qWaitFor([&] { return completed; }, 20'000);
    }

    static store::GroupList readList(const QString& path, store::ListKind kind,
                                     const QString& groupName, const QString& drive = {}) {
        return store::readGroupList(path, kind, groupName, drive).value_or(store::GroupList());
    }

    // The names of the items of group number index; empty when there is none.
    static QStringList namesIn(const store::GroupList& groups, qsizetype index) {
        QStringList names;
        for (const store::FileModelPtr& item :
             groups.value(index, std::make_shared<store::GroupModel>())->fileModels)
            names << item->name;
        return names;
    }

    int count_ = 0;
    quint32 seed_ = 0;
    QString base_;
    std::unique_ptr<test::TestVault> vault_;
    test::ScriptedPrompt* prompt_ = nullptr;
    VaultCatalogue* catalogue_ = nullptr;
    MainViewController* controller_ = nullptr;
};

VEXO_TEST_MAIN(RemoveFromListTest)
#include "tst_removefromlist.moc"
