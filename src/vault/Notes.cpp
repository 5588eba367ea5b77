// Secure notes: adding, deleting, renaming, sorting and searching them.

#include "cipher/KeyText.h"
#include "cipher/PosixFiles.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "vault/ItemOrder.h"
#include "vault/MainViewController.h"
#include "vault/NotePackages.h"

#include <QDir>

#include <algorithm>

namespace vexo::vault {
namespace {

using store::FileModelPtr;

// -1, 0 or 1 as a is before, level with or after b in ascending order of the
// notes sort key (1 added date, 2 title, 3 creation date; any other: 1).
int compareNotes(qint64 key, const store::FileModel& a, const store::FileModel& b) {
    switch (key) {
    case 2:
        return QString::compare(a.name, b.name, Qt::CaseSensitive);
    case 3:
        return threeWay(a.createDate, b.createDate);
    default:
        return threeWay(a.addDate, b.addDate);
    }
}

void sortNotes(QList<FileModelPtr>& notes, qint64 key, bool ascending) {
    stableSortItems(
        notes,
        [key](const store::FileModel& a, const store::FileModel& b) {
            return compareNotes(key, a, b);
        },
        ascending);
}

bool isNoteGroup(const store::GroupModel& group) {
    return !group.isHeader && !group.isAddItem;
}

// Recreates the package of a shown note when it has gone; only the notes
// folder is written, whatever a list file says.
void recreateMissingPackage(const store::FileModel& note) {
    if (!isInNotesFolder(note.path) || cipher::somethingExistsAt(note.path))
        return;
    if (!makeEmptyPackage(note.path))
        qCWarning(lcVexo, "could not recreate the note package %s", qUtf8Printable(note.path));
}

// Moves a package within the notes folder, never over anything. A package
// that is missing, or lies outside the notes folder (which is never taken in),
// is started anew at to; the editor's next save fills it.
bool movePackage(const QString& from, const QString& to) {
    if (QDir::cleanPath(from) == QDir::cleanPath(to))
        return true;
    if (!isInNotesFolder(from) || !cipher::somethingExistsAt(from)) {
        if (makeEmptyPackage(to))
            return true;
        qCWarning(lcVexo, "could not create the note package %s", qUtf8Printable(to));
        return false;
    }
    QString error;
    if (cipher::moveIntoFreePlace(from, to, &error))
        return true;
    qCWarning(lcVexo, "%s %d error:%s", __func__, __LINE__, qUtf8Printable(error));
    return false;
}

} // namespace

store::FileModelPtr MainViewController::addNoteAction() {
    const store::GroupModelPtr group = noteGroupForNewNote();
    if (!group)
        return nullptr;
    const qint64 count = group->fileModels.size();
    auto note = std::make_shared<store::FileModel>();
    note->path = newNotePackagePath(count, notePackagePaths());
    note->name = QStringLiteral("Untitled Note");
    note->isEncrtypt = true;
    note->macAddress = cipher::getMacAddress();
    note->groupIndex = group->index;
    note->groupName = store::kSystemDevicNoteName;
    note->fileIndex = count;
    note->createDate = platform::currentSeconds();
    note->addDate = note->createDate;
    if (!makeEmptyPackage(note->path))
        qCWarning(lcVexo, "could not create the note package %s", qUtf8Printable(note->path));
    group->fileModels.append(note);

    searchText.clear();
    searchFiles.clear();
    chooseNotesShown();
    selectGroup_ItemIndex = selected_notesList.indexOf(note);
    saveSection(store::kSystemDevicNoteName);
    return note;
}

void MainViewController::deleteNote(const store::FileModelPtr& note) {
    const store::GroupModelPtr group = noteGroupHolding(note);
    if (!group)
        return;
    const qsizetype position = group->fileModels.indexOf(note);
    group->fileModels.removeAt(position);
    for (qsizetype i = position; i < group->fileModels.size(); ++i)
        group->fileModels[i]->fileIndex -= 1;
    searchFiles.removeAll(note);
    removeNotePackage(*note);
    chooseNotesShown();
    saveSection(store::kSystemDevicNoteName);
}

bool MainViewController::renameNote(const store::FileModelPtr& note, const QString& title) {
    if (!note || title.isEmpty() || title == note->name)
        return false;
    const QString target = packagePathForTitle(title, notePackagePaths(note.get()), note->path);
    if (!movePackage(note->path, target))
        return false;
    note->name = title;
    note->path = target;
    saveSection(store::kSystemDevicNoteName);
    return true;
}

void MainViewController::NotesSortpopAction(qint64 tag) {
    if (tag == 7)
        isAscending = true;
    else if (tag == 8)
        isAscending = false;
    else if (tag <= 6)
        notesSortType = tag;
    chooseNotesShown();
}

void MainViewController::chooseNotesShown() {
    if (!searchText.isEmpty()) {
        sortNotes(searchFiles, notesSortType, isAscending);
        selected_notesList = searchFiles;
    } else if (selectGroupName != store::kSystemDevicNoteName) {
        selected_notesList.clear();
    } else if (selectGroupIndex == 1) {
        selected_notesList.clear();
        for (const store::GroupModelPtr& group : catalogue_.groupNoteList)
            selected_notesList += group->fileModels;
        sortNotes(selected_notesList, notesSortType, isAscending);
    } else if (const store::GroupModelPtr group = selectedGroup()) {
        sortNotes(group->fileModels, notesSortType, isAscending);
        selected_notesList = group->fileModels;
    } else {
        selected_notesList.clear();
    }
    if (selectGroup_ItemIndex < 0 || selectGroup_ItemIndex >= selected_notesList.size())
        selectGroup_ItemIndex = 0;
    for (const FileModelPtr& note : std::as_const(selected_notesList))
        recreateMissingPackage(*note);
}

store::FileModelPtr MainViewController::selectedNote() const {
    if (selectGroup_ItemIndex < 0 || selectGroup_ItemIndex >= selected_notesList.size())
        return nullptr;
    return selected_notesList.at(selectGroup_ItemIndex);
}

store::GroupModelPtr MainViewController::noteGroupForNewNote() {
    if (selectGroupName == store::kSystemDevicNoteName) {
        if (const store::GroupModelPtr group = selectedGroup(); group && isNoteGroup(*group))
            return group;
    }
    // No note group is selected (a file group, or a fixed row of the notes):
    // the note goes to "All notes", which then shows it.
    const store::GroupList& groups = catalogue_.groupNoteList;
    if (groups.size() < 3 || !isNoteGroup(*groups.at(1)))
        return nullptr;
    selectGroupName = store::kSystemDevicNoteName;
    selectGroupIndex = 1;
    return groups.at(1);
}

store::GroupModelPtr MainViewController::noteGroupHolding(const store::FileModelPtr& note) const {
    for (const store::GroupModelPtr& group : catalogue_.groupNoteList) {
        if (group->fileModels.contains(note))
            return group;
    }
    return nullptr;
}

QStringList MainViewController::notePackagePaths(const store::FileModel* except) const {
    QStringList paths;
    for (const store::GroupModelPtr& group : catalogue_.groupNoteList) {
        for (const FileModelPtr& note : group->fileModels) {
            if (note.get() != except && !note->path.isEmpty())
                paths << QDir::cleanPath(note->path);
        }
    }
    return paths;
}

void MainViewController::removeNotePackage(const store::FileModel& note) {
    QString error;
    if (!isInNotesFolder(note.path))
        qCWarning(lcVexo, "note package outside the notes folder left in place: %s",
                  qUtf8Printable(note.path));
    else if (notePackagePaths().contains(QDir::cleanPath(note.path)))
        qCWarning(lcVexo, "note package still used by another note: %s", qUtf8Printable(note.path));
    else if (!removePackage(note.path, &error))
        qCWarning(lcVexo, "%s %d error:%s", __func__, __LINE__, qUtf8Printable(error));
}

void MainViewController::searchNotes(const QString& text) {
    searchText = text;
    searchFiles.clear();
    const QString wanted = text.toLower();
    if (!wanted.isEmpty()) {
        for (const store::GroupModelPtr& group : catalogue_.groupNoteList) {
            for (const FileModelPtr& note : group->fileModels) {
                if (note->name.toLower().contains(wanted))
                    searchFiles.append(note);
            }
        }
    }
    chooseNotesShown();
}

} // namespace vexo::vault
