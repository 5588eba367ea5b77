// Measures whole vault operations and prints "seconds=S items=N peak_mib=M"
// for bench/run to compare with reference tools.
//
//   vexo_vault_bench add DIR            add every file of DIR in one call, until all are hidden
//   vexo_vault_bench makelist DIR N     write a vault in DIR whose list holds N hidden items
//   vexo_vault_bench load DIR           open the vault that makelist wrote
//
// The vault and the settings live beside DIR, on the disk that holds it.

#include "PeakMemory.h"
#include "platform/Settings.h"
#include "store/DefaultLists.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "vault/MainViewController.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>

using namespace vexo;

namespace {

int report(qint64 nanoseconds, qint64 items) {
    std::printf("seconds=%.6f items=%lld peak_mib=%lld\n", static_cast<double>(nanoseconds) / 1e9,
                static_cast<long long>(items), static_cast<long long>(peakResidentMiB()));
    return 0;
}

// Settings and vault root beside dir, named after it.
void useVaultBeside(const QString& dir) {
    const QString work = dir + QStringLiteral(".vault");
    QDir().mkpath(work + QStringLiteral("/config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work + QStringLiteral("/config")));
    platform::Settings::setValue(platform::keys::kRootDirKey, work + QStringLiteral("/v.vlt"));
    platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("bench-password"));
}

// Answers nothing: a benchmark that reaches the user has failed.
class SilentPrompt : public vault::Prompt {
public:
    int shown = 0;
    int alert(const Alert& alert) override {
        std::fprintf(stderr, "vexo_vault_bench: alert %s: %s\n", qUtf8Printable(alert.messageKey),
                     qUtf8Printable(alert.informativeText));
        ++shown;
        return 0;
    }
    std::optional<QString> askText(const TextRequest&) override { return std::nullopt; }
    std::optional<QString> askPassword(const TextRequest&) override { return std::nullopt; }
    QStringList chooseFiles(const FileChoice&) override { return {}; }
    QString chooseSavePath(const SaveChoice&) override { return {}; }
};

int add(const QString& dir) {
    useVaultBeside(dir);
    QStringList paths;
    for (const QString& name : QDir(dir).entryList(QDir::Files, QDir::Name))
        paths << dir + u'/' + name;
    SilentPrompt prompt;
    vault::VaultCatalogue catalogue(prompt);
    vault::MainViewController controller(catalogue);
    controller.setUp();
    bool running = false;
    QObject::connect(&catalogue, &vault::VaultCatalogue::progressStateChanged,
                     [&running](const QString&, bool now) { running = now; });
    QElapsedTimer timer;
    timer.start();
    controller.AddFileActionForPaths(paths);
    while (running && prompt.shown == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 elapsed = timer.nsecsElapsed();
    const auto& items = catalogue.groupDirList.at(1)->fileModels;
    const bool allHidden =
        std::all_of(items.cbegin(), items.cend(),
                    [](const store::FileModelPtr& i) { return i->isEncrtypt.load(); });
    if (prompt.shown > 0 || items.size() != paths.size() || !allHidden) {
        std::fprintf(stderr, "vexo_vault_bench: not every file was hidden\n");
        return 1;
    }
    return report(elapsed, items.size());
}

int makeList(const QString& dir, qint64 count) {
    useVaultBeside(dir);
    QDir().mkpath(store::AppRootDirKey());
    store::GroupList groups = store::defaultLocalGroupList();
    const store::GroupModelPtr all = groups.at(1);
    for (qint64 i = 0; i < count; ++i) {
        auto item = std::make_shared<store::FileModel>();
        item->path =
            dir + QStringLiteral("/photos/2026/IMG_%1.jpg").arg(i, 6, 10, QLatin1Char('0'));
        item->name = item->path.section(u'/', -1);
        item->encryptedPath = all->path + QStringLiteral("/%1").arg(1'000'000'007 * (i + 1));
        item->macAddress = QStringLiteral("3c:22:fb:01:02:03");
        item->md5CodePath = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
        item->createDate = 1'700'000'000 + i;
        item->addDate = 1'760'000'000 + i;
        item->fileSize = 4096 + i;
        item->groupIndex = 1;
        item->fileIndex = i;
        item->groupName = store::kSystemDevicName;
        item->isEncrtypt = true;
        all->fileModels << item;
    }
    if (!store::writeGroupList(store::AppGroupDirListPath(), groups, store::ListKind::Local))
        return 1;
    std::printf("%s\n", qUtf8Printable(store::AppGroupDirListPath()));
    return 0;
}

int load(const QString& dir) {
    useVaultBeside(dir);
    SilentPrompt prompt;
    vault::VaultCatalogue catalogue(prompt);
    vault::MainViewController controller(catalogue);
    QElapsedTimer timer;
    timer.start();
    controller.setUp();
    const qint64 elapsed = timer.nsecsElapsed();
    if (prompt.shown > 0 || catalogue.groupDirList.size() < 2)
        return 1;
    return report(elapsed, catalogue.groupDirList.at(1)->fileModels.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("vexo.debug=false\nvexo.info=false"));
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vexo_vault_bench add DIR | makelist DIR N | load DIR\n");
        return 2;
    }
    const QString command = args.at(1);
    const QString dir = QFileInfo(args.at(2)).absoluteFilePath();
    if (command == QStringLiteral("add"))
        return add(dir);
    if (command == QStringLiteral("makelist") && args.size() == 4)
        return makeList(dir, args.at(3).toLongLong());
    if (command == QStringLiteral("load"))
        return load(dir);
    std::fprintf(stderr, "vexo_vault_bench: unknown command\n");
    return 2;
}
