#pragma once

#include <QString>

namespace vexo::platform {

// The folder below which removable drives are mounted: $VEXO_VOLUMES_ROOT when
// set, else /run/media/$USER when it exists, else /media/$USER. Never ends in "/".
QString volumesRoot();

// True when path lies below the volumes root (begins with root + "/").
bool isOnVolumes(const QString& path);

// The first component of path below the volumes root ("USB1" for
// root/USB1/Docs/a.txt); empty when path is not on a volume.
QString volumeNameOf(const QString& path);

// root / name: the mount point of the volume called name.
QString volumePath(const QString& name);

} // namespace vexo::platform
