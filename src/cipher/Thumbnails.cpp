#include "cipher/Thumbnails.h"

#include "cipher/FileTypes.h"
#include "platform/Digest.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/VolumesRoot.h"
#include "store/VaultPaths.h"

#include <QStringList>

namespace vexo::cipher {
namespace {

// A failed folder is only logged: the path is still the one readers and
// writers agree on, and writing the picture will fail on its own.
void createThumbFolder(const QString& folder) {
    if (!platform::makePrivatePath(folder))
        qCWarning(lcVexo, "cannot create the thumbnail folder %s", qUtf8Printable(folder));
}

QString driveThumbPath(const QString& path, const QString& volume, const QString& rootvltDirName) {
    const QString base = platform::volumePath(volume) + u'/' + rootvltDirName + u'/';
    const QString folder = base + QStringLiteral("Thumb");
    createThumbFolder(folder);
    const QString name =
        isThumbnailImage(path)
            ? platform::MD5_32BitUpper(QString(path).remove(base)) + QStringLiteral(".jpg")
            : pathExtension(path) + QStringLiteral("jpg");
    return folder + u'/' + name;
}

QString localThumbPath(const QString& path) {
    if (store::AppRootDirKey().isEmpty())
        return {};
    const QString folder = store::AppRootThumbDirPath();
    createThumbFolder(folder);
    const QString stem =
        isThumbnailImage(path) ? platform::MD5_32BitUpper(path) : pathExtension(path);
    return store::joinPath(folder, stem + QStringLiteral(".jpg"));
}

} // namespace

bool isThumbnailImage(const QString& path) {
    static const QStringList imageKinds = {QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                           QStringLiteral("png"), QStringLiteral("tiff")};
    return imageKinds.contains(pathExtension(path).toLower());
}

QString getFileThumbImagePath(const QString& path, const QString& rootvltDirName) {
    const QString volume = platform::volumeNameOf(path);
    if (volume.isEmpty())
        return localThumbPath(path);
    return driveThumbPath(path, volume, rootvltDirName);
}

} // namespace vexo::cipher
