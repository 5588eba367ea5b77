#pragma once

#include <QImage>
#include <QString>

namespace vexo::platform {

// A picture of the application's resources by name, with the fallbacks of
// imagePathWithfileName(); a null image when none exists.
QImage imageWithfileName(const QString& name);

} // namespace vexo::platform
