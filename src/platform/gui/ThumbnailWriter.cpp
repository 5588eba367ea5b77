#include "platform/gui/ThumbnailWriter.h"

#include "platform/Log.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeDatabase>
#include <QPainter>

namespace vexo::platform {
namespace {

constexpr int kThumbnailSide = 200;

QImage scaledPicture(const QString& source) {
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kThumbnailSide || size.height() > kThumbnailSide))
        reader.setScaledSize(size.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        qCWarning(lcVexo, "cannot read the picture %s: %s", qUtf8Printable(source),
                  qUtf8Printable(reader.errorString()));
    else if (image.width() > kThumbnailSide || image.height() > kThumbnailSide)
        image = image.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    return image;
}

// A plain sheet, for when no icon theme is at hand (a headless session).
QImage drawnSheet() {
    QImage image(kThumbnailSide, kThumbnailSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QColor(122, 124, 135));
    painter.setBrush(QColor(236, 236, 240));
    painter.drawRoundedRect(QRectF(40, 20, 120, 160), 8, 8);
    return image;
}

QImage kindIcon(const QString& source) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(source);
        QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
        if (QFileInfo(source).isDir())
            icon = QIcon::fromTheme(QStringLiteral("folder"), icon);
        if (!icon.isNull())
            return icon.pixmap(kThumbnailSide, kThumbnailSide).toImage();
    }
    return drawnSheet();
}

bool writeTiff(const QImage& image, const QString& path) {
    QImageWriter writer(path, "tiff");
    if (writer.write(image))
        return true;
    qCWarning(lcVexo, "cannot write the thumbnail %s: %s", qUtf8Printable(path),
              qUtf8Printable(writer.errorString()));
    return false;
}

} // namespace

bool writeItemThumbnail(const QString& source, const QString& thumbnailPath, bool isPicture) {
    if (thumbnailPath.isEmpty())
        return false;
    if (isPicture) {
        const QImage picture = scaledPicture(source);
        return !picture.isNull() && writeTiff(picture, thumbnailPath);
    }
    if (QFileInfo::exists(thumbnailPath))
        return true;
    return writeTiff(kindIcon(source), thumbnailPath);
}

} // namespace vexo::platform
