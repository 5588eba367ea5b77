#include "notes/NotePictures.h"

#include "notes/NotePackage.h"
#include "notes/PictureNames.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QPixmap>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace vexo::notes {
namespace {

const char* const kPackagePathProperty = "vexoNotePackage";
const char* const kPackagePicturesProperty = "vexoNotePackagePictures";

// Shown pictures are read at most this large on a side.
constexpr int kLargestShownSide = 4096;
// Larger pictures are not read at all: reading one scaled down still
// decodes every pixel, and a small hostile file can claim billions.
constexpr qint64 kLargestReadPixels = qint64(16384) * 8192;

QStringList pictureNamesOf(const QTextDocument& document) {
    QStringList names;
    QSet<QString> seen;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (!seen.contains(name)) {
                seen.insert(name);
                names << name;
            }
        }
    }
    return names;
}

QImage imageFromResource(const QVariant& resource) {
    if (resource.typeId() == QMetaType::QImage)
        return resource.value<QImage>();
    if (resource.typeId() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    if (resource.typeId() == QMetaType::QByteArray)
        return pictureFromBytes(resource.toByteArray());
    return {};
}

QImage imageOf(const QTextDocument& document, const QString& name) {
    const QImage image =
        imageFromResource(document.resource(QTextDocument::ImageResource, QUrl(name)));
    if (!image.isNull())
        return image;
    const QUrl url(name);
    const QString file = url.isLocalFile() ? url.toLocalFile() : name;
    if (!QDir::isAbsolutePath(file))
        return {};
    QImageReader reader(file);
    return reader.read();
}

bool unchangedFromPackage(const QTextDocument& document, const QString& packagePath,
                          const QString& name, const QImage& image) {
    const QVariantMap pictures = document.property(kPackagePicturesProperty).toMap();
    return document.property(kPackagePathProperty).toString() == packagePath &&
           pictures.contains(name) && pictures.value(name).toLongLong() == image.cacheKey();
}

bool isPngName(const QString& name) {
    return name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

} // namespace

PicturePlan::PicturePlan(const QTextDocument& document, const QString& packagePath) {
    QList<std::pair<QString, QImage>> unnamed;
    for (const QString& name : pictureNamesOf(document)) {
        const QImage image = imageOf(document, name);
        if (image.isNull())
            continue;
        if (!isPlainFileName(name) || name.compare(kNoteMainFileName, Qt::CaseInsensitive) == 0) {
            unnamed.append({name, image});
            continue;
        }
        const bool reused = unchangedFromPackage(document, packagePath, name, image);
        if (!reused && !isPngName(name)) {
            unnamed.append({name, image});
            continue;
        }
        pictures_.push_back({name, image, reused});
        fileNames_.insert(name, name);
    }
    for (const auto& [name, image] : unnamed) {
        const QString fileName = freeName();
        pictures_.push_back({fileName, image, false});
        fileNames_.insert(name, fileName);
    }
}

QString PicturePlan::fileNameOf(const QTextImageFormat& image) const {
    return fileNames_.value(image.name());
}

QHash<QString, qint64> PicturePlan::picturesUnderOwnNames() const {
    QHash<QString, qint64> pictures;
    for (const PackagePicture& picture : pictures_) {
        if (fileNames_.value(picture.fileName) == picture.fileName)
            pictures.insert(picture.fileName, picture.image.cacheKey());
    }
    return pictures;
}

void PicturePlan::drop(const QString& fileName) {
    std::erase_if(pictures_, [&](const PackagePicture& p) { return p.fileName == fileName; });
    for (auto it = fileNames_.begin(); it != fileNames_.end();) {
        it = it.value() == fileName ? fileNames_.erase(it) : std::next(it);
    }
}

QString PicturePlan::freeName() const {
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("image%1.png").arg(n);
        const bool taken = std::any_of(pictures_.cbegin(), pictures_.cend(), [&](const auto& p) {
            return p.fileName.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!taken)
            return name;
    }
}

void rememberPackagePictures(QTextDocument* document, const QString& packagePath,
                             const QHash<QString, qint64>& pictures) {
    QVariantMap keys;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        keys.insert(it.key(), it.value());
    document->setProperty(kPackagePathProperty, packagePath);
    document->setProperty(kPackagePicturesProperty, keys);
}

void rememberPackageMoved(QTextDocument* document, const QString& packagePath) {
    document->setProperty(kPackagePathProperty, packagePath);
}

QImage pictureFromBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}

QImage shownPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (qint64(size.width()) * size.height() > kLargestReadPixels)
        return {};
    if (size.width() > kLargestShownSide || size.height() > kLargestShownSide)
        reader.setScaledSize(size.scaled(kLargestShownSide, kLargestShownSide, Qt::KeepAspectRatio)
                                 .expandedTo(QSize(1, 1)));
    return reader.read();
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace vexo::notes
