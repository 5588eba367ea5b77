#pragma once

#include <QString>

class QTextDocument;

namespace vexo::notes {

// A note package is a folder holding the note's text in this file, as RTF,
// and its pictures as files beside it.
inline const QString kNoteMainFileName = QStringLiteral("TXT.rtf");

// Writes document whole as the package at packagePath and puts it in place
// in one step. Everything is written and flushed to disk in a fresh folder
// beside the package first; that folder then takes the package's place (see
// replaceWithFolder) and the old package is removed. Pictures are stored as
// PNG files (see PicturePlan); files of the old package that the document no
// longer shows are gone with it. The document remembers the pictures now
// stored, so that the next save keeps their files rather than encoding them
// again. On failure the old package stays as it was, nothing is left
// behind, and error tells why.
bool saveNotePackage(const QString& packagePath, QTextDocument& document, QString* error = nullptr);

// Replaces the content of document by the note in the package at
// packagePath, with its pictures as document resources (large ones scaled
// down, see shownPicture). False, with an empty document, when the package
// or its main file is missing, is a symbolic link, or cannot be read as RTF.
bool loadNotePackage(const QString& packagePath, QTextDocument* document);

// Tells document, loaded from or saved to a package, that the package was
// moved whole to packagePath: the next save there keeps its pictures' files.
void notePackageMoved(const QString& packagePath, QTextDocument* document);

} // namespace vexo::notes
