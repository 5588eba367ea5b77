#pragma once

#include "store/GroupModel.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vexo::store {

// The three kinds of group list file. They share one format, an XML property
// list whose root array holds one dictionary per sidebar row, and differ in
// a few keys:
// - Local ("GroupDirlist.plist" in the vault root) and Notes
//   ("GroupNoteslist.plist") are read without the rows' "password" and
//   "macAddress"; an item stored without "macAddress" reads as added on this
//   computer. The notes list never holds "md5CodePath".
// - Drive (the list in a removable-drive vault folder) keeps the rows'
//   "password" and "macAddress", ignores the items' "macAddress" on reading
//   and moves item paths onto the drive's current mount point.
enum class ListKind { Local, Notes, Drive };

// The file content for groups. A non-empty passwordOverride is written as
// every row's "password", headers and add rows included (a drive vault's new
// password); the rows in memory keep their own.
QByteArray groupListData(const GroupList& groups, ListKind kind,
                         const QString& passwordOverride = {});

// The groups held by data, an XML or binary property list. Every row and item
// gets groupName; a row's index is its position, and its items' groupIndex
// and fileIndex are the row's and the item's positions, whatever was stored.
// Keys that are absent read as empty text, 0 or false. For a drive list,
// drive is the name the drive is mounted under now.
// nullopt when data is not a property list whose root is an array of row
// dictionaries, or when a key that is read holds a value of another type.
std::optional<GroupList> parseGroupList(const QByteArray& data, ListKind kind,
                                        const QString& groupName, const QString& drive = {});

// Replaces the file at path with groups' content in one rename, so a reader
// sees the old or the new list whole. False when the write failed; the old
// file is then untouched.
bool writeGroupList(const QString& path, const GroupList& groups, ListKind kind,
                    const QString& passwordOverride = {});

// The groups of the list file at path; nullopt when it is missing or cannot
// be read or parsed.
std::optional<GroupList> readGroupList(const QString& path, ListKind kind, const QString& groupName,
                                       const QString& drive = {});

} // namespace vexo::store
