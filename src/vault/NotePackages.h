#pragma once

#include "store/GroupModel.h"

#include <QString>
#include <QStringList>

namespace vexo::vault {

// A note lives in a package: a folder in the vault's notes folder holding the
// note's text in this file and its attachments beside it.
inline const QString kNoteMainFileName = QStringLiteral("TXT.rtf");

// The package folder for the note added as number count (from 0) of its group:
// "Note<count>_<seconds now>" in the notes folder, or that name with "-2",
// "-3"... when something is already there or a note in recorded uses it.
QString newNotePackagePath(qint64 count, const QStringList& recorded);

// The package folder a note titled title moves to: the title as a folder name
// (see packageFolderName) in the notes folder, with " 2", " 3"... added when
// something else is there or a note in recorded uses it. ownPath, the note's
// present package, counts as free.
QString packagePathForTitle(const QString& title, const QStringList& recorded,
                            const QString& ownPath);

// title as the name of a single folder: "/" and NUL, which no file name may
// hold, become "-"; "." and ".." become "-" and "--"; a name longer than a file
// system allows is cut short.
QString packageFolderName(const QString& title);

// True when packagePath names an entry directly inside the notes folder, the
// only place where the vault creates or removes packages.
bool isInNotesFolder(const QString& packagePath);

// Points the notes of groups whose package lies in a "Notes" folder other
// than the vault's at the package of the same name in the vault's notes
// folder, where one is there: the vault folder was moved, and the list
// records each package by its full path. True when any note changed.
bool rebaseNotesMovedWithVault(const store::GroupList& groups);

// Creates the package folder and an empty main file where they are missing;
// an existing main file is kept. True when both exist afterwards.
bool makeEmptyPackage(const QString& packagePath);

// Removes the package with everything in it. A symbolic link is removed
// itself; what it points to is left alone. False with the reason in error.
bool removePackage(const QString& packagePath, QString* error);

} // namespace vexo::vault
