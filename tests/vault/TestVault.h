#pragma once

#include "ScriptedPrompt.h"
#include "platform/Settings.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "vault/MainViewController.h"

namespace vexo::test {

// A fresh vault at root with the master password "master", its catalogue and
// a controller set up as after an unlock, answering prompts from a script.
struct TestVault {
    explicit TestVault(const QString& root) {
        clearSettings();
        platform::Settings::setValue(platform::keys::kRootDirKey, root);
        platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("master"));
        QObject::connect(&catalogue, &vault::VaultCatalogue::progressStateChanged,
                         [this](const QString&, bool now) { running = now; });
        controller.setUp();
    }

    // Adds paths and waits until their hiding walk has ended.
    bool addAndWait(const QStringList& paths) {
        controller.AddFileActionForPaths(paths);
        return waitUntilIdle();
    }

    bool waitUntilIdle() {
        return QTest::qWaitFor([this] { return !running; }, 20000);
    }

    // Whether the local list file says the item at path is hidden; nullopt
    // when the file does not list it.
    static std::optional<bool> listedHidden(const QString& path) {
        const auto groups = store::readGroupList(store::AppGroupDirListPath(),
                                                 store::ListKind::Local, store::kSystemDevicName);
        for (const auto& group : groups.value_or(store::GroupList()))
            for (const auto& item : group->fileModels)
                if (item->path == path)
                    return item->isEncrtypt.load();
        return std::nullopt;
    }

    ScriptedPrompt prompt;
    vault::VaultCatalogue catalogue{prompt};
    vault::MainViewController controller{catalogue};
    bool running = false; // a hide or unhide is under way
};

} // namespace vexo::test
