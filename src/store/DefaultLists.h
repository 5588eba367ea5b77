#pragma once

#include "store/GroupModel.h"

#include <QString>

namespace vexo::store {

// The lists a new vault starts with: a header, an "all files" group (or "all
// notes") with a new group folder, and the add-group row. Display names are
// in the current interface language.
GroupList defaultLocalGroupList();
GroupList defaultNoteGroupList();

// The list of a drive vault seen for the first time: the header carries the
// drive's name, the vault's password (the digest of the master password) and
// this computer's hardware address; headerIndex is the header's index. Every
// row belongs to the vault's key.
GroupList defaultDriveGroupList(const QString& drive, const QString& key, qint64 headerIndex);

} // namespace vexo::store
