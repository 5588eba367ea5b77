#include "platform/gui/ImageLookup.h"

#include "platform/Localization.h"

namespace vexo::platform {

QImage imageWithfileName(const QString& name) {
    const QString path = imagePathWithfileName(name);
    return path.isEmpty() ? QImage() : QImage(path);
}

} // namespace vexo::platform
