#include "notes/NotePackage.h"

#include "notes/NotePictures.h"
#include "notes/PackageFolder.h"
#include "notes/RtfReader.h"
#include "notes/RtfWriter.h"
#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace vexo::notes {
namespace {

// Larger files are not notes; the limit keeps a hostile one from taking all memory.
constexpr qint64 kLargestNoteFile = qint64(256) << 20;

QString cleanPath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Stores the planned pictures in folder; a picture that cannot be stored
// from the old package is encoded again, one that cannot be encoded is left out.
bool writePictures(PicturePlan& plan, int oldPackage, int folder, QString* error) {
    const std::vector<PackagePicture> pictures = plan.pictures();
    for (const PackagePicture& picture : pictures) {
        if (picture.reused && oldPackage >= 0 &&
            linkOrCopyFile(oldPackage, folder, picture.fileName, nullptr))
            continue;
        const QByteArray png = pngBytes(picture.image);
        if (png.isEmpty()) {
            plan.drop(picture.fileName);
            continue;
        }
        if (!writeNewFile(folder, picture.fileName, png, error))
            return false;
    }
    return true;
}

bool writePackage(const QString& folderPath, const QString& packagePath,
                  const QTextDocument& document, PicturePlan& plan, QString* error) {
    const platform::UniqueFd folder = openFolder(folderPath);
    if (!folder.valid()) {
        if (error)
            *error = folderPath + QStringLiteral(": cannot open the new package");
        return false;
    }
    const platform::UniqueFd oldPackage = openFolder(packagePath);
    if (!writePictures(plan, oldPackage.get(), folder.get(), error))
        return false;
    const QByteArray rtf =
        writeRtf(document, [&](const QTextImageFormat& image) { return plan.fileNameOf(image); });
    return writeNewFile(folder.get(), kNoteMainFileName, rtf, error) && syncFolder(folder.get());
}

} // namespace

bool saveNotePackage(const QString& packagePath, QTextDocument& document, QString* error) {
    const QString package = cleanPath(packagePath);
    const std::optional<QString> fresh = makeFolderBeside(package, error);
    if (!fresh)
        return false;
    PicturePlan plan(document, package);
    if (!writePackage(*fresh, package, document, plan, error)) {
        removeTree(*fresh);
        return false;
    }
    const std::optional<QString> old = replaceWithFolder(*fresh, package, error);
    if (!old) {
        removeTree(*fresh);
        return false;
    }
    syncFolderAt(QFileInfo(package).path());
    if (!old->isEmpty() && !removeTree(*old))
        qCWarning(lcVexo, "cannot remove the replaced note package %s", qUtf8Printable(*old));
    rememberPackagePictures(&document, package, plan.picturesUnderOwnNames());
    return true;
}

bool loadNotePackage(const QString& packagePath, QTextDocument* document) {
    document->clear();
    const QString package = cleanPath(packagePath);
    const platform::UniqueFd folder = openFolder(package);
    const std::optional<QByteArray> rtf =
        folder.valid() ? readFileIn(folder.get(), kNoteMainFileName, kLargestNoteFile)
                       : std::nullopt;
    QHash<QString, qint64> pictures;
    const bool loaded = rtf && readRtf(*rtf, document, [&](const QString& fileName) {
                            const std::optional<QByteArray> bytes =
                                readFileIn(folder.get(), fileName, kLargestNoteFile);
                            const QImage image = bytes ? shownPicture(*bytes) : QImage();
                            if (!image.isNull())
                                pictures.insert(fileName, image.cacheKey());
                            return image;
                        });
    if (!loaded)
        document->clear();
    rememberPackagePictures(document, package, loaded ? pictures : QHash<QString, qint64>());
    document->setModified(false);
    return loaded;
}

void notePackageMoved(const QString& packagePath, QTextDocument* document) {
    rememberPackageMoved(document, cleanPath(packagePath));
}

} // namespace vexo::notes
