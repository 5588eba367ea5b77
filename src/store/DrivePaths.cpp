#include "store/DrivePaths.h"

#include "platform/VolumesRoot.h"
#include "store/VaultPaths.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace vexo::store {
namespace {

// Length of the longest known mount folder (with its trailing "/") that path
// begins with; 0 when it begins with none.
qsizetype mountPrefixLength(const QString& path) {
    static const QRegularExpression userMounts(
        QStringLiteral("^(?:/Volumes/|/run/media/[^/]+/|/media/[^/]+/)"));
    qsizetype longest = 0;
    if (const QRegularExpressionMatch match = userMounts.match(path); match.hasMatch())
        longest = match.capturedLength();
    const QString root = platform::volumesRoot() + u'/';
    if (path.startsWith(root))
        longest = std::max(longest, root.size());
    return longest;
}

QStringList meaningfulComponents(const QString& relative) {
    QStringList components = relative.split(u'/', Qt::SkipEmptyParts);
    components.removeIf([](const QString& component) {
        return component == QStringLiteral(".") || component == QStringLiteral("..");
    });
    return components;
}

} // namespace

QString rebaseDrivePath(const QString& storedPath, const QString& drive) {
    if (storedPath.isEmpty())
        return {};
    QStringList components = meaningfulComponents(storedPath.mid(mountPrefixLength(storedPath)));
    if (!components.isEmpty())
        components.removeFirst(); // the drive's old name
    return joinPath(platform::volumePath(drive), components.join(u'/'));
}

} // namespace vexo::store
