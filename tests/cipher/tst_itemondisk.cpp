#include "VaultFixture.h"
#include "cipher/ItemOnDisk.h"
#include "cipher/PosixFiles.h"
#include "support/TestEnvironment.h"

using namespace vexo::cipher;
using namespace vexo::test;
using vexo::store::FileModelPtr;

namespace {

// Makes a file, a folder holding a file, or a link at path, by kind.
void make(const QString& path, const QString& kind, const QString& linkTarget = {}) {
    if (kind == u"file")
        writeFile(path, "content");
    else if (kind == u"folder")
        writeFile(path + QStringLiteral("/inside"), "content");
    else if (kind == u"link")
        QVERIFY(QFile::link(linkTarget.isEmpty() ? QStringLiteral("/no/such") : linkTarget, path));
}

} // namespace

class ItemOnDiskTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        vault_ = std::make_unique<VaultFixture>();
        item_ = VaultFixture::itemFor(vault_->path(QStringLiteral("place/Docs")));
        item_->encryptedPath = QStringLiteral("77-1700000000/123");
        store_ = vault_->vaultRoot() + QStringLiteral("/77-1700000000/123");
        QDir().mkpath(vault_->path(QStringLiteral("place")));
    }

    // Whole items on either side are told in runsCutShortAreToldFromTheDisk.
    void edgesOfPlaceAndStore_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<bool>("withStore");
        addRow("nothing anywhere", "", false);
        addRow("a dangling link at the place", "link", false);
        addRow("a store without its top entry", "", true);
    }
    void edgesOfPlaceAndStore() {
        QFETCH(QString, place);
        QFETCH(bool, withStore);
        make(item_->path, place);
        if (withStore)
            QDir().mkpath(store_);
        const ItemOnDisk onDisk = inspectItemOnDisk(*item_);
        QCOMPARE(onDisk.placeTaken, !place.isEmpty());
        QVERIFY(!onDisk.storeComplete);
        QCOMPARE(onDisk.leftovers, QStringList());
    }

    // {place}, {store} and {group} stand for the folder that holds the item,
    // the item store and the folder that holds the store; a trailing "/"
    // makes a folder.
    void onlyOurTemporaryEntriesAreLeftovers_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("listed");
        addRow("a file restored partly", "{place}/.Docs.vexo-a1B2c3", true);
        addRow("a folder restored partly", "{place}/.Docs.vexo-Zz9xY8/", true);
        addRow("a stored top folder built partly", "{store}/.oDsc.vexo-abcdef/", true);
        addRow("a stored file written partly", "{store}/.ibg.vexo-abc123", true);
        addRow("a store moved aside", "{group}/.123.vexo-QWErty/", true);
        addRow("five characters", "{place}/.Docs.vexo-abcde", false);
        addRow("seven characters", "{place}/.Docs.vexo-abcdefg", false);
        addRow("not a letter or digit", "{place}/.Docs.vexo-abc_ef", false);
        addRow("no leading dot", "{place}/Docs.vexo-abcdef", false);
        addRow("another item's name", "{place}/.Docs2.vexo-abcdef", false);
        addRow("another case", "{place}/.docs.vexo-abcdef", false);
        addRow("the store's name beside the place", "{place}/.123.vexo-abcdef", false);
        addRow("inside the stored top folder", "{store}/oDsc/.a.vexo-abcdef", false);
        addRow("another store's name", "{group}/.1234.vexo-abcdef/", false);
        addRow("the item's name beside the store", "{group}/.Docs.vexo-abcdef", false);
    }
    void onlyOurTemporaryEntriesAreLeftovers() {
        QFETCH(QString, entry);
        QFETCH(bool, listed);
        make(item_->path, QStringLiteral("folder"));
        make(store_ + QStringLiteral("/oDsc"), QStringLiteral("folder"));
        const QString path =
            entry.replace(QStringLiteral("{place}"), vault_->path(QStringLiteral("place")))
                .replace(QStringLiteral("{store}"), store_)
                .replace(QStringLiteral("{group}"), QFileInfo(store_).path());
        const bool folder = path.endsWith(u'/');
        const QString made = folder ? path.chopped(1) : path;
        make(made, folder ? QStringLiteral("folder") : QStringLiteral("file"));

        const ItemOnDisk onDisk = inspectItemOnDisk(*item_);
        QVERIFY(onDisk.placeTaken && onDisk.storeComplete);
        QCOMPARE(onDisk.leftovers, listed ? QStringList{made} : QStringList());
        QVERIFY(removeLeftovers(onDisk.leftovers));
        QCOMPARE(somethingExistsAt(made), !listed);
        QVERIFY(QFileInfo::exists(store_ + QStringLiteral("/oDsc/inside")));
        QVERIFY(QFileInfo::exists(item_->path + QStringLiteral("/inside")));
    }

    void removeLeftoversKeepsOtherNames() {
        const QString ours = vault_->path(QStringLiteral(".Docs.vexo-abcdef"));
        const QString mine = vault_->path(QStringLiteral("Docs.vexo-abcdef"));
        make(ours, QStringLiteral("folder"));
        make(mine, QStringLiteral("file"));
        QVERIFY(!removeLeftovers({ours, mine}));
        QVERIFY(!somethingExistsAt(ours));
        QVERIFY(somethingExistsAt(mine));
    }

    // A record whose store lies outside its vault, by its text or through a
    // link, shows nothing of what lies there.
    void recordsLeadingOutOfTheVaultShowNoStore_data() {
        QTest::addColumn<QString>("encryptedPath");
        QTest::addColumn<QString>("linkToOutside");
        addRow("a store above the vault", "../Outside/123", "");
        addRow("a group folder that links out", "77-1700000000/123", "77-1700000000");
        addRow("a store that links out", "77-1700000000/123", "77-1700000000/123");
    }
    void recordsLeadingOutOfTheVaultShowNoStore() {
        QFETCH(QString, encryptedPath);
        QFETCH(QString, linkToOutside);
        const QString outside = vault_->path(QStringLiteral("Outside"));
        make(outside + QStringLiteral("/123/oDsc"), QStringLiteral("folder"));
        make(outside + QStringLiteral("/123/.oDsc.vexo-abcdef"), QStringLiteral("file"));
        make(outside + QStringLiteral("/.123.vexo-abcdef"), QStringLiteral("file"));
        if (!linkToOutside.isEmpty()) {
            const QString link = vault_->vaultRoot() + u'/' + linkToOutside;
            QDir().mkpath(QFileInfo(link).path());
            make(link, QStringLiteral("link"),
                 linkToOutside.contains(u'/') ? outside + QStringLiteral("/123") : outside);
        }
        make(item_->path, QStringLiteral("file"));
        item_->encryptedPath = encryptedPath;

        const ItemOnDisk onDisk = inspectItemOnDisk(*item_);
        QVERIFY(onDisk.placeTaken && !onDisk.storeComplete);
        QCOMPARE(onDisk.leftovers, QStringList());
    }

    // What a load finds when a run is cut short at any of its reports: the
    // item whole on one side only, and the run's temporary entries as
    // leftovers. The long name's temporary entries carry a shortened stem.
    void runsCutShortAreToldFromTheDisk_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folder");
        addRow("folder", "Docs", true);
        addRow("single file", "big.bin", false);
        addRow("folder with a long name",
               QStringLiteral("a") + QString(60, u'x').replace(u'x', QStringLiteral("😀")), true);
    }
    void runsCutShortAreToldFromTheDisk() {
        QFETCH(QString, name);
        QFETCH(bool, folder);
        const FileModelPtr item =
            VaultFixture::itemFor(vault_->path(QStringLiteral("place/")) + name);
        const QString file = item->path + (folder ? QStringLiteral("/s/big") : QString());
        const QByteArray content = randomBytes(1200000);
        writeFile(file, content);
        const QString store = vault_->storeOf(item);
        QList<ItemOnDisk> seen;
        const auto look = [&](qint64, float) { seen << inspectItemOnDisk(*item); };

        QCOMPARE(EncryptAESAtFilemodel(item, QString(), look).outcome, WalkOutcome::Succeeded);
        QVERIFY(!seen.isEmpty());
        for (const ItemOnDisk& midway : std::as_const(seen)) {
            QVERIFY(midway.placeTaken && !midway.storeComplete && !midway.leftovers.isEmpty());
            for (const QString& leftover : midway.leftovers)
                QVERIFY2(leftover.startsWith(store + QStringLiteral("/.")), qPrintable(leftover));
        }
        ItemOnDisk after = inspectItemOnDisk(*item);
        QVERIFY(after.placeTaken && after.storeComplete && after.leftovers.isEmpty());

        QVERIFY(removeItemAside(item->path));
        seen.clear();
        QCOMPARE(DeCodeAESAtFilemodel(item, QString(), 0, look).outcome, WalkOutcome::Succeeded);
        QVERIFY(!seen.isEmpty());
        for (const ItemOnDisk& midway : std::as_const(seen)) {
            QVERIFY(!midway.placeTaken && midway.storeComplete);
            QCOMPARE(midway.leftovers.size(), 1);
            QVERIFY(midway.leftovers.first().startsWith(vault_->path(QStringLiteral("place/."))));
        }
        QCOMPARE(readFile(file), content);

        QVERIFY(removeItemAside(store));
        after = inspectItemOnDisk(*item);
        QVERIFY(after.placeTaken && !after.storeComplete && after.leftovers.isEmpty());
    }

    // A link goes, never what it points to; nothing is left beside it.
    void removingAsideLeavesNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("linkTarget");
        addRow("a file", "file", "");
        addRow("a folder tree", "folder", "");
        addRow("a link to a file", "link", "target/kept");
        addRow("a link to a folder", "link", "target");
        addRow("a dangling link", "link", "");
        addRow("nothing", "", "");
    }
    void removingAsideLeavesNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, linkTarget);
        writeFile(vault_->path(QStringLiteral("target/kept")), "kept");
        const QString folder = vault_->path(QStringLiteral("here"));
        const QString path = folder + QStringLiteral("/item");
        QDir().mkpath(folder);
        make(path, kind, linkTarget.isEmpty() ? QString() : vault_->path(linkTarget));
        if (kind == u"folder")
            writeFile(path + QStringLiteral("/a/b/.deep"), "deep");

        QVERIFY(removeItemAside(path));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                        QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(readFile(vault_->path(QStringLiteral("target/kept"))), QByteArray("kept"));
    }

    void removingAsideNeedsAName_data() {
        QTest::addColumn<QString>("path");
        addRow("empty", "");
        addRow("root", "/");
        addRow("dot", "{folder}/.");
        addRow("dot-dot", "{folder}/sub/..");
    }
    void removingAsideNeedsAName() {
        QFETCH(QString, path);
        const QString folder = vault_->path(QStringLiteral("kept"));
        writeFile(folder + QStringLiteral("/sub/file"), "kept");
        QVERIFY(!removeItemAside(path.replace(QStringLiteral("{folder}"), folder)));
        QCOMPARE(readFile(folder + QStringLiteral("/sub/file")), QByteArray("kept"));
    }

private:
    std::unique_ptr<VaultFixture> vault_;
    FileModelPtr item_;
    QString store_;
};

VEXO_TEST_MAIN(ItemOnDiskTest)
#include "tst_itemondisk.moc"
