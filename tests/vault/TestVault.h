#pragma once

#include "ScriptedPrompt.h"
#include "platform/Settings.h"
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
        controller.setUp();
    }

    ScriptedPrompt prompt;
    vault::VaultCatalogue catalogue{prompt};
    vault::MainViewController controller{catalogue};
};

} // namespace vexo::test
