#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <vector>

class QTextDocument;
class QTextImageFormat;

namespace vexo::notes {

// A picture of a document as it goes into a package.
struct PackagePicture {
    QString fileName;    // in the package
    QImage image;        // what to store, as PNG, unless reused
    bool reused = false; // the package's own file, unchanged since loading: kept as it is
};

// Chooses the file of every picture a document shows, in document order.
// A picture loaded from packagePath and not changed since keeps its file; a
// document resource with a plain ".png" name keeps that name; every other
// picture (another resource, a file on disk by file URL or path) gets a free
// "imageN.png". Pictures that cannot be found are left out.
class PicturePlan {
public:
    PicturePlan(const QTextDocument& document, const QString& packagePath);

    const std::vector<PackagePicture>& pictures() const { return pictures_; }
    // The file name for a picture of the document; empty when it is left out.
    QString fileNameOf(const QTextImageFormat& image) const;
    // The pictures stored under the name the document gives them: file name
    // -> the image's cache key (see rememberPackagePictures).
    QHash<QString, qint64> picturesUnderOwnNames() const;
    // Leaves a picture out after all (its file could not be written).
    void drop(const QString& fileName);

private:
    QString freeName() const;

    std::vector<PackagePicture> pictures_;
    QHash<QString, QString> fileNames_; // image name in the document -> file name
};

// Notes on document that its pictures came from the package at packagePath,
// so that the next save there can keep their files: pictures maps each file
// name to the image's cache key.
void rememberPackagePictures(QTextDocument* document, const QString& packagePath,
                             const QHash<QString, qint64>& pictures);
// Notes on document that the package its pictures came from now lies at
// packagePath, moved whole.
void rememberPackageMoved(QTextDocument* document, const QString& packagePath);

// The picture in an image file's bytes; null when they hold none Qt can read
// within its allocation limit.
QImage pictureFromBytes(const QByteArray& bytes);
// The picture in an image file's bytes as a note shows it: one larger than
// the editor needs is read scaled down (its file keeps it whole), so that a
// picture too large to read whole still shows. Null when the bytes hold no
// picture, or one too large to read even so.
QImage shownPicture(const QByteArray& bytes);
QByteArray pngBytes(const QImage& image);

} // namespace vexo::notes
