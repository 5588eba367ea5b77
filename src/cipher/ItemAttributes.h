#pragma once

#include "cipher/StoredForm.h"
#include "store/FileModel.h"

#include <QList>
#include <QString>

#include <ctime>
#include <optional>
#include <sys/types.h>

namespace vexo::cipher {

// What a file system keeps about an item besides its files' content: the
// permission bits and modification times of its files and folders, its
// symbolic links and its empty folders. A hide keeps them in one file beside
// the item's stored top entry, in the stored form with the content enciphered
// as a text file's is; an unhide gives them back. Stores made before they
// were kept hold no such file and unhide as they always did.
struct EntryAttributes {
    enum class Kind { File, Folder, Link };
    QString path; // relative to the item; empty for the item itself
    Kind kind = Kind::File;
    mode_t mode = 0; // permission bits; none for a link
    timespec modified{};
    QString linkTarget; // a link's target, as the link holds it

    bool operator==(const EntryAttributes& other) const;
};
using ItemAttributes = QList<EntryAttributes>;

// The attributes of the entry at place (a final link not followed), kept for
// itemPath; empty, with the reason, when it cannot be looked at or is a link
// whose target no text can name again.
std::optional<EntryAttributes> entryAttributesAt(const QString& place, const QString& itemPath,
                                                 QString* error);

// Where the item's attributes are kept in its store; empty when the item's
// stored top entry has the attributes file's own name (the item then keeps
// none, and its stored entry is never mistaken for them).
QString attributesPathOf(const QString& itemStore, const store::FileModel& item);

// The attributes as the document kept in the file, and back. Reading checks
// what a hostile store could plant: every path plain and relative, no path
// twice, none below a link, a link with a target and no link for the item.
QByteArray encodeAttributes(const ItemAttributes& attributes);
std::optional<ItemAttributes> decodeAttributes(const QByteArray& document, QString* error);

// Writes the attributes at path in the stored form under keyText, whole or
// not at all (a temporary file renamed into place); with flush, on disk
// before it takes its name. False with the reason.
bool writeAttributes(const QString& path, const QString& keyText, const Envelope& envelope,
                     const ItemAttributes& attributes, bool flush, QString* error);

// What reading an item's attributes found.
struct AttributesRead {
    enum class State { Absent, Read, Damaged };
    State state = State::Absent;
    ItemAttributes attributes;
    QString error; // when Damaged
};
// Reads the attributes at path (from attributesPathOf); a store made before
// they were kept reads as Absent. A file that is not a stored file, does not
// decipher or does not read as attributes, or a link there, is Damaged.
AttributesRead readAttributes(const QString& path);

// The steps of an unhide, below root (the folder that stands for the item's
// path, or the item's path itself):
// restoreFoldersAndLinks makes the folders the stored copy holds no file in
// and the links, never replacing anything; false with the reason.
bool restoreFoldersAndLinks(const QString& root, const ItemAttributes& attributes, QString* error);
// restoreFileAttributes gives files their modes and times and links their
// times; restoreFolderAttributes gives folders theirs, deepest first, once
// nothing more is written in them. A file system that keeps no modes or
// times must not fail an unhide whose content is back: what cannot be set is
// logged.
void restoreFileAttributes(const QString& root, const ItemAttributes& attributes);
void restoreFolderAttributes(const QString& root, const ItemAttributes& attributes);

} // namespace vexo::cipher
