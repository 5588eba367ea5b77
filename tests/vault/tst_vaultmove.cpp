#include "TestVault.h"
#include "cipher/PosixFiles.h"
#include "vault/NotePackages.h"
#include "vault/Reconcile.h"
#include "vault/VaultMove.h"

#include <QCryptographicHash>
#include <QDirIterator>

#include <filesystem>
#include <optional>
#include <sys/stat.h>

using namespace vexo;
using vault::VaultMoveOutcome;
namespace keys = platform::keys;
using platform::Settings;

namespace {

// Everything below folder as "relative path: kind, mode, content digest or
// link target", sorted, so two trees compare equal only when nothing differs;
// the open vault's own lock and mark left out.
QStringList treeOf(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(folder).relativeFilePath(info.filePath());
        if (name == u".vault-lock" || name == u".session-open")
            continue;
        QString what;
        if (info.isSymLink())
            what = QStringLiteral("link ") +
                   QString::fromStdString(std::filesystem::read_symlink(
                                              QFile::encodeName(info.filePath()).toStdString())
                                              .string());
        else if (info.isDir())
            what = QStringLiteral("folder");
        else if (!info.isFile())
            what = QStringLiteral("special");
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
        const auto result = vault::moveVaultFolder(from, to, progress);
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
        const auto result = vault::moveVaultFolder(from, to, progress);
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
        QTest::newRow("no room on the disk") << "room" << int(VaultMoveOutcome::Failed);
        QTest::newRow("a write fails") << "write" << int(VaultMoveOutcome::Failed);
        QTest::newRow("a pipe in the vault") << "pipe" << int(VaultMoveOutcome::Failed);
        QTest::newRow("cancelled") << "cancel" << int(VaultMoveOutcome::Cancelled);
        QTest::newRow("setting not written") << "record" << int(VaultMoveOutcome::Failed);
    }
    void aCopyThatEndsEarlyLeavesTheVaultWhereItWas() {
        QFETCH(QString, stop);
        QFETCH(int, outcome);
        const QString mount = test::scratchRoot() + QStringLiteral("/disk");
        const test::TmpfsMount disk(mount, 1024 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const qsizetype big = stop == u"room" ? 2 * 1024 * 1024 : 64 * 1024;
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"), big);
        if (stop == u"pipe")
            QCOMPARE(
                ::mkfifo(QFile::encodeName(from + QStringLiteral("/a/pipe")).constData(), 0600), 0);
        Settings::setValue(keys::kRootDirKey, from);
        const QStringList before = treeOf(from);
        const QString to = mount + QStringLiteral("/V.vlt");
        vault::VaultMoveProgress progress;
        progress.cancelRequested = stop == u"cancel";
        vault::VaultMoveResult result;
        {
            std::optional<test::ScopedFileSizeLimit> limit;
            if (stop == u"write")
                limit.emplace(16 * 1024);
            result = vault::moveVaultFolder(from, to, progress, [&](const QString& root) {
                return stop != u"record" && vault::recordVaultRoot(root);
            });
        }
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.reason.isEmpty(), stop == u"cancel");
        QCOMPARE(treeOf(from), before);
        QCOMPARE(Settings::value(keys::kRootDirKey), from);
        QVERIFY(!Settings::contains(keys::vaultMovePending));
        QVERIFY(QDir(mount).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // The old folder cannot go (a disk mounted inside it): the vault is
    // complete in its new place and the user learns what was left.
    void anOldFolderThatCannotBeRemovedIsToldAndTheVaultStaysMoved() {
        const QString mount = test::scratchRoot() + QStringLiteral("/disk");
        const test::TmpfsMount disk(mount, 4 * 1024 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"));
        const test::TmpfsMount inside(from + QStringLiteral("/a/busy"), 64 * 1024);
        const QString to = mount + QStringLiteral("/V.vlt");
        vault::VaultMoveProgress progress;
        const auto result = vault::moveVaultFolder(from, to, progress);
        QCOMPARE(result.outcome, VaultMoveOutcome::Moved);
        QVERIFY(result.leftBehind.startsWith(from));
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
        QCOMPARE(test::readFile(to + QStringLiteral("/a/empty")), QByteArray());
    }

    // A kill or a power cut between renaming the folder and recording it.
    void aRenameCutShortIsRecordedAtTheNextStart() {
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"));
        const QString to = test::scratchRoot() + QStringLiteral("/V.vlt");
        Settings::setValue(keys::kRootDirKey, from);
        Settings::setValue(keys::vaultMovePending, QStringList{from, to});
        QVERIFY(QDir().rename(from, to));
        vault::finishInterruptedVaultMove();
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
        QVERIFY(!Settings::contains(keys::vaultMovePending));

        // Cut short before the rename: the vault is where the setting says.
        Settings::setValue(keys::vaultMovePending, QStringList{to, from});
        vault::finishInterruptedVaultMove();
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
        QVERIFY(!Settings::contains(keys::vaultMovePending));
    }

    void aRenameWhoseSettingIsNotWrittenIsUndone() {
        const QString from = makeVaultFolder(test::scratchRoot() + QStringLiteral("/old.vlt"));
        const QStringList before = treeOf(from);
        const QString to = test::scratchRoot() + QStringLiteral("/V.vlt");
        QDir().mkpath(to); // an empty folder the user chose
        vault::VaultMoveProgress progress;
        const auto result =
            vault::moveVaultFolder(from, to, progress, [](const QString&) { return false; });
        QCOMPARE(result.outcome, VaultMoveOutcome::Failed);
        QCOMPARE(treeOf(from), before);
        QVERIFY(QFileInfo(to).isDir());
        QVERIFY(QDir(to).isEmpty());
    }

    void placesThatCannotTakeTheVaultAreRefused_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("itself") << "old.vlt"
                                << "old.vlt";
        QTest::newRow("inside itself") << "old.vlt"
                                       << "old.vlt/a/V.vlt";
        QTest::newRow("a folder with content") << "old.vlt"
                                               << "full.vlt";
        QTest::newRow("a file") << "old.vlt"
                                << "file.vlt";
        QTest::newRow("a dangling link") << "old.vlt"
                                         << "dangling.vlt";
        QTest::newRow("a removable drive") << "old.vlt"
                                           << "Volumes/STICK/V.vlt";
        QTest::newRow("the vault is a link") << "link.vlt"
                                             << "new.vlt";
    }
    void placesThatCannotTakeTheVaultAreRefused() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        const QString scratch = test::scratchRoot() + u'/';
        makeVaultFolder(scratch + QStringLiteral("old.vlt"));
        test::writeFile(scratch + QStringLiteral("full.vlt/keep"), "keep");
        test::writeFile(scratch + QStringLiteral("file.vlt"), "keep");
        QFile::link(scratch + QStringLiteral("nowhere"), scratch + QStringLiteral("dangling.vlt"));
        QFile::link(scratch + QStringLiteral("old.vlt"), scratch + QStringLiteral("link.vlt"));
        const QStringList before = treeOf(test::scratchRoot());
        vault::VaultMoveProgress progress;
        bool committed = false;
        const auto result =
            vault::moveVaultFolder(scratch + from, scratch + to, progress, [&](const QString&) {
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
            vault::moveVaultFolder(test::scratchRoot() + QStringLiteral("/gone.vlt"), to, progress);
        QCOMPARE(result.outcome, VaultMoveOutcome::Moved);
        QVERIFY(QFileInfo(to).isDir());
        QCOMPARE(test::unixMode(to), 0700);
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
    }

    // The open vault follows its folder, renamed or copied to another disk:
    // hidden items unhide from the new place, notes are found there, the
    // vault is held there and closes cleanly there.
    void anOpenVaultFollowsItsFolder_data() {
        QTest::addColumn<bool>("acrossDisks");
        QTest::newRow("renamed") << false;
        QTest::newRow("copied to another disk") << true;
    }
    void anOpenVaultFollowsItsFolder() {
        QFETCH(bool, acrossDisks);
        const QString mount = test::scratchRoot() + QStringLiteral("/disk");
        std::optional<test::TmpfsMount> disk;
        if (acrossDisks) {
            disk.emplace(mount, 4 * 1024 * 1024);
            if (!disk->mounted())
                QSKIP(qPrintable(disk->whyNot()));
        }
        const QString from = test::scratchRoot() + QStringLiteral("/old.vlt");
        const QString to = (acrossDisks ? mount : test::scratchRoot()) + QStringLiteral("/new.vlt");
        const QString file = test::scratchRoot() + QStringLiteral("/outside/photo.jpg");
        test::writeFile(file, test::randomBytes(50000, 3));
        {
            test::TestVault vault(from);
            QVERIFY(vault.addAndWait({file}));
            QVERIFY(!QFileInfo::exists(file));
            const store::FileModelPtr note = vault.controller.addNoteAction();
            QVERIFY(note != nullptr && note->path.startsWith(from));

            vault::VaultMoveProgress progress;
            vault::VaultMoveResult moved = vault::moveVaultFolder(from, to, progress);
            QCOMPARE(moved.outcome, VaultMoveOutcome::Moved);
            QCOMPARE(moved.newHold.valid(), acrossDisks);
            vault.controller.vaultFolderMoved(from, to, std::move(moved.newHold));
            QVERIFY(note->path.startsWith(to + QStringLiteral("/Notes/")));
            QVERIFY(QFileInfo(note->path).isDir());
            QCOMPARE(test::TestVault::savedNoteList().at(1)->fileModels.constLast()->path,
                     note->path);
            QVERIFY(vault::vaultOpenElsewhere(to));

            QVERIFY(vault.switchAndWait(vault.itemAt(file)));
            QCOMPARE(test::readFile(file), test::randomBytes(50000, 3));
        }
        QVERIFY(!vault::vaultOpenElsewhere(to));
        QVERIFY(!QFileInfo::exists(to + QStringLiteral("/.session-open")));
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
