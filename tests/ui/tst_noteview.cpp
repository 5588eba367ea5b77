#include "MainViewFixture.h"
#include "notes/NotePackage.h"
#include "platform/Clock.h"
#include "store/VaultPaths.h"
#include "ui/NoteListModel.h"
#include "ui/NoteTextEdit.h"
#include "ui/NoteView.h"
#include "vault/NotePackages.h"
#include "vault/VaultMove.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include <sys/stat.h>

using namespace vexo;
using namespace Qt::StringLiterals;
using store::FileModelPtr;
using test::text;
using Role = ui::GroupSidebarModel::Role;

namespace {

const QString kNotes = store::kSystemDevicNoteName;
constexpr qint64 kNow = 1'700'000'000;

// The plain text a note's package holds.
QString packageText(const QString& packagePath) {
    QTextDocument document;
    notes::loadNotePackage(packagePath, &document);
    return document.toPlainText();
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

// The note view over a real vault: adding, listing, opening, writing,
// renaming, deleting and sorting notes.
class NoteViewTest : public QObject, public test::MainViewFixture {
    Q_OBJECT
private:
    // Opens a note with one picture, saved; the picture's file name.
    QString openNoteWithASavedPicture() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one")});
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        notes().editor()->insertPicture(picture);
        notes().saveOpenNote();
        return QDir(notes().openNote()->path).entryList({QStringLiteral("*.png")}).value(0);
    }

    ui::NoteView& notes() { return view().noteView(); }
    ui::NoteListModel& column() { return notes().notes(); }
    QStringList shownTitles() {
        QStringList titles;
        for (int row = 0; row < column().rowCount(); ++row)
            titles << column().data(column().index(row), Qt::DisplayRole).toString();
        return titles;
    }
    store::GroupModelPtr noteGroup(int index) { return catalogue().groupNoteList.at(index); }

    // A note group named name holding notes titled titles, selected.
    store::GroupModelPtr openGroupWith(const QString& name, const QStringList& titles) {
        const store::GroupModelPtr group = newGroup(kNotes, name);
        controller().select(kNotes, group->index);
        for (const QString& title : titles) {
            notes().addNoteAction();
            notes().titleField()->setText(title);
            emit notes().titleField()->editingFinished();
        }
        return group;
    }
    void giveTitleFocus() {
        notes().titleField()->setFocus();
        QTRY_VERIFY(notes().titleField()->hasFocus());
        notes().titleField()->selectAll();
    }
    void type(const QString& typed) {
        notes().editor()->setFocus();
        QTest::keyClicks(notes().editor(), typed);
    }

private slots:
    void init() {
        platform::setClockForTesting([] { return kNow * 1000; });
        openView();
    }
    void cleanup() {
        closeView();
        platform::setClockForTesting({});
    }

    void aNoteAddedToAGroupOfThreeIsTheFourth() {
        const store::GroupModelPtr group =
            openGroupWith(QStringLiteral("Work"),
                          {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        notes().addNoteAction();
        const FileModelPtr added = group->fileModels.last();
        QCOMPARE(group->fileModels.size(), 4);
        QCOMPARE(QFileInfo(added->path).fileName(), QStringLiteral("Note3_%1").arg(kNow));
        QCOMPARE(added->name, QStringLiteral("Untitled Note"));
        QVERIFY(QFileInfo::exists(added->path + QStringLiteral("/TXT.rtf")));
        QCOMPARE(notes().openNote(), added);
        QCOMPARE(notes().titleField()->text(), QStringLiteral("Untitled Note"));
        QVERIFY(notes().titleField()->hasFocus());
        QTRY_COMPARE(sidebarRow(int(group->index) + 3, Role::CountRole).toString(),
                     QStringLiteral("4"));
    }

    // "All notes" lists the notes of every note group, its own included and
    // first (the notes were all added in the same second); a note added there
    // is stored there.
    void allNotesListsEveryNoteGroup() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("w1"), QStringLiteral("w2")});
        openGroupWith(QStringLiteral("Home"), {QStringLiteral("h1")});
        controller().select(kNotes, 1);
        notes().addNoteAction();
        QCOMPARE(noteGroup(1)->fileModels.size(), 1);
        QCOMPARE(shownTitles(), (QStringList{u"Untitled Note"_s, u"w1"_s, u"w2"_s, u"h1"_s}));
    }

    // Sorting by title compares case first (capitals before small letters);
    // descending rewrites the group's stored order.
    void sortingByTitleReordersTheGroup() {
        const store::GroupModelPtr group =
            openGroupWith(QStringLiteral("Work"), {QStringLiteral("alpha"), QStringLiteral("Zeta"),
                                                   QStringLiteral("beta")});
        notes().NotesSortpopAction(2, text("NotesSortbyItem2"));
        QCOMPARE(shownTitles(), (QStringList{u"Zeta"_s, u"alpha"_s, u"beta"_s}));
        notes().selectNoteRow(2);
        notes().NotesSortpopAction(8, text("NotesSortbyItem5"));
        QCOMPARE(shownTitles(), (QStringList{u"beta"_s, u"alpha"_s, u"Zeta"_s}));
        // The open note stays open through a sort.
        QCOMPARE(notes().openNote()->name, QStringLiteral("beta"));
        QCOMPARE(
            child<QPushButton>("sortBtn")->text(),
            platform::localizedText(QStringLiteral("SortBtn.title"), {text("NotesSortbyItem5")}));
        // The group's own list is what was sorted; the next list save keeps
        // that order.
        notes().selectNoteRow(1);
        notes().titleField()->setText(QStringLiteral("alpha 2"));
        emit notes().titleField()->editingFinished();
        QStringList saved;
        const store::GroupList savedGroups = test::TestVault::savedNoteList();
        for (const FileModelPtr& note : savedGroups.at(group->index)->fileModels)
            saved << note->name;
        QCOMPARE(saved, (QStringList{u"beta"_s, u"alpha 2"_s, u"Zeta"_s}));
    }

    // The search field finds notes by title in every note group.
    void searchingFindsNotesOfEveryGroup() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("Plan"), QStringLiteral("Budget")});
        openGroupWith(QStringLiteral("Home"), {QStringLiteral("Garden plan")});
        QTest::keyClicks(child<QLineEdit>("searchTextField"), QStringLiteral("PLAN"));
        QCOMPARE(shownTitles(), (QStringList{u"Plan"_s, u"Garden plan"_s}));
        QCOMPARE(notes().openNote()->name, QStringLiteral("Plan"));
        child<QLineEdit>("searchTextField")->clear();
        QCOMPARE(shownTitles(), (QStringList{u"Garden plan"_s}));
    }

    // A note added during a search ends it, in the field too, so the new
    // note shows.
    void addingANoteEndsTheSearch() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("Plan"), QStringLiteral("Budget")});
        QTest::keyClicks(child<QLineEdit>("searchTextField"), QStringLiteral("plan"));
        notes().addNoteAction();
        QCOMPARE(child<QLineEdit>("searchTextField")->text(), QString());
        QCOMPARE(shownTitles(), (QStringList{u"Plan"_s, u"Budget"_s, u"Untitled Note"_s}));
        QCOMPARE(notes().openNote()->name, QStringLiteral("Untitled Note"));
    }

    void theSortMenuChecksTheChoice() {
        openGroupWith(QStringLiteral("Work"), {});
        std::unique_ptr<QMenu> menu(notes().applicationNotesDockMenu(&view()));
        QStringList checked;
        QStringList titles;
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator())
                continue;
            titles << entry->text();
            if (entry->isChecked())
                checked << entry->text();
        }
        QCOMPARE(titles.size(), 5);
        QCOMPARE(checked, (QStringList{text("NotesSortbyItem1"), text("NotesSortbyItem4")}));
        QCOMPARE(menu->actions().at(3)->isSeparator(), true);
    }

    // Every change is written to the open note's package a moment later;
    // opening another note writes at once.
    void typingIsWrittenToThePackage() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one"), QStringLiteral("two")});
        notes().selectNoteRow(0);
        const FileModelPtr first = notes().openNote();
        type(QStringLiteral("Milk, eggs"));
        QTRY_COMPARE(packageText(first->path), QStringLiteral("Milk, eggs"));
        type(QStringLiteral(" and bread"));
        notes().selectNoteRow(1);
        QCOMPARE(packageText(first->path), QStringLiteral("Milk, eggs and bread"));
        QVERIFY(notes().editor()->toPlainText().isEmpty());
        notes().selectNoteRow(0);
        QCOMPARE(notes().editor()->toPlainText(), QStringLiteral("Milk, eggs and bread"));
    }

    void movingTheCaretWhileEditingRewritesThePackage() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one")});
        type(QStringLiteral("first line"));
        const QString mainFile = notes().openNote()->path + QStringLiteral("/TXT.rtf");
        QTRY_COMPARE(packageText(notes().openNote()->path), QStringLiteral("first line"));
        const ino_t before = inodeOf(mainFile);
        QTest::mouseClick(notes().editor()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(inodeOf(mainFile) != before);
    }

    // Formatting from the menu and the panels reaches the package.
    void formattingIsWritten() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one")});
        type(QStringLiteral("bold words"));
        notes().editor()->selectAll();
        view().formatAction(ui::FormatCommand::Bold);
        notes().changeColor(QColor(200, 30, 40));
        notes().changeFont(QFont(QStringLiteral("DejaVu Serif"), 20));
        notes().saveOpenNote();
        QTextDocument saved;
        QVERIFY(notes::loadNotePackage(notes().openNote()->path, &saved));
        QTextCursor cursor(&saved);
        cursor.movePosition(QTextCursor::NextCharacter);
        const QTextCharFormat format = cursor.charFormat();
        QCOMPARE(format.fontWeight(), int(QFont::Bold));
        QCOMPARE(format.foreground().color(), QColor(200, 30, 40));
        QCOMPARE(format.fontPointSize(), 20.0);
    }

    void aPastedPictureIsKeptInThePackage() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one")});
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        auto* data = new QMimeData;
        data->setImageData(picture);
        QApplication::clipboard()->setMimeData(data);
        notes().editor()->setFocus();
        notes().editor()->paste();
        notes().saveOpenNote();
        const QString package = notes().openNote()->path;
        QCOMPARE(QDir(package).entryList({QStringLiteral("*.png")}, QDir::Files).size(), 1);
        notes().selectNoteRow(0);
        QTextDocument saved;
        QVERIFY(notes::loadNotePackage(package, &saved));
        QVERIFY(saved.toHtml().contains(QStringLiteral("<img")));
    }

    // A rename moves the package, text and all; an empty title changes nothing.
    void renamingMovesThePackage_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        QTest::newRow("new title") << "Shopping"
                                   << "Shopping";
        QTest::newRow("empty title") << ""
                                     << "Untitled Note";
    }
    void renamingMovesThePackage() {
        QFETCH(QString, title);
        QFETCH(QString, expected);
        openGroupWith(QStringLiteral("Work"), {});
        notes().addNoteAction();
        type(QStringLiteral("list"));
        notes().titleField()->setText(title);
        emit notes().titleField()->editingFinished();
        notes().saveOpenNote();
        const FileModelPtr note = notes().openNote();
        QCOMPARE(note->name, expected);
        QCOMPARE(column().data(column().index(0), Qt::DisplayRole).toString(), expected);
        if (!title.isEmpty())
            QCOMPARE(note->path, store::joinPath(store::AppRootNoteDirPath(), title));
        QCOMPARE(packageText(note->path), QStringLiteral("list"));
        QCOMPARE(
            QDir(store::AppRootNoteDirPath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(),
            1);
    }

    // A title being typed goes to its own note when another note is opened.
    void aTitleBeingTypedStaysWithItsNote() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one"), QStringLiteral("two")});
        notes().selectNoteRow(0);
        giveTitleFocus();
        QTest::keyClicks(notes().titleField(), QStringLiteral("first"));
        QTest::mouseClick(child<QAbstractItemView>("noteCellTableView")->viewport(), Qt::LeftButton,
                          {}, QPoint(20, 75));
        QCOMPARE(shownTitles(), (QStringList{u"first"_s, u"two"_s}));
        QCOMPARE(notes().openNote()->name, QStringLiteral("two"));
        QCOMPARE(notes().titleField()->text(), QStringLiteral("two"));
    }

    // Deleting the last note empties the count, hides the editor and shows
    // the picture of an empty column; the package goes.
    void deletingTheLastNote() {
        const store::GroupModelPtr group = openGroupWith(QStringLiteral("Work"), {u"only"_s});
        const QString package = notes().openNote()->path;
        type(QStringLiteral("text"));
        std::unique_ptr<QMenu> menu(notes().note_itemMenu(0, &view()));
        test::entryOf(menu.get(), "note_Item1")->trigger();
        QVERIFY(group->fileModels.isEmpty());
        QCOMPARE(column().rowCount(), 0);
        QVERIFY(!notes().editor()->isVisible());
        QVERIFY(child<QLabel>("noNoteFileIcon")->isVisible());
        QTRY_COMPARE(sidebarRow(int(group->index) + 3, Role::CountRole).toString(), QString());
        // Nothing waiting to be written brings the package back.
        notes().saveOpenNote();
        QVERIFY(!QFileInfo::exists(package));
    }

    // A note that cannot be written is told once, not at every key.
    void aFailedSaveIsToldOnce() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one")});
        notes().openNote()->path = QStringLiteral("/proc/vexo-note");
        ui::DialogPrompt::answerNextAlertWith(0);
        type(QStringLiteral("a"));
        notes().saveOpenNote();
        type(QStringLiteral("b"));
        notes().saveOpenNote();
        const QList<vault::Prompt::Alert> alerts = ui::DialogPrompt::takeAnsweredAlerts();
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.first().messageKey, QStringLiteral("noteNotSaved"));
    }

    // Giving a title saves the list; the rows stay where they are until the
    // next rebuild, so the click that gave it opens the row under the mouse.
    void aClickThatGivesATitleOpensTheClickedRow() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("a"), QStringLiteral("b")});
        notes().NotesSortpopAction(2, text("NotesSortbyItem2"));
        notes().selectNoteRow(0);
        giveTitleFocus();
        QTest::keyClicks(notes().titleField(), QStringLiteral("z"));
        QTest::mouseClick(child<QAbstractItemView>("noteCellTableView")->viewport(), Qt::LeftButton,
                          {}, QPoint(20, 75));
        QCOMPARE(shownTitles(), (QStringList{u"z"_s, u"b"_s}));
        QCOMPARE(notes().openNote()->name, QStringLiteral("b"));
    }

    // The note menu deletes the note it was opened on, whatever the column
    // shows by then.
    void theNoteMenuActsOnItsOwnNote() {
        const store::GroupModelPtr group =
            openGroupWith(QStringLiteral("Work"), {QStringLiteral("a"), QStringLiteral("b")});
        notes().NotesSortpopAction(2, text("NotesSortbyItem2"));
        notes().selectNoteRow(0);
        giveTitleFocus();
        QTest::keyClicks(notes().titleField(), QStringLiteral("z"));
        notes().editor()->setFocus();
        std::unique_ptr<QMenu> menu(notes().note_itemMenu(1, &view()));
        view().setRightScrollView(true); // a list saved elsewhere while the menu is open
        QCOMPARE(shownTitles(), (QStringList{u"b"_s, u"z"_s}));
        test::entryOf(menu.get(), "note_Item1")->trigger();
        QCOMPARE(group->fileModels.size(), 1);
        QCOMPARE(group->fileModels.first()->name, QStringLiteral("z"));
    }

    // A lock and the window's closing hide the view before it goes: what was
    // typed is written then.
    void hidingTheViewWritesTheOpenNote_data() {
        QTest::addColumn<QString>("title");
        QTest::newRow("text typed") << "";
        QTest::newRow("text and then a title typed") << "Groceries";
    }
    void hidingTheViewWritesTheOpenNote() {
        QFETCH(QString, title);
        const store::GroupModelPtr group = openGroupWith(QStringLiteral("Work"), {u"one"_s});
        const FileModelPtr note = notes().openNote();
        type(QStringLiteral("typed"));
        if (!title.isEmpty()) {
            giveTitleFocus();
            QTest::keyClicks(notes().titleField(), title);
        }
        view().hide();
        const QString expected = title.isEmpty() ? u"one"_s : title;
        QCOMPARE(note->name, expected);
        QCOMPARE(packageText(note->path), QStringLiteral("typed"));
        QCOMPARE(test::TestVault::savedNoteList().at(group->index)->fileModels.first()->name,
                 expected);
    }

    // A write error is told, and the change is written at the next chance.
    void aChangeThatCouldNotBeWrittenIsWrittenLater() {
        openGroupWith(QStringLiteral("Work"), {QStringLiteral("one"), QStringLiteral("two")});
        notes().selectNoteRow(0);
        const FileModelPtr first = notes().openNote();
        type(QStringLiteral("keep me"));
        ui::DialogPrompt::answerNextAlertWith(0);
        {
            test::ScopedFileSizeLimit limit(10);
            notes().saveOpenNote();
        }
        QCOMPARE(ui::DialogPrompt::takeAnsweredAlerts().size(), 1);
        QCOMPARE(packageText(first->path), QString());
        notes().selectNoteRow(1);
        QCOMPARE(packageText(first->path), QStringLiteral("keep me"));
    }

    // A list file may name any folder as a note's package: it is read, never
    // replaced; a rename brings the note's text into the notes folder.
    void aPackageOutsideTheNotesFolderIsNeverWritten() {
        const QString outside = base_ + QStringLiteral("/elsewhere");
        test::writeFile(outside + QStringLiteral("/TXT.rtf"), "{\\rtf1 theirs}");
        test::writeFile(outside + QStringLiteral("/keep.txt"), "keep");
        const store::GroupModelPtr group =
            openGroupWith(QStringLiteral("Work"), {QStringLiteral("one"), QStringLiteral("two")});
        group->fileModels.first()->path = outside;
        notes().selectNoteRow(0);
        QCOMPARE(notes().editor()->toPlainText(), QStringLiteral("theirs"));
        ui::DialogPrompt::answerNextAlertWith(0);
        type(QStringLiteral(" mine"));
        notes().saveOpenNote();
        QCOMPARE(ui::DialogPrompt::takeAnsweredAlerts().size(), 1);
        QCOMPARE(test::readFile(outside + QStringLiteral("/TXT.rtf")),
                 QByteArray("{\\rtf1 theirs}"));
        QCOMPARE(test::readFile(outside + QStringLiteral("/keep.txt")), QByteArray("keep"));

        notes().titleField()->setText(QStringLiteral("Mine"));
        emit notes().titleField()->editingFinished();
        const QString inside = store::joinPath(store::AppRootNoteDirPath(), u"Mine"_s);
        QCOMPARE(notes().openNote()->path, inside);
        QCOMPARE(packageText(inside), QStringLiteral("theirs mine"));
        QCOMPARE(test::readFile(outside + QStringLiteral("/keep.txt")), QByteArray("keep"));
    }

    // A note whose text cannot be read opens empty and read-only, so that no
    // edit replaces it; a missing text is simply started.
    void anUnreadableNoteIsNotReplaced_data() {
        QTest::addColumn<QString>("mainFile");
        QTest::addColumn<bool>("editable");
        QTest::newRow("not RTF") << "plain words" << false;
        QTest::newRow("a folder in its place") << "folder" << false;
        QTest::newRow("missing") << "" << true;
    }
    void anUnreadableNoteIsNotReplaced() {
        QFETCH(QString, mainFile);
        QFETCH(bool, editable);
        const store::GroupModelPtr group =
            openGroupWith(QStringLiteral("Work"), {QStringLiteral("one"), QStringLiteral("two")});
        const QString main = group->fileModels.first()->path + QStringLiteral("/TXT.rtf");
        QVERIFY(QFile::remove(main));
        if (mainFile == u"folder"_s)
            test::writeFile(main + QStringLiteral("/inside.txt"), "inside");
        else if (!mainFile.isEmpty())
            test::writeFile(main, mainFile.toUtf8());
        notes().selectNoteRow(0);
        QVERIFY(notes().editor()->toPlainText().isEmpty());
        QCOMPARE(notes().editor()->isReadOnly(), !editable);
        type(QStringLiteral("x"));
        notes().changeColor(Qt::red);
        notes().saveOpenNote();
        if (editable)
            QCOMPARE(packageText(group->fileModels.first()->path), QStringLiteral("x"));
        else if (mainFile == u"folder"_s)
            QCOMPARE(test::readFile(main + QStringLiteral("/inside.txt")), QByteArray("inside"));
        else
            QCOMPARE(test::readFile(main), mainFile.toUtf8());
    }

    // The pictures of a renamed note keep their files at the next save.
    void aRenamedNoteKeepsItsPictureFiles() {
        const QString fileName = openNoteWithASavedPicture();
        const ino_t stored = inodeOf(notes().openNote()->path + u'/' + fileName);
        notes().titleField()->setText(QStringLiteral("Holiday"));
        emit notes().titleField()->editingFinished();
        type(QStringLiteral("x"));
        notes().saveOpenNote();
        QCOMPARE(inodeOf(notes().openNote()->path + u'/' + fileName), stored);
    }

    // So do the pictures of the open note when the vault folder moves.
    void theOpenNoteKeepsItsPictureFilesWhenTheVaultMoves() {
        const QString fileName = openNoteWithASavedPicture();
        const ino_t stored = inodeOf(notes().openNote()->path + u'/' + fileName);

        const QString from = store::AppRootDirKey();
        const QString to = from + QStringLiteral("-moved.vlt");
        vault::VaultMoveProgress progress;
        vault::VaultMoveResult moved = vault::moveVaultFolder(from, to, progress);
        QCOMPARE(moved.outcome, vault::VaultMoveOutcome::Moved);
        controller().vaultFolderMoved(from, to, std::move(moved.newHold));
        notes().followOpenNotePackage();
        type(QStringLiteral("x"));
        notes().saveOpenNote();
        QVERIFY(notes().openNote()->path.startsWith(to));
        QCOMPARE(inodeOf(notes().openNote()->path + u'/' + fileName), stored);
    }
};

VEXO_UI_TEST_MAIN(NoteViewTest)
#include "tst_noteview.moc"
