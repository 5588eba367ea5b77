#pragma once

#include "cli/Context.h"
#include "cli/ProgressBar.h"
#include "vault/MainViewController.h"
#include "vault/VaultCatalogue.h"

#include <functional>

namespace vexo::cli {

// The vault unlocked for one command, as the unlock screen and the main
// window's set-up leave it: the catalogue, a controller and the lock that
// keeps other programs out until the session ends.
class Session {
public:
    explicit Session(Context& context);

    // Asks for the master password, checks it as the unlock screen does and
    // sets the vault up; an exit code other than kDone when it cannot be
    // opened (the user has been told why).
    int open();

    // Runs the event loop until every hide, unhide and walk started has had
    // its outcome applied. Ctrl-C meanwhile cancels the running one.
    void waitForRuns();
    // Runs the event loop until done says so.
    void waitUntil(const std::function<bool()>& done);
    // Whether Ctrl-C has cancelled work of this session.
    bool cancelled() const { return cancelled_; }

    Context& context;
    vault::VaultCatalogue catalogue;
    vault::MainViewController controller;

private:
    ProgressBar progress_;
    bool cancelled_ = false;
};

// Asks for the master password and checks it; kDone when it matches.
int checkMasterPassword(Context& context);
// Whether passwords can be asked for: on standard input when the command
// line says so, else on a terminal; tells the user when not.
bool canAskPasswords(Context& context);
// Whether a vault has been set up for this user (the first run finished);
// tells the user how to make one when not.
bool vaultIsSetUp();

} // namespace vexo::cli
