#include "platform/VolumesRoot.h"

#include <QDir>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace vexo::platform {
namespace {

// Looked up once: the user database is read from disk (or asked over a
// socket) and every path of a drive item passes through here.
QString userName() {
    static const QString name = [] {
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name)
            return QString::fromLocal8Bit(entry->pw_name);
        return qEnvironmentVariable("USER");
    }();
    return name;
}

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

QString volumesRoot() {
    const QString overridden = qEnvironmentVariable("VEXO_VOLUMES_ROOT");
    if (!overridden.isEmpty())
        return withoutTrailingSlash(QDir::cleanPath(overridden));
    const QString runMedia = QStringLiteral("/run/media/") + userName();
    if (QFileInfo(runMedia).isDir())
        return runMedia;
    return QStringLiteral("/media/") + userName();
}

bool isOnVolumes(const QString& path) {
    return path.startsWith(volumesRoot() + u'/');
}

QString volumeNameOf(const QString& path) {
    const QString prefix = volumesRoot() + u'/';
    if (!path.startsWith(prefix))
        return {};
    return path.mid(prefix.size()).section(u'/', 0, 0);
}

QString volumePath(const QString& name) {
    return volumesRoot() + u'/' + name;
}

} // namespace vexo::platform
