#pragma once

#include <QString>

namespace vexo::store {

// Moves an item path stored in a drive vault's list onto the drive as it is
// mounted now. The list may have been written on another computer or system,
// under another mount folder and another drive name, so the path loses
// whichever known mount folder it begins with (the current volumes root,
// "/Volumes/", "/run/media/<user>/" or "/media/<user>/"; the longest match
// wins) and then its first remaining component, the drive's old name. What is
// left goes below platform::volumePath(drive); a path that ends at the drive
// becomes the drive's mount point itself.
//
// A path below none of the known folders has its first component taken as
// the old drive name. Empty, "." and ".." components are dropped, so a stored
// path can never lead out of the drive. An empty path stays empty.
QString rebaseDrivePath(const QString& storedPath, const QString& drive);

} // namespace vexo::store
