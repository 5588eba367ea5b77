#include "platform/gui/ImageLookup.h"

#include "platform/Localization.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vexo::platform {

QImage imageWithfileName(const QString& name) {
    const QString path = imagePathWithfileName(name);
    return path.isEmpty() ? QImage() : QImage(path);
}

QImage resizeImage(const QImage& image, const QSizeF& maxSize) {
    if (image.isNull() || maxSize.isEmpty())
        return {};
    const qreal width = image.width();
    const qreal height = image.height();
    const qreal longest = std::max(maxSize.width(), maxSize.height());
    const QSizeF target = width > height ? QSizeF(longest, height / width * maxSize.width())
                                         : QSizeF(width / height * maxSize.width(), longest);
    const QSize pixels(std::max(1, qRound(target.width())), std::max(1, qRound(target.height())));
    const float scale = std::max(static_cast<float>(target.height() / height),
                                 static_cast<float>(target.width() / width));
    const QSizeF kept(std::min(std::floor(target.width() / scale), width),
                      std::min(std::floor(target.height() / scale), height));
    const QPointF corner(std::floor((width - kept.width()) / 2),
                         std::floor((height - kept.height()) / 2));

    QImage resized(pixels, QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(pixels)), image, QRectF(corner, kept));
    return resized;
}

} // namespace vexo::platform
