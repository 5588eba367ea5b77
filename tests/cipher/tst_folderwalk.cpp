#include "VaultFixture.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "platform/Digest.h"
#include "platform/Settings.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <optional>
#include <unistd.h>

using namespace vexo::cipher;
using vexo::store::FileModelPtr;
using vexo::store::HelpClass;
using vexo::test::contentsBelow;
using vexo::test::filesBelow;
using vexo::test::readFile;
using vexo::test::VaultFixture;
using vexo::test::writeFile;

namespace {

using Snapshot = QMap<QString, QByteArray>;

QString storeOf(const VaultFixture& vault, const FileModelPtr& item) {
    return vault.vaultRoot() + u'/' + item->encryptedPath;
}

// A folder item with the given files, each of a different size.
FileModelPtr folderItem(const QString& path, const QStringList& files) {
    QDir().mkpath(path);
    for (qsizetype i = 0; i < files.size(); ++i)
        writeFile(path + u'/' + files.at(i), vexo::test::randomBytes(100 * (i + 1), i));
    return VaultFixture::itemFor(path);
}

// "a b c" -> {"a", "b", "c"}
QStringList names(const char* list) {
    return QString::fromUtf8(list).split(u' ', Qt::SkipEmptyParts);
}

void cancelAfterFirstReport(qint64, float) {
    HelpClass::sharedInstance().setIsEditCancel(true);
}

// The ordinals a walk over folder (files a, b and s/c, s/d) reports, given the
// order in which the file system lists them.
QList<qint64> expectedOrdinals(const QString& folder) {
    QList<qint64> expected;
    qint64 count = 0;
    for (const QString& name : vexo::test::listingOrder(folder)) {
        if (name != QStringLiteral("s")) {
            expected << ++count;
            continue;
        }
        qint64 inner = count;
        for (int i = 0; i < 2; ++i)
            expected << ++inner;
    }
    return expected;
}

} // namespace

class FolderWalkTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vault_ = std::make_unique<VaultFixture>(); }

    // Files are numbered in listing order; a sub-folder numbers its files on
    // from the count at the moment it is entered, and the parent goes on from
    // its own count afterwards.
    void filesReportOrdinalsInListingOrder() {
        const QString tree = vault_->path(QStringLiteral("Tree"));
        const auto item = folderItem(tree, {QStringLiteral("a"), QStringLiteral("b"),
                                            QStringLiteral("s/c"), QStringLiteral("s/d")});
        QList<qint64> reported;
        const auto record = [&](qint64 index, float) { reported << index; };
        QCOMPARE(EncryptAESAtFilemodel(item, QString(), record).outcome, WalkOutcome::Succeeded);
        QCOMPARE(reported, expectedOrdinals(tree));
        QCOMPARE(item->currentEncryptSize.load(), 1000);

        removeFile(tree);
        reported.clear();
        QCOMPARE(DeCodeAESAtFilemodel(item, QString(), 0, record).outcome, WalkOutcome::Succeeded);
        QCOMPARE(reported, expectedOrdinals(storeOf(*vault_, item) + QStringLiteral("/rTee")));
    }

    void folderItemsRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("emptyFolders");
        QTest::newRow("nested") << "Docs" << names("a.bin x/y.txt x/z/deep.jpg") << QStringList();
        QTest::newRow("empty sub-folder") << "Docs" << names("a.bin") << names("nothing x/nothing");
        QTest::newRow("empty folder item") << "Empty" << QStringList() << QStringList();
        QTest::newRow("dot names")
            << "Home" << names(".hidden .config/app.conf ..x") << QStringList();
        QTest::newRow("name with an extension")
            << "photos.2020" << names("1.jpg 2.jpg trip/3.jpg") << QStringList();
        QTest::newRow("text-like name") << "notes.md" << names("a.txt b.md") << QStringList();
    }

    void folderItemsRoundTrip() {
        QFETCH(QString, name);
        QFETCH(QStringList, files);
        QFETCH(QStringList, emptyFolders);
        const auto item = folderItem(vault_->path(name), files);
        for (const QString& folder : emptyFolders)
            QDir(item->path).mkpath(folder);
        const Snapshot original = contentsBelow(item->path);

        vexo::test::roundTrip(item);
        QVERIFY(QFileInfo(item->path).isDir());
        QCOMPARE(contentsBelow(item->path), original);
        for (const QString& folder : emptyFolders)
            QVERIFY(!QFileInfo::exists(item->path + u'/' + folder.section(u'/', 0, 0)));
        // Every file has a stored file of its own, with a plain body.
        const Snapshot stored = contentsBelow(storeOf(*vault_, item));
        QCOMPARE(stored.size(), files.size());
        for (const QString& file : files)
            QCOMPARE(stored.value(AESPath(name + u'/' + file)).size(),
                     original.value(file).size() + 128);
    }

    void driveItemsLiveInTheDriveVault() {
        const QString drive = vexo::test::testVolumesRoot() + QStringLiteral("/USB1");
        writeFile(drive + QStringLiteral("/Docs/a.txt"), "on the drive");
        const auto item = VaultFixture::itemFor(drive + QStringLiteral("/Docs/a.txt"),
                                                QStringLiteral("USB1/MyVault.vlt"));
        const QString stored = drive + QStringLiteral("/MyVault.vlt/") + item->encryptedPath +
                               QStringLiteral("/.axtt");
        vexo::test::roundTrip(item);
        QVERIFY(QFileInfo::exists(stored));
        QCOMPARE(readFile(item->path), QByteArray("on the drive"));
        QDir(drive).removeRecursively();
    }

    // A link inside a folder item is stored as what it points to; one that
    // points nowhere readable fails the hide and leaves no store.
    void linksInsideFolderItems() {
        const auto item =
            folderItem(vault_->path(QStringLiteral("Links")), {QStringLiteral("target")});
        QVERIFY(QFile::link(item->path + QStringLiteral("/target"),
                            item->path + QStringLiteral("/link")));
        vexo::test::roundTrip(item);
        QVERIFY(!QFileInfo(item->path + QStringLiteral("/link")).isSymLink());
        QCOMPARE(readFile(item->path + QStringLiteral("/link")),
                 readFile(item->path + QStringLiteral("/target")));

        for (const QString& pointee : {QStringLiteral("/no/such/file"), vault_->path(QString())}) {
            const auto broken =
                folderItem(vault_->path(QStringLiteral("Broken")), {QStringLiteral("a")});
            QFile::remove(broken->path + QStringLiteral("/link"));
            QVERIFY(QFile::link(pointee, broken->path + QStringLiteral("/link")));
            const WalkResult result = EncryptAESAtFilemodel(broken, QString());
            QCOMPARE(result.outcome, WalkOutcome::Failed);
            QVERIFY(result.reason.contains(QStringLiteral("/link")));
            QVERIFY(!QFileInfo::exists(storeOf(*vault_, broken)));
            QCOMPARE(QFileInfo(broken->path + QStringLiteral("/link")).symLinkTarget(), pointee);
        }
    }

    void cancellingLeavesEverythingAsItWas_data() {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("single file") << QStringList();
        QTest::newRow("folder") << names("a b c s/d");
    }

    // A cancelled hide leaves no store; a cancelled unhide leaves nothing at
    // the item's place and the store as it was.
    void cancellingLeavesEverythingAsItWas() {
        QFETCH(QStringList, files);
        const QString path = vault_->path(QStringLiteral("item"));
        if (files.isEmpty())
            writeFile(path, vexo::test::randomBytes(1200000));
        const auto item = files.isEmpty() ? VaultFixture::itemFor(path) : folderItem(path, files);
        const Snapshot original = contentsBelow(path);
        QCOMPARE(EncryptAESAtFilemodel(item, QString(), cancelAfterFirstReport).outcome,
                 WalkOutcome::Cancelled);
        QVERIFY(!QFileInfo::exists(storeOf(*vault_, item)));
        QCOMPARE(contentsBelow(path), original);
        QVERIFY(item->currentEncryptSize.load() < (files.isEmpty() ? 1200000 : 1000));

        HelpClass::sharedInstance().setIsEditCancel(false);
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        removeFile(path);
        const Snapshot store = contentsBelow(storeOf(*vault_, item));
        QCOMPARE(DeCodeAESAtFilemodel(item, QString(), 0, cancelAfterFirstReport).outcome,
                 WalkOutcome::Cancelled);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(filesBelow(vault_->path(QString())).filter(QStringLiteral(".vexo-")),
                 QStringList());
        QCOMPARE(contentsBelow(storeOf(*vault_, item)), store);
    }

    // A hide that cannot write or read everything stores nothing and leaves
    // the source as it was.
    void failedHidesRemoveTheStore_data() {
        QTest::addColumn<int>("failure");
        QTest::newRow("write fails") << 0;
        QTest::newRow("source cut short while read") << 1;
        QTest::newRow("source missing") << 2;
        QTest::newRow("write fails in a folder") << 3;
    }

    void failedHidesRemoveTheStore() {
        QFETCH(int, failure);
        const QString path = vault_->path(QStringLiteral("item"));
        writeFile(path + (failure == 3 ? QStringLiteral("/s/big") : QString()),
                  vexo::test::randomBytes(1200000));
        const auto item = VaultFixture::itemFor(path);
        if (failure == 2)
            QFile::remove(path);
        const Snapshot original = contentsBelow(path);
        const auto cutSource = [&](qint64, float) {
            QCOMPARE(::truncate(QFile::encodeName(path).constData(), 1000), 0);
        };
        WalkResult result;
        {
            std::optional<vexo::test::ScopedFileSizeLimit> limit;
            if (failure == 0 || failure == 3)
                limit.emplace(700000);
            result = EncryptAESAtFilemodel(item, QString(),
                                           failure == 1 ? ProgressCallback(cutSource) : nullptr);
        }
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY(item->isCancel);
        QVERIFY2(result.reason.startsWith(vault_->path(QString())), qPrintable(result.reason));
        QVERIFY(!QFileInfo::exists(storeOf(*vault_, item)));
        if (failure != 1)
            QCOMPARE(contentsBelow(path), original);
    }

    // Records that point at no safe store never touch the vault.
    void itemsWithoutASafeStoreFail_data() {
        QTest::addColumn<QString>("encryptedPath");
        QTest::newRow("empty") << "";
        QTest::newRow("only slashes") << "//";
        QTest::newRow("parent") << "../..";
        QTest::newRow("dot") << "g/.";
    }

    void itemsWithoutASafeStoreFail() {
        QFETCH(QString, encryptedPath);
        writeFile(vault_->vaultRoot() + QStringLiteral("/GroupDirlist.plist"), "list");
        const auto item = VaultFixture::itemFor(vault_->path(QStringLiteral("a.bin")));
        writeFile(item->path, "x");
        item->encryptedPath = encryptedPath;
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Failed);
        item->isCancel = false;
        QFile::remove(item->path);
        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Failed);
        const Snapshot onlyTheList = {{QStringLiteral("GroupDirlist.plist"), "list"}};
        QCOMPARE(contentsBelow(vault_->vaultRoot()), onlyTheList);
    }

    // An unhide never writes over anything and takes back all it wrote when
    // it fails; the store stays as it was.
    void failedUnhidesLeaveNothing_data() {
        QTest::addColumn<int>("failure");
        QTest::newRow("a file is in the way") << 0;
        QTest::newRow("a dangling link is in the way") << 1;
        QTest::newRow("write fails") << 2;
        QTest::newRow("nothing stored") << 3;
    }

    void failedUnhidesLeaveNothing() {
        QFETCH(int, failure);
        const QString parent = vault_->path(QStringLiteral("new/place"));
        const auto item = folderItem(parent + QStringLiteral("/Docs"),
                                     {QStringLiteral("small"), QStringLiteral("s/t/small")});
        writeFile(item->path + QStringLiteral("/z/big"), vexo::test::randomBytes(900000));
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QDir(vault_->path(QStringLiteral("new"))).removeRecursively();
        if (failure == 0)
            writeFile(item->path, "mine");
        if (failure == 1) {
            QDir().mkpath(parent);
            QVERIFY(QFile::link(QStringLiteral("/no/such"), item->path));
        }
        if (failure == 3)
            removeFile(storeOf(*vault_, item));
        const Snapshot store = contentsBelow(storeOf(*vault_, item));

        WalkResult result;
        {
            std::optional<vexo::test::ScopedFileSizeLimit> limit;
            if (failure == 2)
                limit.emplace(500000);
            result = DeCodeAESAtFilemodel(item, QString());
        }
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY(!result.reason.isEmpty());
        QVERIFY(item->isCancel);
        QCOMPARE(contentsBelow(storeOf(*vault_, item)), store);
        if (failure == 0)
            QCOMPARE(readFile(item->path), QByteArray("mine"));
        else if (failure == 1)
            QVERIFY(QFileInfo(item->path).isSymLink());
        else
            QVERIFY(!QFileInfo::exists(vault_->path(QStringLiteral("new"))));
    }

    void drivesWithoutRoomAreRefusedBeforeWriting() {
        const QString drive = vexo::test::testVolumesRoot() + QStringLiteral("/USB1");
        vexo::test::TmpfsMount mount(drive, 2 * 1024 * 1024);
        if (!mount.mounted())
            QSKIP(qPrintable(mount.whyNot()));
        writeFile(drive + QStringLiteral("/big.bin"), vexo::test::randomBytes(1536 * 1024));
        const auto item = VaultFixture::itemFor(drive + QStringLiteral("/big.bin"),
                                                QStringLiteral("USB1/MyVault.vlt"));
        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(QStringLiteral("1.5 MB")), qPrintable(result.reason));
        QCOMPARE(QDir(drive).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("big.bin")});
    }

    void aFullDiskFailsTheHideAndCleansUp() {
        const QString small = vault_->path(QStringLiteral("small"));
        vexo::test::TmpfsMount mount(small, 1024 * 1024);
        if (!mount.mounted())
            QSKIP(qPrintable(mount.whyNot()));
        vexo::platform::Settings::setValue(vexo::platform::keys::kRootDirKey, small);
        const auto item = folderItem(vault_->path(QStringLiteral("Big")), {QStringLiteral("a")});
        writeFile(item->path + QStringLiteral("/b"), vexo::test::randomBytes(3 * 1024 * 1024));
        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY(!QFileInfo::exists(small + u'/' + item->encryptedPath));
        QCOMPARE(filesBelow(small), QStringList());
    }

private:
    std::unique_ptr<VaultFixture> vault_;
};

VEXO_TEST_MAIN(FolderWalkTest)
#include "tst_folderwalk.moc"
