#include "StoreDamage.h"
#include "VaultFixture.h"
#include "cipher/ItemOnDisk.h"
#include "cipher/ItemStore.h"
#include "cipher/PosixFiles.h"
#include "cipher/StoreCheck.h"
#include "support/TestEnvironment.h"

#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <utility>

using namespace vexo::cipher;
using namespace vexo::test;
using vexo::store::FileModelPtr;
using vexo::store::HelpClass;

namespace {

enum class StoreBefore { None, EmptyFolder, EarlierCopy, Hidden };
// Cut and Grown happen to a single file source while it is read.
enum class Disturbance { None, WriteFails, NoSource, Cut, Grown, FileAdded, Cancel, Cleared };

} // namespace

Q_DECLARE_METATYPE(StoreBefore)
Q_DECLARE_METATYPE(Disturbance)

namespace {

QString drive() {
    return testVolumesRoot() + QStringLiteral("/USB1");
}

void cancelAfterFirstReport(qint64, float) {
    HelpClass::sharedInstance().setIsEditCancel(true);
}

QtMessageHandler previousHandler = nullptr;

// Plays another switch that starts while a walk runs: it clears the shared
// cancel flag as soon as the walk has logged that it saw a cancel.
void clearCancelOnceSeen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QStringLiteral("已被取消")) || text.contains(QStringLiteral("已取消")))
        HelpClass::sharedInstance().setIsEditCancel(false);
    previousHandler(type, context, text);
}

// The ordinals a walk over folder (files a, b, s/c and s/d) reports: files in
// listing order, those of s numbered on from the count when it is entered,
// and its parent going on from its own count afterwards.
QList<qint64> expectedOrdinals(const QString& folder) {
    QList<qint64> expected;
    qint64 count = 0;
    for (const QString& name : listingOrder(folder)) {
        if (name == QStringLiteral("s"))
            expected << count + 1 << count + 2;
        else
            expected << ++count;
    }
    return expected;
}

} // namespace

class FolderWalkTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vault_ = std::make_unique<VaultFixture>(); }
    void cleanup() {
        QDir(drive()).removeRecursively();
        if (previousHandler)
            qInstallMessageHandler(std::exchange(previousHandler, nullptr));
    }

    void filesReportOrdinalsInListingOrder() {
        const auto item = vault_->folderItem(QStringLiteral("Tree"), names("a b s/c s/d"));
        QList<qint64> reported;
        const auto record = [&](qint64 index, float) { reported << index; };
        QCOMPARE(EncryptAESAtFilemodel(item, QString(), record).outcome, WalkOutcome::Succeeded);
        QCOMPARE(reported, expectedOrdinals(item->path));
        QCOMPARE(item->currentEncryptSize.load(), 1000);

        removeFile(item->path);
        reported.clear();
        QCOMPARE(DeCodeAESAtFilemodel(item, QString(), 0, record).outcome, WalkOutcome::Succeeded);
        QCOMPARE(reported, expectedOrdinals(vault_->storeOf(item) + QStringLiteral("/rTee")));
    }

    // Every file has a stored file of its own with a plain body, whatever the
    // folder's name; empty folders come back through the kept attributes.
    void folderItemsRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        addRow("nested", "Docs", names("a.bin x/y.txt x/z/deep.jpg"));
        addRow("empty sub-folders", "Docs", names("a.bin nothing/ x/nothing/"));
        addRow("empty folder item", "Empty", QStringList());
        addRow("dot names", "Home", names(".hidden .config/app.conf ..x"));
        addRow("name with an extension", "photos.2020", names("1.jpg 2.jpg trip/3.jpg"));
        addRow("text-like name", "notes.md", names("a.txt b.md"));
    }
    void folderItemsRoundTrip() {
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        const auto item = vault_->folderItem(name, entries);
        const Snapshot original = contentsBelow(item->path);

        roundTrip(item);
        QVERIFY(QFileInfo(item->path).isDir());
        QCOMPARE(contentsBelow(item->path), original);
        Snapshot stored = contentsBelow(vault_->storeOf(item));
        QCOMPARE(stored.remove(QStringLiteral(".restored")), 1);
        QCOMPARE(stored.remove(QStringLiteral(".attributes")), 1);
        QCOMPARE(stored.size(), original.size());
        for (const QString& entry : entries) {
            if (entry.endsWith(u'/'))
                QVERIFY(QFileInfo(item->path + u'/' + entry).isDir());
            else
                QCOMPARE(stored.value(AESPath(name + u'/' + entry)).size(),
                         original.value(entry).size() + 128);
        }
    }

    void driveItemsLiveInTheDriveVault() {
        writeFile(drive() + QStringLiteral("/Docs/a.txt"), "on the drive");
        const auto item = VaultFixture::itemFor(drive() + QStringLiteral("/Docs/a.txt"),
                                                QStringLiteral("USB1/MyVault.vlt"));
        roundTrip(item);
        QVERIFY(QFileInfo::exists(drive() + QStringLiteral("/MyVault.vlt/") + item->encryptedPath +
                                  QStringLiteral("/.axtt")));
        QCOMPARE(readFile(item->path), QByteArray("on the drive"));
    }

    // A hide that cannot write or read everything, or is cancelled, takes back
    // only what it made: the source stays as it was, a store that was there
    // before stays as it was (a hidden item's is then the only copy), and a
    // stored copy under the final name is never written into. The cancel flag
    // is shared: another switch starting may clear it right after this walk
    // saw it, and the walk must still end as cancelled, not as a success with
    // files left out.
    void hidesThatDoNotCompleteKeepWhatWasThere_data() {
        QTest::addColumn<QStringList>("entries"); // none: a single file of several chunks
        QTest::addColumn<StoreBefore>("storeBefore");
        QTest::addColumn<Disturbance>("disturbance");
        using S = StoreBefore;
        using D = Disturbance;
        const QStringList single;
        const QStringList folder = names("a s/b");
        addRow("write fails", single, S::None, D::WriteFails);
        addRow("write fails in a folder", folder, S::None, D::WriteFails);
        addRow("write fails, store there", folder, S::EmptyFolder, D::WriteFails);
        addRow("source missing", single, S::None, D::NoSource);
        addRow("source cut short while read", single, S::None, D::Cut);
        addRow("source grows while read", single, S::None, D::Grown);
        addRow("a file added to the folder", folder, S::None, D::FileAdded);
        addRow("cancelled", single, S::None, D::Cancel);
        addRow("cancelled in a folder", folder, S::None, D::Cancel);
        addRow("cancelled, store there", folder, S::EmptyFolder, D::Cancel);
        addRow("cancel seen, then cleared", single, S::None, D::Cleared);
        addRow("cancel seen, then cleared, in a folder", folder, S::None, D::Cleared);
        addRow("a stored copy is there", folder, S::EarlierCopy, D::None);
        addRow("hidden already, single file", single, S::Hidden, D::None);
        addRow("hidden already, folder", folder, S::Hidden, D::None);
    }
    void hidesThatDoNotCompleteKeepWhatWasThere() {
        QFETCH(QStringList, entries);
        QFETCH(StoreBefore, storeBefore);
        QFETCH(Disturbance, disturbance);
        const QString path = vault_->path(QStringLiteral("item"));
        writeFile(path + (entries.isEmpty() ? QString() : QStringLiteral("/z/big")),
                  randomBytes(1200000));
        const auto item = entries.isEmpty() ? VaultFixture::itemFor(path)
                                            : vault_->folderItem(QStringLiteral("item"), entries);
        const QString store = vault_->storeOf(item);
        const QString storedTop = store + QStringLiteral("/time");
        if (storeBefore == StoreBefore::EmptyFolder)
            QVERIFY(QDir().mkpath(store));
        if (storeBefore == StoreBefore::EarlierCopy)
            writeFile(storedTop + QStringLiteral("/a"), "an earlier stored copy");
        if (storeBefore == StoreBefore::Hidden)
            QVERIFY(hideAndRemove(item));
        if (disturbance == Disturbance::NoSource)
            QVERIFY(QFile::remove(path));
        Snapshot original = contentsBelow(path);
        const Snapshot stored = contentsBelow(store);
        const bool cancelled = disturbance >= Disturbance::Cancel;
        if (disturbance == Disturbance::Cleared)
            previousHandler = qInstallMessageHandler(clearCancelOnceSeen);
        const auto whileReading = [&](qint64, float) {
            QFile source(path);
            if (cancelled)
                HelpClass::sharedInstance().setIsEditCancel(true);
            else if (disturbance == Disturbance::Cut)
                QVERIFY(source.resize(1000));
            else if (disturbance == Disturbance::Grown)
                QVERIFY(source.open(QIODevice::Append) && source.write("appended") == 8);
            else if (disturbance == Disturbance::FileAdded)
                writeFile(path + QStringLiteral("/late"), "saved meanwhile");
        };
        WalkResult result;
        {
            std::optional<ScopedFileSizeLimit> limit;
            if (disturbance == Disturbance::WriteFails)
                limit.emplace(500000);
            result = EncryptAESAtFilemodel(item, QString(), whileReading);
        }
        QCOMPARE(result.outcome, cancelled ? WalkOutcome::Cancelled : WalkOutcome::Failed);
        QVERIFY(item->isCancel);
        QVERIFY(!cancelled || item->currentEncryptSize.load() < 1200000);
        QVERIFY2(cancelled || result.reason.startsWith(vault_->path(QString())),
                 qPrintable(result.reason));
        QCOMPARE(QFileInfo::exists(store), storeBefore != StoreBefore::None);
        QCOMPARE(QFileInfo::exists(storedTop), storeBefore >= StoreBefore::EarlierCopy);
        QCOMPARE(contentsBelow(store), stored);
        QCOMPARE(temporaryEntriesBelow(vault_->path(QString())), QStringList());
        if (disturbance == Disturbance::FileAdded)
            original.insert(QStringLiteral("late"), "saved meanwhile");
        if (disturbance != Disturbance::Cut && disturbance != Disturbance::Grown)
            QCOMPARE(contentsBelow(path), original);
    }

    // Records that place the store outside a vault folder, or an item that
    // lies inside its vault folder or holds it, are refused before anything
    // is written or removed.
    void itemsWithoutASafePlaceAreRefused_data() {
        QTest::addColumn<QString>("itemPath");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<QString>("encryptedPath");
        const char* local = "systemDevicName";
        const char* store = "77-1700000000/9";
        const char* onDrive = "{drive}/Docs/a.bin";
        addRow("empty store", "a.bin", local, "");
        addRow("store of slashes", "a.bin", local, "//");
        addRow("store above the vault", "a.bin", local, "../..");
        addRow("store with a dot", "a.bin", local, "g/.");
        addRow("the vault folder", "Vault.vlt", local, store);
        addRow("a folder holding the vault", "{parent}", local, store);
        addRow("a group folder", "Vault.vlt/77-1700000000", local, store);
        addRow("another item's store", "Vault.vlt/77-1700000000/1234", local, store);
        addRow("a path through a link to the vault", "vaultlink/77-1700000000/1234", local, store);
        addRow("a path with dot-dot", "elsewhere/../Vault.vlt/77-1700000000/1234", local, store);
        addRow("drive vault without a name", onDrive, "", "Photos");
        addRow("drive vault named dot-dot", onDrive, "USB1/..", "USB1/Photos");
        addRow("the whole drive", "{drive}", "USB1/MyVault.vlt", store);
    }
    void itemsWithoutASafePlaceAreRefused() {
        QFETCH(QString, itemPath);
        QFETCH(QString, groupName);
        QFETCH(QString, encryptedPath);
        writeFile(drive() + QStringLiteral("/Docs/a.bin"), "on the drive");
        writeFile(drive() + QStringLiteral("/Photos/p.jpg"), "a photo");
        writeFile(drive() + QStringLiteral("/MyVault.vlt/GroupDirlist.plist"), "drive list");
        writeFile(vault_->vaultRoot() + QStringLiteral("/77-1700000000/1234/eroptrp.fd"), "stored");
        writeFile(vault_->vaultRoot() + QStringLiteral("/GroupDirlist.plist"), "list");
        writeFile(vault_->path(QStringLiteral("a.bin")), "x");
        QDir().mkpath(vault_->path(QStringLiteral("elsewhere")));
        QFile::link(vault_->vaultRoot(), vault_->path(QStringLiteral("vaultlink")));
        const QString path =
            itemPath.startsWith(u'{')
                ? itemPath.replace(QStringLiteral("{drive}"), drive())
                      .replace(QStringLiteral("{parent}"), QFileInfo(vault_->vaultRoot()).path())
                : vault_->path(itemPath);
        const auto item = VaultFixture::itemFor(path, groupName);
        item->encryptedPath = encryptedPath;
        const Snapshot vaultBefore = contentsBelow(vault_->path(QString()));
        const Snapshot driveBefore = contentsBelow(drive());

        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Failed);
        item->isCancel = false;
        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Failed);
        QCOMPARE(contentsBelow(vault_->path(QString())), vaultBefore);
        QCOMPARE(contentsBelow(drive()), driveBefore);
    }

    // A store planted as a link (a drive vault may come from anywhere) never
    // leads the writes of a hide outside the vault. Something planted under
    // the stored top name is refused as a stored copy is.
    void storesLinkedOutsideAreNotWrittenThrough() {
        const auto item = vault_->folderItem(QStringLiteral("Docs"), names("a bu/c"));
        const QString outside = vault_->path(QStringLiteral("Outside"));
        writeFile(outside + QStringLiteral("/mine"), "not the vault's");
        QDir().mkpath(QFileInfo(vault_->storeOf(item)).path());
        QVERIFY(QFile::link(outside, vault_->storeOf(item)));
        const Snapshot original = contentsBelow(item->path);

        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(QStringLiteral("outside")), qPrintable(result.reason));
        QCOMPARE(filesBelow(outside), QStringList{QStringLiteral("mine")});
        QCOMPARE(contentsBelow(item->path), original);
    }

    // A name that is not UTF-8 cannot be carried through the stored names
    // unchanged: the hide fails instead of storing another file in its place.
    void namesThatAreNotUtf8FailTheHide() {
        const auto item = vault_->folderItem(QStringLiteral("Names"), names("a"));
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
        QVERIFY(!QFileInfo::exists(vault_->storeOf(item)));
        QCOMPARE(listingOrder(item->path).size(), 3);
    }

    // An unhide never writes over anything, also what appears at the place
    // while it runs, and takes back all it wrote when it fails or is
    // cancelled (the folders it made too); the store stays as it was.
    void failedUnhidesLeaveNothing_data() {
        QTest::addColumn<QString>("intruder");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("single");
        addRow("a file in the way", "file", "in the way", false);
        addRow("a folder in the way", "folder", "in the way", false);
        addRow("a dangling link in the way", "link", "in the way", false);
        addRow("a file appears meanwhile", "file", "meanwhile", false);
        addRow("a folder appears meanwhile", "folder", "meanwhile", false);
        addRow("a dangling link appears meanwhile", "link", "meanwhile", false);
        addRow("write fails", "", "write fails", false);
        addRow("write fails, single file", "", "write fails", true);
        addRow("nothing stored", "", "nothing stored", false);
        addRow("cancelled", "", "cancelled", false);
        addRow("cancelled, single file", "", "cancelled", true);
        addRow("cancel seen, then cleared", "", "cancel cleared", false);
        addRow("cancel seen, then cleared, single file", "", "cancel cleared", true);
    }
    void failedUnhidesLeaveNothing() {
        QFETCH(QString, intruder);
        QFETCH(QString, failure);
        QFETCH(bool, single);
        const QString place = QStringLiteral("new/place/Docs");
        writeFile(vault_->path(place) + (single ? QString() : QStringLiteral("/z/big")),
                  randomBytes(900000));
        const auto item = single ? VaultFixture::itemFor(vault_->path(place))
                                 : vault_->folderItem(place, names("small s/t/small"));
        QVERIFY(hideAndRemove(item));
        QVERIFY(QDir(vault_->path(QStringLiteral("new"))).removeRecursively());
        const auto intrude = [&] {
            if (intruder == u"file")
                writeFile(item->path, "mine");
            else if (intruder == u"folder")
                writeFile(item->path + QStringLiteral("/mine"), "mine");
            else if (QDir().mkpath(QFileInfo(item->path).path()))
                QVERIFY(QFile::link(QStringLiteral("/no/such"), item->path));
        };
        if (failure == u"in the way")
            intrude();
        if (failure == u"nothing stored")
            removeFile(vault_->storeOf(item));
        const Snapshot store = contentsBelow(vault_->storeOf(item));
        const bool cancelled = failure.startsWith(u"cancel");
        ProgressCallback progress = cancelled ? cancelAfterFirstReport : ProgressCallback();
        if (failure == u"cancel cleared")
            previousHandler = qInstallMessageHandler(clearCancelOnceSeen);
        if (failure == u"meanwhile")
            progress = [&](qint64, float) {
                if (!somethingExistsAt(item->path))
                    intrude();
            };
        WalkResult result;
        {
            std::optional<ScopedFileSizeLimit> limit;
            if (failure == u"write fails")
                limit.emplace(500000);
            result = DeCodeAESAtFilemodel(item, QString(), 0, progress);
        }
        QCOMPARE(result.outcome, cancelled ? WalkOutcome::Cancelled : WalkOutcome::Failed);
        // A single file's reason may name its temporary file beside the place.
        const QString named = single ? QFileInfo(item->path).path() : item->path;
        QVERIFY2(cancelled || result.reason.contains(named), qPrintable(result.reason));
        QVERIFY2(intruder.isEmpty() || result.reason.contains(QStringLiteral("already exists")),
                 qPrintable(result.reason));
        QVERIFY(item->isCancel);
        QCOMPARE(contentsBelow(vault_->storeOf(item)), store);
        QCOMPARE(temporaryEntriesBelow(vault_->path(QString())), QStringList());
        if (intruder.isEmpty())
            QVERIFY(!QFileInfo::exists(vault_->path(QStringLiteral("new"))));
        else if (intruder == u"link")
            QCOMPARE(QFileInfo(item->path).symLinkTarget(), QStringLiteral("/no/such"));
        else
            QCOMPARE(
                contentsBelow(item->path),
                (Snapshot{{intruder == u"file" ? QString() : QStringLiteral("mine"), "mine"}}));
    }

    // A link in a store is followed while it stays inside the store, as the
    // store check allows; one to a folder is refused by both. The stored file
    // of file in the item (the item itself when empty) moves to "copy" at the
    // top of the store, or a folder takes that name, and a link to it takes
    // the stored file's place.
    void linksInsideTheStoreAreFollowedAsChecked_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("linkText");
        QTest::addColumn<bool>("toFolder");
        addRow("single file, relative link", "", "copy", false);
        addRow("file in a folder, link up the tree", "x/b", "../../copy", false);
        addRow("file in a folder, absolute link", "x/b", "{store}/copy", false);
        addRow("link to a folder in the store", "", "copy", true);
    }
    void linksInsideTheStoreAreFollowedAsChecked() {
        QFETCH(QString, file);
        QFETCH(QString, linkText);
        QFETCH(bool, toFolder);
        const auto item = file.isEmpty() ? VaultFixture::itemFor(vault_->path(QStringLiteral("a")))
                                         : vault_->folderItem(QStringLiteral("Docs"), {file});
        if (file.isEmpty())
            writeFile(item->path, randomBytes(3000));
        const Snapshot original = contentsBelow(item->path);
        QVERIFY(hideAndRemove(item));
        const QString store = vault_->storeOf(item);
        const QString stored = storedPathOf(*item, file);
        const QString copy = store + QStringLiteral("/copy");
        QVERIFY(toFolder ? QFile::remove(stored) && QDir().mkdir(copy)
                         : QFile::rename(stored, copy));
        QVERIFY(QFile::link(linkText.replace(QStringLiteral("{store}"), store), stored));

        QCOMPARE(checkItemStore(item).state, toFolder ? StoreState::Damaged : StoreState::Intact);
        const WalkResult result = DeCodeAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, toFolder ? WalkOutcome::Failed : WalkOutcome::Succeeded);
        QCOMPARE(contentsBelow(item->path), toFolder ? Snapshot() : original);
        QVERIFY(QFileInfo(stored).isSymLink());
    }

    // A part of an item restored on its own (by the walk below a stored
    // folder, or by the one-file step) is refused when it is reached through
    // a link out of the store, however deep: nothing is written anywhere. The
    // linked entry of item "Docs" moves outside the vault and a link to it
    // takes its place in the store.
    void partsReachedThroughLinksOutAreRefused_data() {
        QTest::addColumn<QString>("linked");
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("oneFile");
        addRow("linked folder, by the walk", "x", "x", false);
        addRow("folder below a linked one, by the walk", "x", "x/z", false);
        addRow("file below a linked folder, one file", "x", "x/b", true);
        addRow("linked file, one file", "a", "a", true);
    }
    void partsReachedThroughLinksOutAreRefused() {
        QFETCH(QString, linked);
        QFETCH(QString, part);
        QFETCH(bool, oneFile);
        const auto item = vault_->folderItem(QStringLiteral("Docs"), names("a x/b x/z/c"));
        QVERIFY(hideAndRemove(item));
        const QString stored = storedPathOf(*item, linked);
        const QString outside = vault_->path(QStringLiteral("outside"));
        QVERIFY(QDir().rename(stored, outside) && QFile::link(outside, stored));
        const QStringList before = diskStateBelow(vault_->path(QString()));

        if (oneFile) {
            jiemi(item, part, false);
            QVERIFY(item->isCancel);
        } else {
            const WalkResult result = DeCodeAESAtFilemodel(item, part);
            QCOMPARE(result.outcome, WalkOutcome::Failed);
            QCOMPARE(result.reason, linkLeadsOutsideReason(storedPathOf(*item, part)));
        }
        QCOMPARE(diskStateBelow(vault_->path(QString())), before);
    }

    // Links planted beside the stored copy are never read by an unhide; the
    // restore mark written where one stands replaces it, and removing the
    // store afterwards takes the links, never what they lead to.
    void linksBesideTheStoredCopyLeadNowhere() {
        const auto item = vault_->folderItem(QStringLiteral("Docs"), names("a x/b"));
        const Snapshot original = contentsBelow(item->path);
        QVERIFY(hideAndRemove(item));
        const QString outside = vault_->path(QStringLiteral("outside"));
        writeFile(outside + QStringLiteral("/file"), "not the vault's");
        writeFile(outside + QStringLiteral("/folder/deep"), "not the vault's either");
        const QString store = vault_->storeOf(item);
        const QString mark = restoreMarkOf(store);
        QVERIFY(QFile::link(outside + QStringLiteral("/file"), mark));
        QVERIFY(QFile::link(outside + QStringLiteral("/file"), store + QStringLiteral("/file")));
        QVERIFY(QDir().mkpath(store + QStringLiteral("/sub")));
        QVERIFY(QFile::link(outside, store + QStringLiteral("/sub/folder")));
        const QStringList outsideBefore = diskStateBelow(outside);

        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QCOMPARE(contentsBelow(item->path), original);
        QVERIFY(!QFileInfo(mark).isSymLink() && QFileInfo(mark).isFile());
        QVERIFY(removeItemAside(store));
        QVERIFY(!somethingExistsAt(store));
        QCOMPARE(diskStateBelow(outside), outsideBefore);
    }

    void drivesWithoutRoomAreRefusedBeforeWriting() {
        TmpfsMount mount(drive(), 2 * 1024 * 1024);
        if (!mount.mounted())
            QSKIP(qPrintable(mount.whyNot()));
        writeFile(drive() + QStringLiteral("/big.bin"), randomBytes(1536 * 1024));
        const auto item = VaultFixture::itemFor(drive() + QStringLiteral("/big.bin"),
                                                QStringLiteral("USB1/MyVault.vlt"));
        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(QStringLiteral("1.5 MB")), qPrintable(result.reason));
        QCOMPARE(QDir(drive()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("big.bin")});
    }

private:
    std::unique_ptr<VaultFixture> vault_;
};

VEXO_TEST_MAIN(FolderWalkTest)
#include "tst_folderwalk.moc"
