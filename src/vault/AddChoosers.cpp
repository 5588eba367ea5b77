// The choosers that start an addition, and a whole drive chosen at once.

#include "cipher/FolderWalk.h"
#include "cipher/Sizes.h"
#include "platform/Log.h"
#include "platform/VolumesRoot.h"
#include "store/VaultPaths.h"
#include "vault/ItemRuns.h"
#include "vault/MainViewController.h"
#include "vault/Prompt.h"

#include <QDir>

namespace vexo::vault {
namespace {

// True when path is a drive's own mount point, as chosen from the chooser.
bool isWholeVolume(const QString& path) {
    const QString volume = platform::volumeNameOf(path);
    return !volume.isEmpty() && QDir::cleanPath(path) == platform::volumePath(volume);
}

} // namespace

QStringList MainViewController::wholeVolumeEntries(const QString& path) {
    const qint64 total = cipher::getUSBDiskTotalSize(path);
    const qint64 free = cipher::getUSBDiskFreeSize(path);
    qCInfo(lcVexo, "选择的是整个盘--->totalSize ==>> %lld", static_cast<long long>(total));
    qCInfo(lcVexo, "选择的是整个盘--->freeSize ==>> %lld", static_cast<long long>(free));
    if (total - free > free) {
        tell(catalogue_.prompt(), QStringLiteral("needTotalSize.Title"), {},
             {QString::number(static_cast<double>(total - free) / 1024.0 / 1024.0, 'f', 2)});
        return {};
    }
    QStringList entries;
    const QDir folder(path);
    const auto names = folder.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QString entry = store::joinPath(path, name);
        if (cipher::isDirectory(entry) ? !name.endsWith(QStringLiteral(".vlt"))
                                       : cipher::fileSizeAtPath(entry) > 0)
            entries << entry;
    }
    qCInfo(lcVexo, "inDirfiles:%s", qUtf8Printable(entries.join(u',')));
    return entries;
}

void MainViewController::addChosenPaths(const Prompt::FileChoice& choice) {
    qCInfo(lcVexo, "add file to app");
    QStringList paths = catalogue_.prompt().chooseFiles(choice);
    if (paths.size() == 1 && platform::isOnVolumes(paths.first())) {
        const QString volume = platform::volumeNameOf(paths.first());
        if (isNTFSDisk_DAVolumeKind(volume)) {
            catalogue_.prompt().alert({Prompt::Style::Error,
                                       QStringLiteral("NTFErrorTitle"),
                                       {},
                                       QStringLiteral("NTFErrorMessage"),
                                       {},
                                       {QStringLiteral("OK")}});
            return;
        }
        qCInfo(lcVexo, "components:%s", qUtf8Printable(paths.first()));
        if (isWholeVolume(paths.first()))
            paths = wholeVolumeEntries(paths.first());
    }
    AddFileActionForPaths(paths);
}

void MainViewController::addFilesAction() {
    addChosenPaths({});
}

void MainViewController::addGroupAction() {
    Prompt::FileChoice choice;
    choice.preferredExtensions = {QStringLiteral("vlt")};
    addChosenPaths(choice);
}

} // namespace vexo::vault
