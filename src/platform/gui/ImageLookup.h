#pragma once

#include <QImage>
#include <QString>

namespace vexo::platform {

// A picture of the application's resources by name, with the fallbacks of
// imagePathWithfileName(); a null image when none exists.
QImage imageWithfileName(const QString& name);

// A copy of image scaled to fit maxSize: its longer side becomes the larger
// of maxSize's sides and its shorter side keeps the proportion measured on
// maxSize's width; where that changes the proportion, the middle of the
// picture is kept. Null for a null image or an empty maxSize.
QImage resizeImage(const QImage& image, const QSizeF& maxSize);

} // namespace vexo::platform
