#include "TestVault.h"
#include "cipher/PosixFiles.h"
#include "vault/NotePackages.h"
#include "vault/Reconcile.h"
#include "vault/VaultMove.h"

#include <QCryptographicHash>
#include <QDirIterator>

#include <filesystem>
#include <sys/stat.h>

using namespace vexo;
using vault::VaultMoveOutcome;
namespace keys = platform::keys;
using platform::Settings;

namespace {

// Everything below folder as "relative path: kind, mode, content digest or
// link target", sorted, so two trees compare equal only when nothing differs.
QStringList treeOf(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(folder).relativeFilePath(info.filePath());
        QString what;
        if (info.isSymLink())
            what = QStringLiteral("link ") +
                   QString::fromStdString(std::filesystem::read_symlink(
                                              QFile::encodeName(info.filePath()).toStdString())
                                              .string());
        else if (info.isDir())
            what = QStringLiteral("folder");
        else
            what = QString::fromLatin1(
                QCryptographicHash::hash(test::readFile(info.filePath()), QCryptographicHash::Md5)
                    .toHex());
        entries << name + QStringLiteral(": ") + what + u' ' +
                       QString::number(test::unixMode(info.filePath()), 8);
    }
    entries.sort();
    return entries;
}

// A vault folder with nested folders, an empty file, files of several
// modes and sizes and a link inside it.
QString makeVaultFolder(const QString& root, qsizetype bigBytes = 300 * 1024) {
    test::writeFile(root + QStringLiteral("/GroupDirlist.plist"), "<plist/>");
    test::writeFile(root + QStringLiteral("/a/b/c/deep.bin"), test::randomBytes(bigBytes, 7));
    test::writeFile(root + QStringLiteral("/a/empty"), {});
    test::writeFile(root + QStringLiteral("/Notes/N1/TXT.rtf"), "{\\rtf1 hi}");
    ::chmod(QFile::encodeName(root + QStringLiteral("/a/empty")).constData(), 0640);
    QFile::link(QStringLiteral("b/c/deep.bin"), root + QStringLiteral("/a/inner-link"));
    return root;
}

bool recordIn(const QString& to) {
    return vault::recordVaultRoot(to);
}

} // namespace

class VaultMoveTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        test::clearSettings();
        QDir(test::scratchRoot()).removeRecursively();
    }

    void aMoveOnOneFileSystemRenamesTheFolder() {
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"));
        const QStringList before = treeOf(from);
        const QString to = test::scratchRoot() + QStringLiteral("/new/place/V.vlt");
        vault::VaultMoveProgress progress;
        const auto result =
            vault::moveVaultFolder(from, to, progress, [&] { return recordIn(to); });
        QCOMPARE(result.outcome, VaultMoveOutcome::Moved);
        QVERIFY(result.leftBehind.isEmpty());
        QVERIFY(!cipher::somethingExistsAt(from));
        QCOMPARE(treeOf(to), before);
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
    }

    void aMoveAcrossFileSystemsCopiesEverythingThenRemovesTheOld() {
        const QString mount = test::scratchRoot() + QStringLiteral("/disk");
        const test::TmpfsMount disk(mount, 8 * 1024 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"));
        const QStringList before = treeOf(from);
        const QString to = mount + QStringLiteral("/V.vlt");
        vault::VaultMoveProgress progress;
        const auto result =
            vault::moveVaultFolder(from, to, progress, [&] { return recordIn(to); });
        QCOMPARE(result.outcome, VaultMoveOutcome::Moved);
        QVERIFY2(result.leftBehind.isEmpty(), qPrintable(result.leftBehind));
        QCOMPARE(treeOf(to), before);
        QVERIFY(!cipher::somethingExistsAt(from));
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
        QCOMPARE(progress.totalBytes.load(), qint64(300 * 1024 + 8 + 10));
        QCOMPARE(progress.copiedBytes.load(), progress.totalBytes.load());
        // No temporary folder stays beside the vault.
        QCOMPARE(QDir(mount).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("V.vlt")});
    }

    // Whatever stops a copy across file systems, the vault stays whole where
    // it was, the setting keeps naming it and the other disk is left empty.
    void aCopyThatEndsEarlyLeavesTheVaultWhereItWas_data() {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<int>("outcome");
        QTest::newRow("disk full") << "full" << int(VaultMoveOutcome::Failed);
        QTest::newRow("cancelled") << "cancel" << int(VaultMoveOutcome::Cancelled);
        QTest::newRow("setting not written") << "commit" << int(VaultMoveOutcome::Failed);
    }
    void aCopyThatEndsEarlyLeavesTheVaultWhereItWas() {
        QFETCH(QString, stop);
        QFETCH(int, outcome);
        const QString mount = test::scratchRoot() + QStringLiteral("/disk");
        const test::TmpfsMount disk(mount, 1024 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const qsizetype big = stop == u"full" ? 2 * 1024 * 1024 : 64 * 1024;
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"), big);
        Settings::setValue(keys::kRootDirKey, from);
        const QStringList before = treeOf(from);
        const QString to = mount + QStringLiteral("/V.vlt");
        vault::VaultMoveProgress progress;
        progress.cancelRequested = stop == u"cancel";
        const auto result = vault::moveVaultFolder(
            from, to, progress, [&] { return stop != u"commit" && recordIn(to); });
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.reason.isEmpty(), stop == u"cancel");
        QCOMPARE(treeOf(from), before);
        QCOMPARE(Settings::value(keys::kRootDirKey), from);
        QVERIFY(QDir(mount).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void aRenameWhoseSettingIsNotWrittenIsUndone() {
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"));
        const QStringList before = treeOf(from);
        const QString to = test::scratchRoot() + QStringLiteral("/V.vlt");
        QDir().mkpath(to); // an empty folder the user chose
        vault::VaultMoveProgress progress;
        const auto result = vault::moveVaultFolder(from, to, progress, [] { return false; });
        QCOMPARE(result.outcome, VaultMoveOutcome::Failed);
        QCOMPARE(treeOf(from), before);
        QVERIFY(QFileInfo(to).isDir());
        QVERIFY(QDir(to).isEmpty());
    }

    void placesThatCannotTakeTheVaultAreRefused_data() {
        QTest::addColumn<QString>("to");
        QTest::newRow("itself") << "old.vlt";
        QTest::newRow("inside itself") << "old.vlt/a/V.vlt";
        QTest::newRow("a folder with content") << "full.vlt";
        QTest::newRow("a file") << "file.vlt";
        QTest::newRow("a dangling link") << "dangling.vlt";
    }
    void placesThatCannotTakeTheVaultAreRefused() {
        QFETCH(QString, to);
        const QString scratch = test::scratchRoot() + u'/';
        const QString from = makeVaultFolder(scratch + QStringLiteral("old.vlt"));
        test::writeFile(scratch + QStringLiteral("full.vlt/keep"), "keep");
        test::writeFile(scratch + QStringLiteral("file.vlt"), "keep");
        QFile::link(scratch + QStringLiteral("nowhere"), scratch + QStringLiteral("dangling.vlt"));
        const QStringList before = treeOf(test::scratchRoot());
        vault::VaultMoveProgress progress;
        bool committed = false;
        const auto result = vault::moveVaultFolder(from, scratch + to, progress, [&] {
            committed = true;
            return true;
        });
        QCOMPARE(result.outcome, VaultMoveOutcome::Failed);
        QVERIFY(result.reason.startsWith(scratch));
        QVERIFY(!committed);
        QCOMPARE(treeOf(test::scratchRoot()), before);
    }

    void aMissingVaultFolderIsMadeAnewAtTheNewPlace() {
        const QString to = test::scratchRoot() + QStringLiteral("/made/V.vlt");
        vault::VaultMoveProgress progress;
        const auto result =
            vault::moveVaultFolder(test::scratchRoot() + QStringLiteral("/gone.vlt"), to, progress,
                                   [&] { return recordIn(to); });
        QCOMPARE(result.outcome, VaultMoveOutcome::Moved);
        QVERIFY(QFileInfo(to).isDir());
        QCOMPARE(test::unixMode(to), 0700);
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
    }

    // The open vault follows its folder: hidden items unhide from the new
    // place, notes are found there and the vault is held there.
    void anOpenVaultFollowsItsFolder() {
        const QString from = test::scratchRoot() + QStringLiteral("/old.vlt");
        const QString to = test::scratchRoot() + QStringLiteral("/new.vlt");
        const QString file = test::scratchRoot() + QStringLiteral("/outside/photo.jpg");
        test::writeFile(file, test::randomBytes(50000, 3));
        {
            test::TestVault vault(from);
            QVERIFY(vault.addAndWait({file}));
            QVERIFY(!QFileInfo::exists(file));
            const store::FileModelPtr note = vault.controller.addNoteAction();
            QVERIFY(note != nullptr && note->path.startsWith(from));

            vault::VaultMoveProgress progress;
            QCOMPARE(
                vault::moveVaultFolder(from, to, progress, [&] { return recordIn(to); }).outcome,
                VaultMoveOutcome::Moved);
            vault.controller.vaultFolderMoved(from, to);
            QVERIFY(note->path.startsWith(to + QStringLiteral("/Notes/")));
            QVERIFY(QFileInfo(note->path).isDir());
            QCOMPARE(test::TestVault::savedNoteList().at(1)->fileModels.constLast()->path,
                     note->path);
            QVERIFY(vault::vaultOpenElsewhere(to));

            QVERIFY(vault.switchAndWait(vault.itemAt(file)));
            QCOMPARE(test::readFile(file), test::randomBytes(50000, 3));
        }
        QVERIFY(!vault::vaultOpenElsewhere(to));
    }

    void notesOfAVaultMovedByHandAreFoundAtTheNextStart() {
        const QString from = test::scratchRoot() + QStringLiteral("/old.vlt");
        const QString to = test::scratchRoot() + QStringLiteral("/elsewhere/moved.vlt");
        QString notePath;
        {
            test::TestVault vault(from);
            notePath = vault.controller.addNoteAction()->path;
        }
        QDir().mkpath(test::scratchRoot() + QStringLiteral("/elsewhere"));
        QVERIFY(QDir().rename(from, to));
        Settings::setValue(keys::kRootDirKey, to);
        test::ScriptedPrompt prompt;
        vault::VaultCatalogue catalogue{prompt};
        vault::MainViewController controller{catalogue};
        controller.setUp();
        const QString expected = to + QStringLiteral("/Notes/") + QFileInfo(notePath).fileName();
        QCOMPARE(catalogue.groupNoteList.at(1)->fileModels.constLast()->path, expected);
        QCOMPARE(test::TestVault::savedNoteList().at(1)->fileModels.constLast()->path, expected);
    }
};

VEXO_TEST_MAIN(VaultMoveTest)
#include "tst_vaultmove.moc"
