#pragma once

#include <QString>
#include <QStringList>

namespace vexo::platform {

// What the desktop keeps of the files a user opened, so a hidden file leaves
// no preview or history behind: the freedesktop thumbnail cache
// ($XDG_CACHE_HOME/thumbnails, one folder per size, each thumbnail named by
// the MD5 of the file's URI) and the list of recently used files
// ($XDG_DATA_HOME/recently-used.xbel).

// The URIs a desktop may have named the file at path by: as GLib writes them
// and as Qt does (they differ in a few punctuation characters).
QStringList fileUrisOf(const QString& path);

// Everything at and below path, links not followed: the paths whose traces
// go with an item.
QStringList pathsWithin(const QString& path);

// Removes the thumbnails and the recently used entries of paths. A list that
// cannot be read is left as it is; true when nothing that was found stayed.
bool forgetDesktopTraces(const QStringList& paths);

} // namespace vexo::platform
