// The process the kill test kills. "setup BASE" makes the vault and its
// items, all hidden; "run BASE [N]" switches every item back and forth
// without end (killing itself at the N-th progress report when N is given);
// "verify BASE" opens the vault as a fresh start would, checks each item
// against the disk and its content, and leaves every item visible.

#include "KillScenario.h"
#include "ScriptedPrompt.h"
#include "cipher/ItemOnDisk.h"
#include "platform/Settings.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "vault/MainViewController.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QEventLoop>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

using namespace vexo;

namespace {

int failures = 0;

void fail(const QString& what) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(what));
    ++failures;
}

void useVaultAt(const QString& base) {
    platform::Settings::setValue(platform::keys::kRootDirKey, base + QStringLiteral("/v.vlt"));
    platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("master"));
}

struct Vault {
    explicit Vault(const QString& base) {
        useVaultAt(base);
        controller.setUp();
        controller.openDriveVault(platform::volumePath(test::kill::driveKey()));
    }

    QList<store::FileModelPtr> items() const {
        QList<store::FileModelPtr> all = catalogue.groupDirList.at(1)->fileModels;
        const store::GroupList drive = catalogue.UPLibrary.value(test::kill::driveKey());
        if (drive.size() > 1)
            all += drive.at(1)->fileModels;
        return all;
    }

    // Switches item and waits for the outcome to be applied.
    void switchItem(const store::FileModelPtr& item) {
        QEventLoop loop;
        controller.visableChange(item, [&loop] { loop.quit(); });
        loop.exec();
    }

    test::ScriptedPrompt prompt;
    vault::VaultCatalogue catalogue{prompt};
    vault::MainViewController controller{catalogue};
};

int setUp(const QString& base) {
    for (const auto& file : test::kill::expectedFiles(base))
        test::writeFile(file.path, file.content);
    Vault vault(base);
    vault.prompt.alertAnswers << 0;
    vault.prompt.textAnswers << std::optional<QString>(test::kill::kDriveVault);
    // Both additions run their walks at once; each ends by saying so.
    int walksRunning = 2;
    QObject::connect(&vault.catalogue, &vault::VaultCatalogue::progressStateChanged,
                     [&walksRunning](const QString&, bool running) {
                         if (!running)
                             --walksRunning;
                     });
    const QStringList paths = test::kill::itemPaths(base);
    vault.controller.AddFileActionForPaths(paths.mid(0, 3));
    vault.controller.AddFileActionForPaths(paths.mid(3));
    while (walksRunning > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const QList<store::FileModelPtr> items = vault.items();
    if (items.size() != 4 || !std::all_of(items.cbegin(), items.cend(),
                                          [](const auto& item) { return item->isEncrtypt.load(); }))
        fail(QStringLiteral("setup could not hide every item"));
    vault.catalogue.workers().waitForDone();
    return failures == 0 ? 0 : 1;
}

[[noreturn]] void runForever(const QString& base, qint64 killAt) {
    Vault vault(base);
    std::atomic<qint64> reports{0};
    if (killAt > 0)
        vault.catalogue.progressObserver = [&reports, killAt](const store::FileModelPtr&, qint64) {
            if (++reports == killAt)
                ::raise(SIGKILL);
        };
    std::fprintf(stdout, "running\n");
    std::fflush(stdout);
    for (;;) {
        for (bool hiding : {true, false})
            for (const store::FileModelPtr& item : vault.items())
                if (item->isEncrtypt != hiding)
                    vault.switchItem(item);
    }
}

void checkNoLeftovers(const QString& base) {
    for (const QString& top : {base, platform::volumePath(test::kill::kDrive)}) {
        QDirIterator it(top, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QStringLiteral(".vexo-")) || path.contains(QStringLiteral(".plist.")))
                fail(QStringLiteral("leftover: ") + path);
        }
    }
}

int verify(const QString& base) {
    useVaultAt(base);
    if (!store::readGroupList(store::AppGroupDirListPath(), store::ListKind::Local,
                              store::kSystemDevicName))
        fail(QStringLiteral("the local list does not parse"));
    if (!store::readGroupList(
            store::AppGroupMoveUPListPath(test::kill::kDrive, test::kill::kDriveVault),
            store::ListKind::Drive, test::kill::driveKey(), test::kill::kDrive))
        fail(QStringLiteral("the drive list does not parse"));
    Vault vault(base);
    if (vault.items().size() != 4)
        fail(QStringLiteral("items listed: %1").arg(vault.items().size()));
    for (const store::FileModelPtr& item : vault.items()) {
        const cipher::ItemOnDisk disk = cipher::inspectItemOnDisk(*item);
        if (item->isEncrtypt ? (!disk.storeComplete || disk.placeTaken) : !disk.placeTaken)
            fail(item->path + QStringLiteral(" is shown in a state the disk contradicts"));
        if (item->isEncrtypt)
            vault.switchItem(item);
        if (item->isEncrtypt)
            fail(item->path + QStringLiteral(" cannot be unhidden"));
    }
    for (const auto& file : test::kill::expectedFiles(base))
        if (test::readFile(file.path) != file.content)
            fail(file.path + QStringLiteral(" lost bytes"));
    if (!vault.prompt.alerts.isEmpty())
        fail(QStringLiteral("alerts: ") + vault.prompt.alertKeys().join(u' '));
    checkNoLeftovers(base);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString& mode = args.at(1);
    const QString& base = args.at(2);
    if (mode == QStringLiteral("setup"))
        return setUp(base);
    if (mode == QStringLiteral("run"))
        runForever(base, args.size() > 3 ? args.at(3).toLongLong() : 0);
    if (mode == QStringLiteral("verify"))
        return verify(base);
    return 2;
}
