#pragma once

#include "store/FileModel.h"

#include <QString>

namespace vexo::store {

// a / b: b appended to a as a path component, exactly one "/" between them,
// no trailing "/"; an empty b leaves a unchanged.
QString joinPath(const QString& a, const QString& b);

// The local vault root (setting kRootDirKey); empty before the first-run guide.
QString AppRootDirKey();
QString AppRootNoteDirPath();    // root / "Notes"
QString AppGroupDirListPath();   // root / "GroupDirlist.plist"
QString AppGroupNotesListPath(); // root / "GroupNoteslist.plist"
QString AppRootThumbDirPath();   // root / "Thumb"

// volumes root / drive / rootvltDirName: the folder of a removable-drive vault.
QString AppRootMoveUpDirPath(const QString& drive, const QString& rootvltDirName);

// The list file of a drive vault: "GroupMoveUPlist.plist" in its folder when
// that file exists, else "GroupDirlist.plist". Creates the vault folder and its
// "Thumb" folder when missing and gives the list file its execute bit.
QString AppGroupMoveUPListPath(const QString& drive, const QString& rootvltDirName);

// Where an item's hidden data lives: for an item on a removable drive, the
// drive vault named by its groupName on that drive; otherwise the local vault
// root; then the item's encryptedPath.
QString itemStorePath(const FileModel& item);

} // namespace vexo::store
