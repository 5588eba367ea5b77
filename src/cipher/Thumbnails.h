#pragma once

#include <QString>

namespace vexo::cipher {

// Where the thumbnail of the item at path lives, and creates its folder when
// missing (the thumbnail itself is neither made nor looked for here).
//
// An item on a removable drive V keeps its thumbnails in the drive vault
// named rootvltDirName: base B = volumes root/V/rootvltDirName/, folder
// B + "Thumb". An image is named by the digest of its path with B removed,
// plus ".jpg"; any other item by its extension directly followed by "jpg",
// so all items of one kind share one picture.
//
// A local item keeps them in the vault root's "Thumb" folder: an image as
// the digest of its whole path plus ".jpg", any other item as its extension
// plus ".jpg". Empty when no vault root has been chosen yet.
QString getFileThumbImagePath(const QString& path, const QString& rootvltDirName);

// True when the path's extension, in lower case, is jpg, jpeg, png or tiff.
bool isThumbnailImage(const QString& path);

} // namespace vexo::cipher
