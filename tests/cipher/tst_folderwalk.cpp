#include "VaultFixture.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "cipher/PosixFiles.h"
#include "platform/Digest.h"
#include "platform/Settings.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <fcntl.h>
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

// Plays another switch that starts while a walk runs: it clears the shared
// cancel flag as soon as the walk has logged that it saw a cancel.
class ClearCancelOnceSeen {
public:
    ClearCancelOnceSeen() { previous_ = qInstallMessageHandler(&ClearCancelOnceSeen::handle); }
    ~ClearCancelOnceSeen() { qInstallMessageHandler(previous_); }
    ClearCancelOnceSeen(const ClearCancelOnceSeen&) = delete;
    ClearCancelOnceSeen& operator=(const ClearCancelOnceSeen&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.contains(QStringLiteral("已被取消")) || text.contains(QStringLiteral("已取消")))
            HelpClass::sharedInstance().setIsEditCancel(false);
        previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
};

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
        // Every file has a stored file of its own, with a plain body; beside
        // them, the mark of the restore.
        Snapshot stored = contentsBelow(storeOf(*vault_, item));
        QVERIFY(stored.remove(QStringLiteral(".restored")) == 1);
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
            if (pointee == vault_->path(QString()))
                QVERIFY2(result.reason.contains(QStringLiteral("link to one")),
                         qPrintable(result.reason));
            QVERIFY(!QFileInfo::exists(storeOf(*vault_, broken)));
            QCOMPARE(QFileInfo(broken->path + QStringLiteral("/link")).symLinkTarget(), pointee);
        }
    }

    void cancellingLeavesEverythingAsItWas_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("flagClearedMeanwhile");
        QTest::newRow("single file") << QStringList() << false;
        QTest::newRow("folder") << names("a b c s/d") << false;
        QTest::newRow("single file, flag cleared") << QStringList() << true;
        QTest::newRow("folder, flag cleared") << names("a b c s/d") << true;
    }

    // A cancelled hide leaves no store; a cancelled unhide leaves nothing at
    // the item's place and the store as it was. The cancel flag is shared:
    // another switch starting may clear it right after this walk saw it, and
    // the walk must still end as cancelled, not as a success with files left
    // out.
    void cancellingLeavesEverythingAsItWas() {
        QFETCH(QStringList, files);
        QFETCH(bool, flagClearedMeanwhile);
        const QString path = vault_->path(QStringLiteral("item"));
        if (files.isEmpty())
            writeFile(path, vexo::test::randomBytes(1200000));
        const auto item = files.isEmpty() ? VaultFixture::itemFor(path) : folderItem(path, files);
        const Snapshot original = contentsBelow(path);
        std::optional<ClearCancelOnceSeen> otherSwitch;
        if (flagClearedMeanwhile)
            otherSwitch.emplace();
        QCOMPARE(EncryptAESAtFilemodel(item, QString(), cancelAfterFirstReport).outcome,
                 WalkOutcome::Cancelled);
        otherSwitch.reset();
        QVERIFY(!QFileInfo::exists(storeOf(*vault_, item)));
        QCOMPARE(contentsBelow(path), original);
        QVERIFY(item->currentEncryptSize.load() < (files.isEmpty() ? 1200000 : 1000));

        HelpClass::sharedInstance().setIsEditCancel(false);
        item->isCancel = false;
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        removeFile(path);
        const Snapshot store = contentsBelow(storeOf(*vault_, item));
        item->isCancel = false;
        if (flagClearedMeanwhile)
            otherSwitch.emplace();
        QCOMPARE(DeCodeAESAtFilemodel(item, QString(), 0, cancelAfterFirstReport).outcome,
                 WalkOutcome::Cancelled);
        otherSwitch.reset();
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(vexo::test::temporaryEntriesBelow(vault_->path(QString())), QStringList());
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
        QTest::newRow("source grows while read") << 4;
        QTest::newRow("a file added to the folder meanwhile") << 5;
    }

    void failedHidesRemoveTheStore() {
        QFETCH(int, failure);
        const QString path = vault_->path(QStringLiteral("item"));
        const bool folder = failure == 3 || failure == 5;
        writeFile(path + (folder ? QStringLiteral("/s/big") : QString()),
                  vexo::test::randomBytes(1200000));
        const auto item = VaultFixture::itemFor(path);
        if (failure == 2)
            QFile::remove(path);
        const Snapshot original = contentsBelow(path);
        // What happens to the source while the hide reads it, by failure.
        const QMap<int, ProgressCallback> disturbances = {
            {1, [&](qint64,
                    float) { QCOMPARE(::truncate(QFile::encodeName(path).constData(), 1000), 0); }},
            {4,
             [&](qint64, float) {
                 QFile source(path);
                 QVERIFY(source.open(QIODevice::Append));
                 source.write("appended while the hide was reading");
             }},
            {5, [&](qint64, float) {
                 writeFile(path + QStringLiteral("/late"), "saved while the hide ran");
             }}};
        WalkResult result;
        {
            std::optional<vexo::test::ScopedFileSizeLimit> limit;
            if (failure == 0 || failure == 3)
                limit.emplace(700000);
            result = EncryptAESAtFilemodel(item, QString(), disturbances.value(failure));
        }
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY(item->isCancel);
        QVERIFY2(result.reason.startsWith(vault_->path(QString())), qPrintable(result.reason));
        QVERIFY(!QFileInfo::exists(storeOf(*vault_, item)));
        if (failure == 5)
            QCOMPARE(readFile(path + QStringLiteral("/late")),
                     QByteArray("saved while the hide ran"));
        else if (failure != 1 && failure != 4)
            QCOMPARE(contentsBelow(path), original);
    }

    // Hiding an item whose source is gone (it is hidden already) fails and
    // keeps the stored copy, which is then the only one.
    void hidingWithoutASourceKeepsTheStore_data() {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("single file") << QStringList();
        QTest::newRow("folder") << names("a s/b");
    }

    void hidingWithoutASourceKeepsTheStore() {
        QFETCH(QStringList, files);
        const QString path = vault_->path(QStringLiteral("item"));
        if (files.isEmpty())
            writeFile(path, vexo::test::randomBytes(3000));
        const auto item = files.isEmpty() ? VaultFixture::itemFor(path) : folderItem(path, files);
        const Snapshot original = contentsBelow(path);
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        removeFile(path);
        const Snapshot store = contentsBelow(storeOf(*vault_, item));

        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(path), qPrintable(result.reason));
        QCOMPARE(contentsBelow(storeOf(*vault_, item)), store);
        item->isCancel = false;
        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QCOMPARE(contentsBelow(path), original);
    }

    // Records that place the store outside a vault folder, or an item that
    // lies inside its vault folder or holds it, are refused before anything
    // is written or removed.
    void itemsWithoutASafePlaceAreRefused_data() {
        QTest::addColumn<QString>("itemPath");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<QString>("encryptedPath");
        const QString local = QStringLiteral("systemDevicName");
        const QString store = QStringLiteral("77-1700000000/9");
        const QString onDrive = QStringLiteral("{drive}/Docs/a.bin");
        QTest::newRow("empty store") << "a.bin" << local << "";
        QTest::newRow("store of slashes") << "a.bin" << local << "//";
        QTest::newRow("store above the vault") << "a.bin" << local << "../..";
        QTest::newRow("store with a dot") << "a.bin" << local << "g/.";
        QTest::newRow("the vault folder") << "Vault.vlt" << local << store;
        QTest::newRow("a folder holding the vault") << "{parent}" << local << store;
        QTest::newRow("a group folder") << "Vault.vlt/77-1700000000" << local << store;
        QTest::newRow("another item's store") << "Vault.vlt/77-1700000000/1234" << local << store;
        QTest::newRow("a path through a link to the vault")
            << "vaultlink/77-1700000000/1234" << local << store;
        QTest::newRow("a path with dot-dot")
            << "elsewhere/../Vault.vlt/77-1700000000/1234" << local << store;
        QTest::newRow("drive vault without a name") << onDrive << ""
                                                    << "Photos";
        QTest::newRow("drive vault named dot-dot") << onDrive << "USB1/.."
                                                   << "USB1/Photos";
        QTest::newRow("the whole drive") << "{drive}"
                                         << "USB1/MyVault.vlt" << store;
    }

    void itemsWithoutASafePlaceAreRefused() {
        QFETCH(QString, itemPath);
        QFETCH(QString, groupName);
        QFETCH(QString, encryptedPath);
        const QString drive = vexo::test::testVolumesRoot() + QStringLiteral("/USB1");
        writeFile(drive + QStringLiteral("/Docs/a.bin"), "on the drive");
        writeFile(drive + QStringLiteral("/Photos/p.jpg"), "a photo");
        writeFile(drive + QStringLiteral("/MyVault.vlt/GroupDirlist.plist"), "drive list");
        writeFile(vault_->vaultRoot() + QStringLiteral("/77-1700000000/1234/eroptrp.fd"), "stored");
        writeFile(vault_->vaultRoot() + QStringLiteral("/GroupDirlist.plist"), "list");
        writeFile(vault_->path(QStringLiteral("a.bin")), "x");
        QDir().mkpath(vault_->path(QStringLiteral("elsewhere")));
        QFile::link(vault_->vaultRoot(), vault_->path(QStringLiteral("vaultlink")));
        const QString path =
            itemPath.startsWith(u'{')
                ? itemPath.replace(QStringLiteral("{drive}"), drive)
                      .replace(QStringLiteral("{parent}"), QFileInfo(vault_->vaultRoot()).path())
                : vault_->path(itemPath);
        const auto item = VaultFixture::itemFor(path, groupName);
        item->encryptedPath = encryptedPath;
        const Snapshot vaultBefore = contentsBelow(vault_->path(QString()));
        const Snapshot driveBefore = contentsBelow(drive);

        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Failed);
        item->isCancel = false;
        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Failed);
        QCOMPARE(contentsBelow(vault_->path(QString())), vaultBefore);
        QCOMPARE(contentsBelow(drive), driveBefore);
        QDir(drive).removeRecursively();
    }

    // A link planted in a store (a drive vault may come from anywhere) never
    // leads the writes of a hide outside the vault; a planted stored top
    // entry is a stored copy the hide does not write into.
    void linksPlantedInTheStoreAreNotFollowed_data() {
        QTest::addColumn<QString>("linkInStore");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the item store") << ""
                                        << "outside";
        QTest::newRow("the stored top folder") << "oDsc"
                                               << "already holds";
        QTest::newRow("a stored sub-folder") << "oDsc/ub"
                                             << "already holds";
    }

    void linksPlantedInTheStoreAreNotFollowed() {
        QFETCH(QString, linkInStore);
        QFETCH(QString, reason);
        const auto item = folderItem(vault_->path(QStringLiteral("Docs")),
                                     {QStringLiteral("a"), QStringLiteral("bu/c")});
        const QString outside = vault_->path(QStringLiteral("Outside"));
        writeFile(outside + QStringLiteral("/mine"), "not the vault's");
        const QString link = vexo::store::joinPath(storeOf(*vault_, item), linkInStore);
        QDir().mkpath(QFileInfo(link).path());
        QVERIFY(QFile::link(outside, link));
        const Snapshot original = contentsBelow(item->path);

        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
        QCOMPARE(filesBelow(outside), QStringList{QStringLiteral("mine")});
        QCOMPARE(contentsBelow(item->path), original);
    }

    // A name that is not UTF-8 cannot be carried through the stored names
    // unchanged: the hide fails instead of storing another file in its place.
    void namesThatAreNotUtf8FailTheHide() {
        const auto item = folderItem(vault_->path(QStringLiteral("Names")), {QStringLiteral("a")});
        const QByteArray folder = QFile::encodeName(item->path);
        for (const QByteArray& name : {QByteArray("caf\xe9"), QByteArray("caf\xef\xbf\xbd")}) {
            const int fd = ::open((folder + '/' + name).constData(), O_WRONLY | O_CREAT, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, name.constData(), static_cast<size_t>(name.size())),
                     static_cast<ssize_t>(name.size()));
            ::close(fd);
        }
        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(QStringLiteral("UTF-8")), qPrintable(result.reason));
        QVERIFY(!QFileInfo::exists(storeOf(*vault_, item)));
        QCOMPARE(vexo::test::listingOrder(item->path).size(), 3);
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
        QVERIFY2(result.reason.contains(item->path), qPrintable(result.reason));
        QVERIFY(item->isCancel);
        QCOMPARE(contentsBelow(storeOf(*vault_, item)), store);
        QCOMPARE(vexo::test::temporaryEntriesBelow(vault_->path(QString())), QStringList());
        if (failure == 0 || failure == 1)
            QVERIFY2(result.reason.contains(QStringLiteral("already exists")),
                     qPrintable(result.reason));
        if (failure == 0)
            QCOMPARE(readFile(item->path), QByteArray("mine"));
        else if (failure == 1)
            QVERIFY(QFileInfo(item->path).isSymLink());
        else
            QVERIFY(!QFileInfo::exists(vault_->path(QStringLiteral("new"))));
    }

    // A hide cut short takes back only what it made: a store that was there
    // before stays as it was, and a stored copy under the final name is never
    // written into.
    void cutShortHidesKeepWhatWasThere_data() {
        QTest::addColumn<int>("cut");
        QTest::newRow("cancelled") << 0;
        QTest::newRow("write fails") << 1;
        QTest::newRow("a stored copy is there") << 2;
    }

    void cutShortHidesKeepWhatWasThere() {
        QFETCH(int, cut);
        const auto item = folderItem(vault_->path(QStringLiteral("Docs")), names("a s/b"));
        writeFile(item->path + QStringLiteral("/z/big"), vexo::test::randomBytes(900000));
        const QString store = storeOf(*vault_, item);
        QVERIFY(QDir().mkpath(store));
        if (cut == 2)
            writeFile(store + QStringLiteral("/oDsc/a"), "an earlier stored copy");
        const Snapshot original = contentsBelow(item->path);
        const Snapshot stored = contentsBelow(store);
        WalkResult result;
        {
            std::optional<vexo::test::ScopedFileSizeLimit> limit;
            if (cut == 1)
                limit.emplace(500000);
            result = EncryptAESAtFilemodel(item, QString(),
                                           cut == 0 ? cancelAfterFirstReport : ProgressCallback());
        }
        HelpClass::sharedInstance().setIsEditCancel(false);
        QCOMPARE(result.outcome, cut == 0 ? WalkOutcome::Cancelled : WalkOutcome::Failed);
        QVERIFY(QFileInfo(store).isDir());
        QCOMPARE(contentsBelow(store), stored);
        QCOMPARE(QFileInfo::exists(store + QStringLiteral("/oDsc")), cut == 2);
        QCOMPARE(vexo::test::temporaryEntriesBelow(store), QStringList());
        QCOMPARE(contentsBelow(item->path), original);
    }

    // Something put at the item's place while its folder is restored stays
    // untouched; the run fails and takes back all it wrote.
    void somethingAtThePlaceMeanwhileFailsTheUnhide_data() {
        QTest::addColumn<int>("intruder");
        QTest::newRow("a file") << 0;
        QTest::newRow("a folder") << 1;
        QTest::newRow("a dangling link") << 2;
    }

    void somethingAtThePlaceMeanwhileFailsTheUnhide() {
        QFETCH(int, intruder);
        const auto item =
            folderItem(vault_->path(QStringLiteral("new/place/Docs")), names("a b s/c"));
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QDir(vault_->path(QStringLiteral("new"))).removeRecursively();
        const Snapshot store = contentsBelow(storeOf(*vault_, item));
        const auto intrude = [&](qint64, float) {
            if (somethingExistsAt(item->path))
                return;
            if (intruder == 0)
                writeFile(item->path, "mine");
            else if (intruder == 1)
                writeFile(item->path + QStringLiteral("/mine"), "mine");
            else
                QVERIFY(QFile::link(QStringLiteral("/no/such"), item->path));
        };
        const WalkResult result = DeCodeAESAtFilemodel(item, QString(), 0, intrude);
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(QStringLiteral("already exists")),
                 qPrintable(result.reason));
        QCOMPARE(contentsBelow(storeOf(*vault_, item)), store);
        QCOMPARE(vexo::test::temporaryEntriesBelow(vault_->path(QString())), QStringList());
        if (intruder == 2)
            QCOMPARE(QFileInfo(item->path).symLinkTarget(), QStringLiteral("/no/such"));
        else
            QCOMPARE(contentsBelow(item->path),
                     (Snapshot{{intruder == 0 ? QString() : QStringLiteral("mine"), "mine"}}));
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
