#include "StoreDamage.h"
#include "VaultFixture.h"
#include "cipher/ItemOnDisk.h"
#include "cipher/KeyText.h"
#include "cipher/StoreCheck.h"
#include "cipher/StoredForm.h"
#include "platform/Digest.h"
#include "support/TestEnvironment.h"

#include <algorithm>

using namespace vexo::cipher;
using namespace vexo::test;
using vexo::store::FileModelPtr;

namespace {

enum class Digest { Recorded, LowerCase, None };

enum class Damage {
    FlipBodyMiddle, // only a digest tells
    CutTail,
    Emptied,
    FlipHeader,
    FlipLastBodyBlock,
    Removed, // from here on nothing of a single file's body is read
    DanglingLink,
    StoreRemoved,
    UnsafeRecord,
    LinkOutsideStore,
    StoreLinkedOutsideVault,
    FolderInstead // an unhide takes it as it finds it
};

} // namespace

Q_DECLARE_METATYPE(Digest)
Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(StoreState)

namespace {

const QStringList kNestedFiles = names("a.bin x/y.txt x/z/deep.jpg");

// "1 1 2" for the ordinals reported 2, 1, 1.
QString sorted(QList<qint64> ordinals) {
    std::sort(ordinals.begin(), ordinals.end());
    QStringList texts;
    for (const qint64 ordinal : ordinals)
        texts << QString::number(ordinal);
    return texts.join(u' ');
}

} // namespace

class StoreCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vault_ = std::make_unique<VaultFixture>(); }

    // Every byte of every stored file is read (a text file's body in whole
    // blocks), one report per chunk, files numbered as the restore walk
    // numbers them; a recorded digest matches in either letter case.
    void intactStoresPass_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entries"); // none: a single file of size bytes
        QTest::addColumn<int>("size");
        QTest::addColumn<Digest>("digest");
        QTest::addColumn<qint64>("bodyBytes");
        QTest::addColumn<QString>("reports");
        const Digest kept = Digest::Recorded;
        const Digest none = Digest::None;
        addRow("several chunks", "big.bin", "", 1'300'000, kept, 1'300'000ll, "1 1 1");
        addRow("text file", "notes.txt", "", 700'001, kept, 700'016ll, "1 1");
        addRow("text of whole blocks", "block.md", "", 32, kept, 48ll, "1");
        addRow("empty file", "empty.bin", "", 0, kept, 0ll, "1");
        addRow("empty text file", "empty.txt", "", 0, kept, 16ll, "1");
        addRow("lower-case digest", "low.bin", "", 1000, Digest::LowerCase, 1000ll, "1");
        addRow("no digest", "plain.bin", "", 1000, none, 1000ll, "1");
        addRow("nested folder", "Docs", "a.bin x/y.txt x/z/w/deep.jpg", 0, none, 600ll, "1 2 3");
        addRow("empty sub-folders", "Docs", "a.bin none/ x/none/", 0, none, 100ll, "1");
        addRow("no files", "Empty", "none/", 0, none, 0ll, "");
        addRow("text-like folder name", "notes.md", "a.txt b.md", 0, none, 300ll, "1 2");
    }
    void intactStoresPass() {
        QFETCH(QString, name);
        QFETCH(QString, entries);
        QFETCH(int, size);
        QFETCH(Digest, digest);
        QFETCH(qint64, bodyBytes);
        QFETCH(QString, reports);
        const FileModelPtr item =
            entries.isEmpty() ? hiddenFile(name, size, digest) : hiddenFolder(name, names(entries));
        QVERIFY(item);
        QList<qint64> ordinals;
        float last = 0;
        const StoreCheck found = checkItemStore(item, [&](qint64 ordinal, float value) {
            ordinals << ordinal;
            last = value;
        });
        QCOMPARE(found.state, StoreState::Intact);
        QVERIFY(found.reason.isEmpty());
        QCOMPARE(item->currentEncryptSize.load(), bodyBytes);
        QCOMPARE(last, static_cast<float>(bodyBytes));
        QCOMPARE(sorted(ordinals), reports);
    }

    // A bad stored file anywhere in a folder's tree damages the item, and the
    // reason names it; an unhide of it fails for that same reason and changes
    // nothing in the vault or where its links lead. The target is a single
    // file item, or a file in folder item "Docs".
    void damagedStoresAreFound_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("digest");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<StoreState>("state");
        QTest::addColumn<QString>("reasonPart");
        using D = Damage;
        const StoreState bad = StoreState::Damaged;
        const StoreState missing = StoreState::Missing;
        const char* cutShort = "damaged or cut short";
        const char* changed = "not what was";
        const char* notFollowed = "not followed";
        addRow("footer cut by one byte", "big.bin", true, D::CutTail, bad, cutShort);
        addRow("emptied", "big.bin", true, D::Emptied, bad, cutShort);
        addRow("header damaged", "big.bin", true, D::FlipHeader, bad, cutShort);
        addRow("plain body changed", "big.bin", true, D::FlipBodyMiddle, bad, changed);
        addRow("enciphered body changed", "a.txt", true, D::FlipBodyMiddle, bad, changed);
        addRow("enciphered end changed", "a.txt", false, D::FlipLastBodyBlock, bad, "decipher");
        // Without a digest only the envelope and the reading are checked.
        addRow("plain body changed, no digest", "big.bin", false, D::FlipBodyMiddle,
               StoreState::Intact, "");
        addRow("stored file removed", "big.bin", true, D::Removed, missing, "no stored copy");
        addRow("item store removed", "big.bin", true, D::StoreRemoved, missing, "no stored copy");
        addRow("folder in place of the file", "big.bin", true, D::FolderInstead, bad, "a folder");
        addRow("dangling link", "big.bin", true, D::DanglingLink, bad, notFollowed);
        addRow("link out of the store", "big.bin", true, D::LinkOutsideStore, bad, notFollowed);
        addRow("store linked out of the vault", "big.bin", true, D::StoreLinkedOutsideVault, bad,
               "leads outside the vault");
        addRow("record without a safe store", "big.bin", true, D::UnsafeRecord, bad, "no valid");
        addRow("nested file cut short", "Docs/x/z/deep.jpg", false, D::CutTail, bad, cutShort);
        addRow("file in a folder emptied", "Docs/a.bin", false, D::Emptied, bad, cutShort);
        addRow("header in a folder damaged", "Docs/x/y.txt", false, D::FlipHeader, bad, cutShort);
        addRow("dangling link in a folder", "Docs/x/y.txt", false, D::DanglingLink, bad,
               notFollowed);
        addRow("link out in a folder", "Docs/x/z/deep.jpg", false, D::LinkOutsideStore, bad,
               notFollowed);
    }
    void damagedStoresAreFound() {
        QFETCH(QString, target);
        QFETCH(bool, digest);
        QFETCH(Damage, damage);
        QFETCH(StoreState, state);
        QFETCH(QString, reasonPart);
        const QString file = target.section(u'/', 1);
        const FileModelPtr item =
            file.isEmpty() ? hiddenFile(target, 600'000, digest ? Digest::Recorded : Digest::None)
                           : hiddenFolder(target.section(u'/', 0, 0), kNestedFiles);
        QVERIFY(item);
        damageStore(item, file, damage);
        const QString stored = storedPathOf(*item, file);
        const StoreCheck found = checkItemStore(item);
        QCOMPARE(found.state, state);
        QVERIFY2(found.reason.contains(reasonPart), qPrintable(found.reason));
        QVERIFY2(file.isEmpty() || found.reason.contains(stored), qPrintable(found.reason));
        if (file.isEmpty() && damage >= Damage::Removed)
            QCOMPARE(item->currentEncryptSize.load(), 0);

        if (damage == Damage::FlipBodyMiddle || damage == Damage::FolderInstead)
            return;
        const QString outside = vault_->path(QStringLiteral("outside"));
        const QStringList vaultBefore = diskStateBelow(vault_->vaultRoot());
        const QStringList outsideBefore = diskStateBelow(outside);
        const WalkResult result = DeCodeAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QCOMPARE(result.reason, found.reason);
        QVERIFY(item->isCancel);
        QVERIFY(!QFileInfo::exists(item->path));
        QCOMPARE(temporaryEntriesBelow(vault_->path(QString())), QStringList());
        QCOMPARE(diskStateBelow(vault_->vaultRoot()), vaultBefore);
        QCOMPARE(diskStateBelow(outside), outsideBefore);
    }

    // Files are opened for reading only: nothing in the vault changes, for
    // an intact store or a damaged one; leftovers of interrupted runs and the
    // restore mark beside the stored top entry are no damage.
    void aCheckWritesNothing() {
        const FileModelPtr folder = hiddenFolder(QStringLiteral("Docs"), kNestedFiles);
        const FileModelPtr text = hiddenFile(QStringLiteral("a.txt"), 40'000, Digest::None);
        QVERIFY(folder && text);
        const QString store = vexo::store::itemStorePath(*folder);
        writeFile(store + QStringLiteral("/.oDsc.vexo-a1B2c3/a"), "partial");
        writeFile(store + QStringLiteral("/.ab.nib.vexo-Q9w8e7"), "partial");
        writeFile(restoreMarkOf(store), {});
        damageStore(text, QString(), Damage::FlipLastBodyBlock);
        const QStringList before = diskStateBelow(vault_->vaultRoot());
        QCOMPARE(checkItemStore(folder).state, StoreState::Intact);
        QCOMPARE(checkItemStore(text).state, StoreState::Damaged);
        QCOMPARE(diskStateBelow(vault_->vaultRoot()), before);
    }

    // The user's cancel or the item's own stops a check between chunks and
    // between files; what was read stays counted and nothing changes.
    void aCancelStopsTheCheck_data() {
        QTest::addColumn<QStringList>("files"); // none: one file of several chunks
        QTest::addColumn<bool>("cancelledBefore");
        QTest::addColumn<int>("reports");
        addRow("between chunks", QStringList(), false, 1);
        addRow("between files", kNestedFiles, false, 1);
        addRow("item cancelled before", QStringList(), true, 0);
    }
    void aCancelStopsTheCheck() {
        QFETCH(QStringList, files);
        QFETCH(bool, cancelledBefore);
        QFETCH(int, reports);
        const FileModelPtr item =
            files.isEmpty() ? hiddenFile(QStringLiteral("large.bin"), 2'000'000, Digest::Recorded)
                            : hiddenFolder(QStringLiteral("Docs"), files);
        QVERIFY(item);
        const QStringList before = diskStateBelow(vault_->vaultRoot());
        item->isCancel = cancelledBefore;
        QList<qint64> done;
        const StoreCheck found = checkItemStore(item, [&done](qint64, float value) {
            done << static_cast<qint64>(value);
            vexo::store::HelpClass::sharedInstance().setIsEditCancel(true); // the cancel button
        });
        QCOMPARE(found.state, StoreState::Stopped);
        QVERIFY(item->isCancel);
        QCOMPARE(done.size(), reports);
        QCOMPARE(item->currentEncryptSize.load(), done.value(0));
        QCOMPARE(diskStateBelow(vault_->vaultRoot()), before);
    }

private:
    FileModelPtr hiddenFile(const QString& name, int size, Digest digest) {
        const QString path = vault_->path(name);
        writeFile(path, randomBytes(size, static_cast<quint32>(size)));
        const FileModelPtr item = VaultFixture::itemFor(path);
        if (digest != Digest::None)
            item->md5CodePath = vexo::platform::fileDigest(path);
        if (digest == Digest::LowerCase)
            item->md5CodePath = item->md5CodePath.toLower();
        return hidden(item);
    }

    FileModelPtr hiddenFolder(const QString& name, const QStringList& entries) {
        return hidden(vault_->folderItem(name, entries));
    }

    static FileModelPtr hidden(const FileModelPtr& item) {
        if (!hideAndRemove(item))
            return nullptr;
        item->currentEncryptSize = 0;
        return item;
    }

    // Damages the stored file for file in the item (the item's own entry when
    // empty) or the item's store as a whole.
    void damageStore(const FileModelPtr& item, const QString& file, Damage damage) {
        const QString stored = storedPathOf(*item, file);
        const qint64 size = QFileInfo(stored).size();
        const qint64 envelope = envelopeFor(getEncrtyptPassword())->header.size();
        const QString outside = vault_->path(QStringLiteral("outside"));
        const QString store = vexo::store::itemStorePath(*item);
        switch (damage) {
        case Damage::CutTail:
            return cutTail(stored, 1);
        case Damage::Emptied:
            return cutTail(stored, size);
        case Damage::FlipHeader:
            return flipByte(stored, 0);
        case Damage::FlipBodyMiddle:
            return flipByte(stored, envelope + (size - 2 * envelope) / 2);
        case Damage::FlipLastBodyBlock:
            return flipByte(stored, size - envelope - 1);
        case Damage::Removed:
            QVERIFY(QFile::remove(stored));
            return;
        case Damage::FolderInstead:
            QVERIFY(QFile::remove(stored) && QDir().mkdir(stored));
            return;
        case Damage::DanglingLink:
            QVERIFY(QFile::remove(stored) && QFile::link(QStringLiteral("nowhere"), stored));
            return;
        case Damage::LinkOutsideStore: // a whole stored file, outside the vault
            QVERIFY(QFile::rename(stored, outside) && QFile::link(outside, stored));
            return;
        case Damage::StoreRemoved:
            return removeFile(store);
        case Damage::StoreLinkedOutsideVault:
            QVERIFY(QDir().rename(store, outside) && QFile::link(outside, store));
            return;
        case Damage::UnsafeRecord:
            item->encryptedPath = QStringLiteral("../../elsewhere");
            return;
        }
    }

    std::unique_ptr<VaultFixture> vault_;
};

VEXO_TEST_MAIN(StoreCheckTest)
#include "tst_storecheck.moc"
