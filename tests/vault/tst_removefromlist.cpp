#include "TestVault.h"

#include <QSignalSpy>

using namespace vexo;
using store::FileModelPtr;
using test::TestVault;

class RemoveFromListTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void aVisibleItemLeavesItsGroupAndTheFileStays() {
        const auto group = controller().createGroup(store::kSystemDevicName);
        const auto kept = addItem(allFiles(), QStringLiteral("kept.txt"));
        const auto a = addItem(group, QStringLiteral("a.txt"));
        const auto b = addItem(group, QStringLiteral("b.txt"));
        const auto c = addItem(group, QStringLiteral("c.txt"));
        controller().controlTextDidChange(QStringLiteral("b.")); // shown as a search result
        QCOMPARE(controller().selected_ItemList, QList<FileModelPtr>{b});
        QSignalSpy changed(&catalogue(), &vault::VaultCatalogue::listsChanged);
        const QByteArray content = test::readFile(b->path);

        bool completed = false;
        controller().removeItemFromList(b, [&] { completed = true; });
        QVERIFY(completed);
        QVERIFY(prompt().alerts.isEmpty());
        QCOMPARE(group->fileModels, (QList<FileModelPtr>{a, c}));
        QCOMPARE(c->fileIndex, 1);
        QCOMPARE(allFiles()->fileModels, QList<FileModelPtr>{kept});
        QVERIFY(controller().selected_ItemList.isEmpty());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(test::readFile(b->path), content);

        const auto saved = TestVault::savedLocalList();
        QCOMPARE(namesIn(saved, 2), test::words("a.txt c.txt"));
        QCOMPARE(namesIn(saved, 1), test::words("kept.txt"));
    }

    void aHiddenItemStaysWhenTheUserCancels() {
        const auto item = addItem(allFiles(), QStringLiteral("secret.txt"));
        QVERIFY(vault().switchAndWait(item));
        const QByteArray listBefore = test::readFile(store::AppGroupDirListPath());
        prompt().alertAnswers << 1;
        bool completed = false;
        controller().removeItemFromList(item, [&] { completed = true; });
        QVERIFY(completed);
        QCOMPARE(prompt().alertKeys(),
                 QStringList{QStringLiteral("removeitemformlistmessage.text")});
        const vault::Prompt::Alert& asked = prompt().alerts.first();
        QCOMPARE(asked.informativeKey, QStringLiteral("removeitemformlistinfomation.text"));
        QCOMPARE(asked.buttonKeys, (QStringList{QStringLiteral("PasswordSucOk.StringValue"),
                                                QStringLiteral("Cancel.StringValue")}));
        QVERIFY(item->isEncrtypt);
        QCOMPARE(allFiles()->fileModels.size(), 1);
        QVERIFY(!QFileInfo::exists(item->path));
        QVERIFY(QFileInfo(store::itemStorePath(*item)).isDir());
        QCOMPARE(test::readFile(store::AppGroupDirListPath()), listBefore);
    }

    void aConfirmedHiddenItemComesBackThenLeaves() {
        const auto item = addItem(allFiles(), QStringLiteral("secret.txt"));
        const auto later = addItem(allFiles(), QStringLiteral("later.txt"));
        const QByteArray content = test::readFile(item->path);
        QVERIFY(vault().switchAndWait(item));
        prompt().alertAnswers << 0;
        QVERIFY(removeAndWait(item));
        QVERIFY(!item->isEncrtypt);
        QCOMPARE(test::readFile(item->path), content);
        QVERIFY(!QFileInfo::exists(store::itemStorePath(*item)));
        QCOMPARE(allFiles()->fileModels, QList<FileModelPtr>{later});
        QCOMPARE(later->fileIndex, 0);
        QCOMPARE(namesIn(TestVault::savedLocalList(), 1), test::words("later.txt"));
    }

    void aDriveItemLeavesItsDriveVaultsList() {
        const QString key = driveKey(QStringLiteral("Vault.vlt"));
        QCOMPARE(controller().openDriveVault(platform::volumePath(key)), 0);
        const auto all = catalogue().UPLibrary.value(key).at(1);
        const QString docs = platform::volumePath(drive()) + QStringLiteral("/Docs/");
        const auto item = addItem(all, QStringLiteral("d.bin"), docs);
        const auto other = addItem(all, QStringLiteral("e.bin"), docs);
        const QByteArray content = test::readFile(item->path);
        QVERIFY(vault().switchAndWait(item));
        QVERIFY(QFileInfo(store::itemStorePath(*item)).isDir());

        prompt().alertAnswers << 0;
        QVERIFY(removeAndWait(item));
        QCOMPARE(test::readFile(item->path), content);
        QCOMPARE(all->fileModels, QList<FileModelPtr>{other});
        const auto saved = store::readGroupList(
            store::AppGroupMoveUPListPath(drive(), QStringLiteral("Vault.vlt")),
            store::ListKind::Drive, key, drive());
        QCOMPARE(namesIn(saved.value_or(store::GroupList()), 1), test::words("e.bin"));
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
        const auto item = addItem(allFiles(), QStringLiteral("secret.txt"));
        QVERIFY(vault().switchAndWait(item));
        if (placeTaken)
            test::writeFile(item->path, "someone else's");
        else
            item->md5CodePath = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
        prompt().alertAnswers << 0 << 0;
        QVERIFY(removeAndWait(item));
        QCOMPARE(prompt().alertKeys(),
                 (QStringList{QStringLiteral("removeitemformlistmessage.text"), told}));
        QVERIFY(item->isEncrtypt);
        QCOMPARE(allFiles()->fileModels, QList<FileModelPtr>{item});
        QVERIFY(QFileInfo(store::itemStorePath(*item)).isDir());
        if (placeTaken)
            QCOMPARE(test::readFile(item->path), QByteArray("someone else's"));
        const auto saved = TestVault::savedLocalList();
        QCOMPARE(namesIn(saved, 1), test::words("secret.txt"));
        QVERIFY(saved.at(1)->fileModels.first()->isEncrtypt);
    }

    void aRemovalConfirmedBeforeALockEndsAfterIt() {
        const auto item = addItem(allFiles(), QStringLiteral("secret.txt"));
        QVERIFY(vault().switchAndWait(item));
        prompt().alertAnswers << 0;
        auto unlocked = std::make_unique<vault::MainViewController>(catalogue());
        bool completed = false;
        unlocked->removeItemFromList(item, [&] { completed = true; });
        unlocked.reset(); // locked while the item is being unhidden
        catalogue().workers().waitForDone();
        QVERIFY(QTest::qWaitFor([&] { return completed; }, 20'000));
        QVERIFY(allFiles()->fileModels.isEmpty());
        QVERIFY(QFileInfo::exists(item->path));
    }

private:
    // A visible item of 5000 bytes named name in group; its file lies in
    // folder (the case's "Documents" folder when empty).
    FileModelPtr addItem(const store::GroupModelPtr& group, const QString& name,
                         QString folder = {}) {
        if (folder.isEmpty())
            folder = base() + QStringLiteral("/Documents/");
        return TestVault::listVisibleItem(group, folder + name, test::randomBytes(5000, ++seed_));
    }

    // Removes item from the list and waits until the removal has ended.
    bool removeAndWait(const FileModelPtr& item) {
        const auto completed = std::make_shared<bool>(false);
        controller().removeItemFromList(item, [completed] { *completed = true; });
        catalogue().workers().waitForDone();
        return QTest::qWaitFor([completed] { return *completed; }, 20'000);
    }

    // The names of the items of group number index; empty when there is none.
    static QStringList namesIn(const store::GroupList& groups, qsizetype index) {
        return index < groups.size() ? test::namesOf(groups.at(index)->fileModels) : QStringList();
    }

    quint32 seed_ = 0;
};

VEXO_TEST_MAIN(RemoveFromListTest)
#include "tst_removefromlist.moc"
