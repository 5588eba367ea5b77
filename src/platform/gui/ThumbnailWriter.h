#pragma once

#include <QString>

namespace vexo::platform {

// Writes the list's picture of the item at source to thumbnailPath as TIFF,
// fitted into 200 x 200 with its proportions kept (a smaller one
// keeps its size). A picture (isPicture) is
// read scaled, never decoded whole, and always written; any other item gets
// the icon of its file kind, written only when no thumbnail is there yet.
// False when a needed picture could not be made or written.
bool writeItemThumbnail(const QString& source, const QString& thumbnailPath, bool isPicture);

} // namespace vexo::platform
