#include "store/VaultPaths.h"

#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace vexo::store {
namespace {

QString lastComponent(const QString& path) {
    return path.section(u'/', -1, -1);
}

// Creates a folder of a drive vault with the log lines the vault has always
// written; a failure is logged and otherwise left to later file operations.
void createLoggedFolder(const QString& folder, const char* successLine, const char* failureLine) {
    if (platform::makePrivatePath(folder)) {
        qCInfo(lcVexo, "%s", successLine);
        return;
    }
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    qCWarning(lcVexo, failureLine, qUtf8Printable(folder + QStringLiteral(": ") + reason));
}

} // namespace

QString joinPath(const QString& a, const QString& b) {
    qsizetype first = 0;
    qsizetype last = b.size();
    while (first < last && b.at(first) == u'/')
        ++first;
    while (last > first && b.at(last - 1) == u'/')
        --last;
    QString head = a;
    while (head.size() > 1 && head.endsWith(u'/'))
        head.chop(1);
    if (first == last)
        return head;
    const QString tail = b.sliced(first, last - first);
    if (head.isEmpty())
        return tail;
    if (head == QStringLiteral("/"))
        return head + tail;
    return head + u'/' + tail;
}

QString AppRootDirKey() {
    return platform::Settings::value(platform::keys::kRootDirKey);
}

QString AppRootNoteDirPath() {
    return joinPath(AppRootDirKey(), QStringLiteral("Notes"));
}

QString AppGroupDirListPath() {
    return joinPath(AppRootDirKey(), QStringLiteral("GroupDirlist.plist"));
}

QString AppGroupNotesListPath() {
    return joinPath(AppRootDirKey(), QStringLiteral("GroupNoteslist.plist"));
}

QString AppRootThumbDirPath() {
    return joinPath(AppRootDirKey(), QStringLiteral("Thumb"));
}

QString AppRootMoveUpDirPath(const QString& drive, const QString& rootvltDirName) {
    return joinPath(platform::volumePath(drive), rootvltDirName);
}

QString AppGroupMoveUPListPath(const QString& drive, const QString& rootvltDirName) {
    const QString folder = AppRootMoveUpDirPath(drive, rootvltDirName);
    if (!QFileInfo::exists(folder)) {
        createLoggedFolder(folder, "创建根目录成功", "创建根目录失败:%s");
        createLoggedFolder(joinPath(folder, QStringLiteral("Thumb")), "创建缩率图目录成功",
                           "创建缩率图目录失败:%s");
    }
    QString list = joinPath(folder, QStringLiteral("GroupMoveUPlist.plist"));
    if (!QFileInfo::exists(list))
        list = joinPath(folder, QStringLiteral("GroupDirlist.plist"));
    platform::addExecuteBits(list);
    return list;
}

QString itemStorePath(const FileModel& item) {
    if (!platform::isOnVolumes(item.path))
        return joinPath(AppRootDirKey(), item.encryptedPath);
    const QString vaultFolder =
        AppRootMoveUpDirPath(platform::volumeNameOf(item.path), lastComponent(item.groupName));
    return joinPath(vaultFolder, item.encryptedPath);
}

} // namespace vexo::store
