#include "StoreDamage.h"
#include "VaultFixture.h"
#include "cipher/HiddenFile.h"
#include "cipher/ItemOnDisk.h"
#include "cipher/KeyText.h"
#include "cipher/StoreCheck.h"
#include "cipher/StoredForm.h"
#include "platform/Digest.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <numeric>
#include <unistd.h>

using namespace vexo::cipher;
using vexo::store::FileModelPtr;
using vexo::test::diskStateBelow;
using vexo::test::VaultFixture;

namespace {

enum class Digest { Recorded, LowerCase, None };

enum class Damage {
    CutTail,
    Emptied,
    FlipHeader,
    FlipBodyMiddle,
    FlipLastBodyBlock,
    Removed,
    // From here on the store is refused before anything is read.
    FolderInstead,
    DanglingLink,
    LinkOutsideStore,
    StoreRemoved,
    StoreLinkedOutsideVault,
    UnsafeRecord,
};

} // namespace

Q_DECLARE_METATYPE(Digest)
Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(StoreState)

namespace {

QStringList names(const char* list) {
    return QString::fromUtf8(list).split(u' ', Qt::SkipEmptyParts);
}

QStringList nestedFiles() {
    return names("a.bin x/y.txt x/z/deep.jpg");
}

// The folder items below hold files of 100, 200, 300... bytes.
qint64 contentBytes(const QStringList& files) {
    const qint64 n = files.size();
    return 100 * n * (n + 1) / 2;
}

// Hides item as a walk does and removes its source, as the flow does after.
FileModelPtr hidden(const FileModelPtr& item) {
    if (EncryptAESAtFilemodel(item, QString()).outcome != WalkOutcome::Succeeded)
        return nullptr;
    removeFile(item->path);
    item->isEncrtypt = true;
    item->currentEncryptSize = 0;
    return item;
}

} // namespace

class StoreCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vault_ = std::make_unique<VaultFixture>(); }

    // Every byte of the stored body is read (an enciphered body in whole
    // blocks), and a recorded digest matches in either letter case.
    void intactFilesPass_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<Digest>("digest");
        QTest::addColumn<qint64>("bodyBytes");
        QTest::newRow("several chunks")
            << "big.bin" << 1'300'000 << Digest::Recorded << 1'300'000ll;
        QTest::newRow("text file") << "notes.txt" << 700'001 << Digest::Recorded << 700'016ll;
        QTest::newRow("text of whole blocks") << "block.md" << 32 << Digest::Recorded << 48ll;
        QTest::newRow("empty file") << "empty.bin" << 0 << Digest::Recorded << 0ll;
        QTest::newRow("empty text file") << "empty.txt" << 0 << Digest::Recorded << 16ll;
        QTest::newRow("lower-case digest") << "low.bin" << 1000 << Digest::LowerCase << 1000ll;
        QTest::newRow("no digest") << "plain.bin" << 1000 << Digest::None << 1000ll;
    }

    void intactFilesPass() {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(Digest, digest);
        QFETCH(qint64, bodyBytes);
        const FileModelPtr item = hiddenFile(name, size, digest);
        QVERIFY(item);
        QList<qint64> ordinals;
        float last = -1;
        const StoreCheck found = checkItemStore(item, [&](qint64 ordinal, float value) {
            ordinals << ordinal;
            last = value;
        });
        QCOMPARE(found.state, StoreState::Intact);
        QVERIFY(found.reason.isEmpty());
        QCOMPARE(item->currentEncryptSize.load(), bodyBytes);
        QCOMPARE(last, static_cast<float>(bodyBytes));
        QCOMPARE(ordinals.count(1), ordinals.size());
    }

    // Every stored file of the tree is read and numbered as the restore walk
    // numbers them; a folder named like a text file holds plain bodies.
    void intactFoldersPass_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("emptyFolders");
        QTest::newRow("nested") << "Docs" << names("a.bin x/y.txt x/z/w/deep.jpg") << QStringList();
        QTest::newRow("empty sub-folders") << "Docs" << names("a.bin") << names("none x/none");
        QTest::newRow("empty folder") << "Empty" << QStringList() << QStringList();
        QTest::newRow("text-like name") << "notes.md" << names("a.txt b.md") << QStringList();
    }

    void intactFoldersPass() {
        QFETCH(QString, name);
        QFETCH(QStringList, files);
        QFETCH(QStringList, emptyFolders);
        const FileModelPtr item = hiddenFolder(name, files, emptyFolders);
        QVERIFY(item);
        QList<qint64> ordinals; // one chunk, so one report, per small file
        const auto record = [&](qint64 ordinal, float) { ordinals << ordinal; };
        QCOMPARE(checkItemStore(item, record).state, StoreState::Intact);
        QCOMPARE(item->currentEncryptSize.load(), contentBytes(files));
        std::sort(ordinals.begin(), ordinals.end());
        QList<qint64> expected(files.size());
        std::iota(expected.begin(), expected.end(), 1);
        QCOMPARE(ordinals, expected);
    }

    void damagedFilesAreFound_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Digest>("digest");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<StoreState>("state");
        QTest::addColumn<QString>("reasonPart");
        const auto row = [](const char* title, const char* file, Digest digest, Damage damage,
                            StoreState state, const char* reason) {
            QTest::newRow(title) << QString::fromUtf8(file) << digest << damage << state
                                 << QString::fromUtf8(reason);
        };
        const Digest kept = Digest::Recorded;
        const StoreState bad = StoreState::Damaged;
        const char* cutShort = "damaged or cut short";
        row("footer cut by one byte", "big.bin", kept, Damage::CutTail, bad, cutShort);
        row("emptied", "big.bin", kept, Damage::Emptied, bad, cutShort);
        row("header damaged", "big.bin", kept, Damage::FlipHeader, bad, cutShort);
        row("plain body changed", "big.bin", kept, Damage::FlipBodyMiddle, bad, "not what was");
        row("enciphered body changed", "a.txt", kept, Damage::FlipBodyMiddle, bad, "not what was");
        row("enciphered end changed, no digest", "a.txt", Digest::None, Damage::FlipLastBodyBlock,
            bad, "does not decipher");
        // Without a digest only the envelope and the reading are checked.
        row("plain body changed, no digest", "big.bin", Digest::None, Damage::FlipBodyMiddle,
            StoreState::Intact, "");
        row("stored file removed", "big.bin", kept, Damage::Removed, StoreState::Missing,
            "holds no stored copy");
        row("item store removed", "big.bin", kept, Damage::StoreRemoved, StoreState::Missing,
            "holds no stored copy");
        row("folder in place of the file", "big.bin", kept, Damage::FolderInstead, bad,
            "a folder, where a file was hidden");
        row("dangling link", "big.bin", kept, Damage::DanglingLink, bad, "not followed");
        row("link out of the store", "big.bin", kept, Damage::LinkOutsideStore, bad,
            "not followed");
        row("item store linked out of the vault", "big.bin", kept, Damage::StoreLinkedOutsideVault,
            bad, "leads outside the vault");
        row("record without a safe store", "big.bin", kept, Damage::UnsafeRecord, bad,
            "no valid place");
    }

    void damagedFilesAreFound() {
        QFETCH(QString, name);
        QFETCH(Digest, digest);
        QFETCH(Damage, damage);
        QFETCH(StoreState, state);
        QFETCH(QString, reasonPart);
        const FileModelPtr item = hiddenFile(name, 600'000, digest);
        QVERIFY(item);
        damageStore(item, QString(), damage);
        const StoreCheck found = checkItemStore(item, {});
        QCOMPARE(found.state, state);
        QVERIFY2(found.reason.contains(reasonPart), qPrintable(found.reason));
        if (state == StoreState::Missing || damage >= Damage::FolderInstead)
            QCOMPARE(item->currentEncryptSize.load(), 0);
    }

    // One bad stored file anywhere in the tree damages the item; the reason
    // names it.
    void damagedFoldersAreFound_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("nested file cut short") << "x/z/deep.jpg" << Damage::CutTail << "cut short";
        QTest::newRow("file emptied") << "a.bin" << Damage::Emptied << "cut short";
        QTest::newRow("header damaged") << "x/y.txt" << Damage::FlipHeader << "cut short";
        QTest::newRow("dangling link") << "x/y.txt" << Damage::DanglingLink << "not followed";
        QTest::newRow("link out of the store")
            << "x/z/deep.jpg" << Damage::LinkOutsideStore << "not followed";
    }

    void damagedFoldersAreFound() {
        QFETCH(QString, file);
        QFETCH(Damage, damage);
        QFETCH(QString, reasonPart);
        const FileModelPtr item = hiddenFolder(QStringLiteral("Docs"), nestedFiles(), {});
        QVERIFY(item);
        damageStore(item, file, damage);
        const StoreCheck found = checkItemStore(item, {});
        QCOMPARE(found.state, StoreState::Damaged);
        QVERIFY2(found.reason.contains(reasonPart), qPrintable(found.reason));
        QVERIFY2(found.reason.contains(storedPathOf(*item, file)), qPrintable(found.reason));
    }

    // Files are opened for reading only: nothing in the vault changes, for
    // an intact store or a damaged one; leftovers of interrupted runs and the
    // restore mark beside the stored top entry are no damage.
    void aCheckWritesNothing() {
        const FileModelPtr folder = hiddenFolder(QStringLiteral("Docs"), nestedFiles(), {});
        const FileModelPtr text = hiddenFile(QStringLiteral("a.txt"), 40'000, Digest::None);
        QVERIFY(folder && text);
        const QString store = vexo::store::itemStorePath(*folder);
        vexo::test::writeFile(store + QStringLiteral("/.oDsc.vexo-a1B2c3/a"), "partial");
        vexo::test::writeFile(store + QStringLiteral("/.ab.nib.vexo-Q9w8e7"), "partial");
        vexo::test::writeFile(restoreMarkOf(store), {});
        damageStore(text, QString(), Damage::FlipLastBodyBlock);
        const QStringList before = diskStateBelow(vault_->vaultRoot());
        QCOMPARE(checkItemStore(folder, {}).state, StoreState::Intact);
        QCOMPARE(checkItemStore(text, {}).state, StoreState::Damaged);
        QCOMPARE(diskStateBelow(vault_->vaultRoot()), before);
    }

    // The user's cancel or the item's own stops a check between chunks and
    // between files; what was read stays counted and nothing changes.
    void aCancelStopsTheCheck_data() {
        QTest::addColumn<QStringList>("files"); // none: one file of several chunks
        QTest::addColumn<bool>("cancelledBefore");
        QTest::addColumn<int>("reports");
        QTest::newRow("between chunks") << QStringList() << false << 1;
        QTest::newRow("between files") << nestedFiles() << false << 1;
        QTest::newRow("item cancelled before") << QStringList() << true << 0;
    }

    void aCancelStopsTheCheck() {
        QFETCH(QStringList, files);
        QFETCH(bool, cancelledBefore);
        QFETCH(int, reports);
        const FileModelPtr item =
            files.isEmpty() ? hiddenFile(QStringLiteral("large.bin"), 2'000'000, Digest::Recorded)
                            : hiddenFolder(QStringLiteral("Docs"), files, {});
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
        vexo::test::writeFile(path, vexo::test::randomBytes(size, static_cast<quint32>(size)));
        const FileModelPtr item = VaultFixture::itemFor(path);
        if (digest != Digest::None)
            item->md5CodePath = vexo::platform::fileDigest(path);
        if (digest == Digest::LowerCase)
            item->md5CodePath = item->md5CodePath.toLower();
        return hidden(item);
    }

    FileModelPtr hiddenFolder(const QString& name, const QStringList& files,
                              const QStringList& emptyFolders) {
        const QString path = vault_->path(name);
        QDir().mkpath(path);
        for (qsizetype i = 0; i < files.size(); ++i)
            vexo::test::writeFile(path + u'/' + files.at(i),
                                  vexo::test::randomBytes(100 * (i + 1), i));
        for (const QString& folder : emptyFolders)
            QDir(path).mkpath(folder);
        return hidden(VaultFixture::itemFor(path));
    }

    // Damages the stored file for itemPath (the item's own entry when empty)
    // or the item's store as a whole.
    void damageStore(const FileModelPtr& item, const QString& itemPath, Damage damage) {
        const QString stored = storedPathOf(*item, itemPath);
        const qint64 size = QFileInfo(stored).size();
        const qint64 envelope = envelopeFor(getEncrtyptPassword())->header.size();
        const QString outside = vault_->path(QStringLiteral("outside"));
        const QString store = vexo::store::itemStorePath(*item);
        switch (damage) {
        case Damage::CutTail:
            return vexo::test::cutTail(stored, 1);
        case Damage::Emptied:
            return vexo::test::cutTail(stored, size);
        case Damage::FlipHeader:
            return vexo::test::flipByte(stored, 0);
        case Damage::FlipBodyMiddle:
            return vexo::test::flipByte(stored, envelope + (size - 2 * envelope) / 2);
        case Damage::FlipLastBodyBlock:
            return vexo::test::flipByte(stored, size - envelope - 1);
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
