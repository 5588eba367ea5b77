#include "TestVault.h"
#include "platform/Clock.h"
#include "vault/NotePackages.h"

#include <QSignalSpy>

using namespace vexo;
using store::FileModelPtr;
using test::namesOf;
using test::words;

namespace {

constexpr qint64 kNow = 1700000000;
const QString kNotes = store::kSystemDevicNoteName;

void setNow(qint64 seconds) {
    platform::setClockForTesting([seconds] { return seconds * 1000; });
}

QString inNotes(const QString& name) {
    return store::joinPath(store::AppRootNoteDirPath(), name);
}

QString mainFile(const QString& package) {
    return store::joinPath(package, vault::kNoteMainFileName);
}

} // namespace

class NotesTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() {
        setNow(kNow);
        startCase();
        work_ = controller().createGroup(kNotes); // header, All notes, Work, add row
        controller().renameGroup(work_, QStringLiteral("Work"));
    }

    void cleanup() {
        endCase();
        platform::setClockForTesting({});
    }

    void addingANoteMakesItsPackageAndOpensIt() {
        for (int i = 0; i < 3; ++i)
            addNote(2, QStringLiteral("n%1").arg(i), kNow - 9 + i);
        setNow(kNow);
        QSignalSpy changed(&catalogue(), &vault::VaultCatalogue::listsChanged);
        const FileModelPtr note = controller().addNoteAction();
        QCOMPARE(note->path, inNotes(QStringLiteral("Note3_%1").arg(kNow)));
        QVERIFY(QFile::exists(mainFile(note->path)));
        QCOMPARE(QFileInfo(mainFile(note->path)).size(), 0);
        QCOMPARE(test::unixMode(note->path), 0700);
        QCOMPARE(test::unixMode(mainFile(note->path)), 0600);
        QCOMPARE(note->name, QStringLiteral("Untitled Note"));
        QVERIFY(note->isEncrtypt);
        QCOMPARE(note->macAddress, test::kTestMacAddress);
        QCOMPARE(note->createDate, kNow);
        QCOMPARE(note->addDate, kNow);
        QCOMPARE(note->fileIndex, 3);
        QCOMPARE(note->groupIndex, 2);
        QCOMPARE(controller().selectedNote(), note);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(saved().at(2)->fileModels.size(), 4);
        QCOMPARE(saved().at(2)->fileModels.last()->name, QStringLiteral("Untitled Note"));
    }

    void aNewNoteNeverReusesAPackage() {
        const FileModelPtr first = addNote(2, QStringLiteral("a"), kNow);
        const FileModelPtr second = addNote(2, QStringLiteral("b"), kNow);
        test::writeFile(mainFile(second->path), "keep");
        controller().deleteNote(first);
        const FileModelPtr third = controller().addNoteAction(); // again the second of the group
        QCOMPARE(third->path, inNotes(QStringLiteral("Note1_%1-2").arg(kNow)));
        QCOMPARE(test::readFile(mainFile(second->path)), QByteArray("keep"));

        // A package left on disk by a deleted note group is not taken either.
        test::writeFile(mainFile(first->path), "left over");
        controller().createGroup(kNotes);
        QCOMPARE(controller().addNoteAction()->path,
                 inNotes(QStringLiteral("Note0_%1-2").arg(kNow)));
        QCOMPARE(test::readFile(mainFile(first->path)), QByteArray("left over"));
    }

    void aNoteGoesToAllNotesWhenNoNoteGroupIsSelected_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<qint64>("index");
        QTest::newRow("All notes") << kNotes << qint64(1);
        QTest::newRow("a file group") << store::kSystemDevicName << qint64(2);
        QTest::newRow("the notes header") << kNotes << qint64(0);
        QTest::newRow("the add row") << kNotes << qint64(3);
        QTest::newRow("out of range") << kNotes << qint64(9);
    }

    void aNoteGoesToAllNotesWhenNoNoteGroupIsSelected() {
        QFETCH(QString, section);
        QFETCH(qint64, index);
        controller().selectGroupName = section;
        controller().selectGroupIndex = index;
        const FileModelPtr note = controller().addNoteAction();
        QCOMPARE(catalogue().groupNoteList.at(1)->fileModels.size(), 1);
        QCOMPARE(catalogue().groupNoteList.at(1)->fileModels.first(), note);
        QCOMPARE(note->groupIndex, 1);
        QCOMPARE(controller().selectGroupName, kNotes);
        QCOMPARE(controller().selectGroupIndex, 1);
        QCOMPARE(controller().selectedNote(), note);
    }

    void allNotesListsEveryGroupAndSortsACopy() {
        addNote(2, QStringLiteral("b"), kNow + 1);
        addNote(1, QStringLiteral("c"), kNow + 3);
        addNote(2, QStringLiteral("a"), kNow + 2);
        controller().notesSortType = 2;
        controller().selectGroupIndex = 1;
        controller().chooseNotesShown();
        QCOMPARE(namesOf(controller().selected_notesList), words("a b c"));
        QCOMPARE(namesOf(work_->fileModels), words("b a"));
    }

    void sortingReordersTheGroup_data() {
        QTest::addColumn<qint64>("key");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("names");
        // Stored: Zeta (added 30, created 5), alpha (10, 5), Mid (10, 1).
        QTest::newRow("added, stable") << qint64(1) << true << words("alpha Mid Zeta");
        QTest::newRow("added, descending") << qint64(1) << false << words("Zeta alpha Mid");
        QTest::newRow("title, case first") << qint64(2) << true << words("Mid Zeta alpha");
        QTest::newRow("title, descending") << qint64(2) << false << words("alpha Zeta Mid");
        QTest::newRow("created, stable") << qint64(3) << true << words("Mid Zeta alpha");
        QTest::newRow("created, descending") << qint64(3) << false << words("Zeta alpha Mid");
        QTest::newRow("no key: added") << qint64(0) << true << words("alpha Mid Zeta");
    }

    void sortingReordersTheGroup() {
        QFETCH(qint64, key);
        QFETCH(bool, ascending);
        QFETCH(QStringList, names);
        const FileModelPtr zeta = addNote(2, QStringLiteral("Zeta"), 30, 5);
        const FileModelPtr alpha = addNote(2, QStringLiteral("alpha"), 10, 5);
        const FileModelPtr mid = addNote(2, QStringLiteral("Mid"), 10, 1);
        work_->fileModels = {zeta, alpha, mid};
        controller().notesSortType = key;
        controller().isAscending = ascending;
        controller().chooseNotesShown();
        QCOMPARE(namesOf(controller().selected_notesList), names);
        QCOMPARE(namesOf(work_->fileModels), names);
    }

    void theSortMenuOrdersWhatTheNextSaveWrites() {
        for (const char* title : {"b", "C", "a"})
            addNote(2, QString::fromUtf8(title), kNow);
        controller().NotesSortpopAction(8);
        controller().NotesSortpopAction(2);
        controller().NotesSortpopAction(9);
        QVERIFY(!controller().isAscending);
        QCOMPARE(controller().notesSortType, 2);
        QVERIFY(catalogue().SaveGroupList(vault::ListSelector::Notes));
        QCOMPARE(namesOf(saved().at(2)->fileModels), words("b a C"));
    }

    void deletingNotes() {
        const FileModelPtr first = addNote(2, QStringLiteral("a"), kNow);
        const FileModelPtr middle = addNote(2, QStringLiteral("b"), kNow + 1);
        const FileModelPtr last = addNote(2, QStringLiteral("c"), kNow + 2);
        controller().deleteNote(middle);
        QVERIFY(!QFileInfo::exists(middle->path));
        QVERIFY(QFileInfo::exists(last->path));
        QCOMPARE(last->fileIndex, 1);
        QDir(last->path).removeRecursively(); // a package already gone
        controller().deleteNote(last);
        controller().deleteNote(first);
        QVERIFY(work_->fileModels.isEmpty());
        QVERIFY(controller().selected_notesList.isEmpty());
        QVERIFY(!controller().selectedNote());
        QVERIFY(saved().at(2)->fileModels.isEmpty());
    }

    void deletingLeavesWhatIsNotItsOwnPackage() {
        const QString outside = base() + QStringLiteral("/outside");
        test::writeFile(mainFile(outside), "theirs");
        const FileModelPtr far = addNote(2, QStringLiteral("far"), kNow);
        const FileModelPtr linked = addNote(2, QStringLiteral("linked"), kNow);
        const FileModelPtr shared = addNote(2, QStringLiteral("shared"), kNow);
        QDir(far->path).removeRecursively();
        far->path = outside;
        QDir(linked->path).removeRecursively();
        QVERIFY(QFile::link(outside, linked->path));
        const FileModelPtr twin = addNote(2, QStringLiteral("twin"), kNow);
        twin->path = shared->path;
        for (const FileModelPtr& note : {far, linked, twin})
            controller().deleteNote(note);
        QCOMPARE(test::readFile(mainFile(outside)), QByteArray("theirs"));
        QVERIFY(!QFileInfo(linked->path).isSymLink());
        QVERIFY(QFileInfo::exists(mainFile(shared->path)));
    }

    void renamingMovesThePackage() {
        const FileModelPtr note = addNote(2, QStringLiteral("Untitled Note"), kNow);
        const QString old = note->path;
        test::writeFile(mainFile(old), "{\\rtf1 milk}");
        test::writeFile(old + QStringLiteral("/photo.png"), "png");
        for (const QString& unchanged : {QString(), QStringLiteral("Untitled Note")})
            QVERIFY(!controller().renameNote(note, unchanged));
        QCOMPARE(note->path, old);
        QVERIFY(controller().renameNote(note, QStringLiteral("Shopping")));
        QCOMPARE(note->path, inNotes(QStringLiteral("Shopping")));
        QVERIFY(!QFileInfo::exists(old));
        QCOMPARE(test::readFile(mainFile(note->path)), QByteArray("{\\rtf1 milk}"));
        QCOMPARE(test::readFile(note->path + QStringLiteral("/photo.png")), QByteArray("png"));
        const FileModelPtr stored = saved().at(2)->fileModels.first();
        QCOMPARE(stored->name, QStringLiteral("Shopping"));
        QCOMPARE(stored->path, note->path);

        // A title that maps to the folder the note already has keeps it.
        QVERIFY(controller().renameNote(note, QStringLiteral("a/b")));
        QVERIFY(controller().renameNote(note, QStringLiteral("a-b")));
        QCOMPARE(note->path, inNotes(QStringLiteral("a-b")));
    }

    void renamingNeverTouchesAnotherPackage_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("folder");
        QTest::newRow("another note's")
            << QStringLiteral("Shopping") << QStringLiteral("Shopping 3");
        QTest::newRow("recorded, gone") << QStringLiteral("Lost") << QStringLiteral("Lost 2");
        QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("a-b");
        QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("-");
        QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("--");
        QTest::newRow("climbing") << QStringLiteral("../x") << QStringLiteral("..-x");
        QTest::newRow("nul") << QString::fromUtf16(u"x\0y", 3) << QStringLiteral("x-y");
    }

    void renamingNeverTouchesAnotherPackage() {
        QFETCH(QString, title);
        QFETCH(QString, folder);
        const FileModelPtr theirs = addNote(2, QStringLiteral("Shopping"), kNow);
        QVERIFY(QFile::rename(theirs->path, inNotes(QStringLiteral("Shopping"))));
        theirs->path = inNotes(QStringLiteral("Shopping"));
        test::writeFile(mainFile(theirs->path), "theirs");
        test::writeFile(mainFile(inNotes(QStringLiteral("Shopping 2"))), "left over");
        addNote(1, QStringLiteral("Lost"), kNow)->path = inNotes(QStringLiteral("Lost"));
        const FileModelPtr mine = addNote(2, QStringLiteral("mine"), kNow);
        test::writeFile(mainFile(mine->path), "mine");

        QVERIFY(controller().renameNote(mine, title));
        QCOMPARE(mine->name, title);
        QCOMPARE(mine->path, inNotes(folder));
        QCOMPARE(test::readFile(mainFile(mine->path)), QByteArray("mine"));
        QCOMPARE(test::readFile(mainFile(theirs->path)), QByteArray("theirs"));
        QCOMPARE(test::readFile(mainFile(inNotes(QStringLiteral("Shopping 2")))),
                 QByteArray("left over"));
    }

    void longTitlesFitInAFolderName_data() {
        QTest::addColumn<QString>("title");
        QTest::newRow("ascii") << QString(300, u'x');
        QTest::newRow("two bytes each") << QString(150, u'é');
        QTest::newRow("pair at the cut") << QString(197, u'x') + QStringLiteral("😀");
    }

    void longTitlesFitInAFolderName() {
        QFETCH(QString, title);
        const FileModelPtr note = addNote(2, QStringLiteral("n"), kNow);
        QVERIFY(controller().renameNote(note, title));
        const QString folder = QFileInfo(note->path).fileName();
        QVERIFY(folder.toUtf8().size() <= 200);
        QVERIFY(title.startsWith(folder));
        QCOMPARE(QString::fromUtf8(folder.toUtf8()), folder); // no half of a pair left
    }

    void aRenameThatCannotMoveKeepsTheNote() {
        const FileModelPtr note = addNote(2, QStringLiteral("n"), kNow);
        const QString old = note->path;
        test::TmpfsMount busy(old, 1 << 20); // a mount point cannot be moved
        if (!busy.mounted())
            QSKIP(qPrintable(busy.whyNot()));
        QVERIFY(!controller().renameNote(note, QStringLiteral("Shopping")));
        QCOMPARE(note->name, QStringLiteral("n"));
        QCOMPARE(note->path, old);
    }

    void missingPackagesAreRecreatedInTheNotesFolderOnly() {
        const FileModelPtr gone = addNote(2, QStringLiteral("gone"), kNow);
        const FileModelPtr kept = addNote(2, QStringLiteral("kept"), kNow);
        const FileModelPtr far = addNote(2, QStringLiteral("far"), kNow);
        QDir(gone->path).removeRecursively();
        test::writeFile(mainFile(kept->path), "text");
        far->path = base() + QStringLiteral("/elsewhere");
        controller().chooseNotesShown();
        QCOMPARE(QFileInfo(mainFile(gone->path)).size(), 0);
        QCOMPARE(test::readFile(mainFile(kept->path)), QByteArray("text"));
        QVERIFY(!QFileInfo::exists(far->path));
    }

    void searchingLooksAtEveryNoteGroup() {
        addNote(1, QStringLiteral("Shopping_list"), kNow + 2);
        addNote(2, QStringLiteral("Recipes"), kNow);
        const FileModelPtr shop = addNote(2, QStringLiteral("shop"), kNow + 1);
        controller().selectGroupIndex = 2;
        controller().controlTextDidChange(QStringLiteral("SHOP"));
        QCOMPARE(namesOf(controller().selected_notesList), words("shop Shopping_list"));
        controller().deleteNote(shop);
        QCOMPARE(namesOf(controller().selected_notesList), words("Shopping_list"));
        controller().controlTextDidChange(QString());
        QCOMPARE(namesOf(controller().selected_notesList), words("Recipes"));

        controller().controlTextDidChange(QStringLiteral("zzz"));
        const FileModelPtr added = controller().addNoteAction();
        QVERIFY(controller().searchText.isEmpty());
        QCOMPARE(controller().selectedNote(), added);
    }

    void aNewNoteOpensWhereverTheSortPutsIt() {
        addNote(2, QStringLiteral("Apple"), kNow);
        addNote(2, QStringLiteral("Zoo"), kNow);
        controller().notesSortType = 2;
        const FileModelPtr note = controller().addNoteAction();
        QCOMPARE(controller().selectGroup_ItemIndex, 1);
        QCOMPARE(controller().selectedNote(), note);
    }

private:
    // A note titled title added at second added (created at created, when
    // given) to the note group at index.
    FileModelPtr addNote(qint64 index, const QString& title, qint64 added, qint64 created = 0) {
        setNow(added);
        controller().selectGroupName = kNotes;
        controller().selectGroupIndex = index;
        const FileModelPtr note = controller().addNoteAction();
        note->name = title;
        note->createDate = created ? created : added;
        return note;
    }

    static store::GroupList saved() { return test::TestVault::savedNoteList(); }

    store::GroupModelPtr work_;
};

VEXO_TEST_MAIN(NotesTest)
#include "tst_notes.moc"
