// Measures one engine operation on a prepared input and prints
// "seconds=S bytes=B peak_mib=M" for bench/run to compare with reference tools.
//
//   vexo_bench hide PATH     hide the file or folder item at PATH
//   vexo_bench unhide PATH   hide PATH untimed, remove it, time the unhide
//   vexo_bench digest PATH   the file digest of PATH
//
// The vault and the settings live in a new folder beside PATH, so every figure
// is taken on the disk that holds the input.

#include "PeakMemory.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "cipher/Sizes.h"
#include "platform/Digest.h"
#include "platform/FileSystem.h"
#include "platform/Settings.h"
#include "store/GroupModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

using namespace vexo;

namespace {

// A vault of its own for every run, beside the input; nothing is deleted
// before the measurement, so no run pays for another's clean-up.
void prepareVault(const QString& input) {
    const QString workDir = QFileInfo(input).absolutePath() + QStringLiteral("/vexo-bench-vault-") +
                            QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(workDir + QStringLiteral("/config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(workDir + QStringLiteral("/config")));
    platform::Settings::setValue(platform::keys::kRootDirKey,
                                 workDir + QStringLiteral("/vault.vlt"));
    platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("bench-password"));
    platform::syncFileSystemOf(workDir);
}

store::FileModelPtr itemFor(const QString& input) {
    auto item = std::make_shared<store::FileModel>();
    item->path = QFileInfo(input).absoluteFilePath();
    item->name = QFileInfo(input).fileName();
    item->groupName = store::kSystemDevicName;
    item->encryptedPath = QStringLiteral("bench-group/1");
    return item;
}

bool succeeded(const cipher::WalkResult& result) {
    if (result.outcome == cipher::WalkOutcome::Succeeded)
        return true;
    std::fprintf(stderr, "vexo_bench: %s\n", qUtf8Printable(result.reason));
    return false;
}

int report(qint64 nanoseconds, qint64 bytes) {
    std::printf("seconds=%.6f bytes=%lld peak_mib=%lld\n", static_cast<double>(nanoseconds) / 1e9,
                static_cast<long long>(bytes), static_cast<long long>(peakResidentMiB()));
    return 0;
}

qint64 itemBytes(const QString& input) {
    return QFileInfo(input).isDir() ? cipher::folderSizeAtPath(input)
                                    : cipher::fileSizeAtPath(input);
}

int hide(const QString& input) {
    const auto item = itemFor(input);
    QElapsedTimer timer;
    timer.start();
    if (!succeeded(cipher::EncryptAESAtFilemodel(item, QString())))
        return 1;
    return report(timer.nsecsElapsed(), itemBytes(input));
}

int unhide(const QString& input) {
    const auto item = itemFor(input);
    const qint64 bytes = itemBytes(input);
    const QString digest = platform::fileDigest(input);
    if (!succeeded(cipher::EncryptAESAtFilemodel(item, QString())))
        return 1;
    cipher::removeFile(input);
    QElapsedTimer timer;
    timer.start();
    if (!succeeded(cipher::DeCodeAESAtFilemodel(item, QString())))
        return 1;
    const qint64 elapsed = timer.nsecsElapsed();
    if (platform::fileDigest(input) != digest) {
        std::fprintf(stderr, "vexo_bench: the unhidden file differs from the original\n");
        return 1;
    }
    return report(elapsed, bytes);
}

int digest(const QString& input) {
    QElapsedTimer timer;
    timer.start();
    if (platform::fileDigest(input).isEmpty())
        return 1;
    return report(timer.nsecsElapsed(), itemBytes(input));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The per-file log lines would measure the terminal, not the engine.
    QLoggingCategory::setFilterRules(QStringLiteral("vexo.debug=false\nvexo.info=false"));
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: vexo_bench hide|unhide|digest PATH\n");
        return 2;
    }
    const QString command = args.at(1);
    const QString input = QFileInfo(args.at(2)).absoluteFilePath();
    prepareVault(input);
    if (command == QStringLiteral("hide"))
        return hide(input);
    if (command == QStringLiteral("unhide"))
        return unhide(input);
    if (command == QStringLiteral("digest"))
        return digest(input);
    std::fprintf(stderr, "vexo_bench: unknown command\n");
    return 2;
}
