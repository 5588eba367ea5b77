#include "cli/Session.h"

#include "access/PasswordStore.h"
#include "cli/ExitCode.h"
#include "store/VaultPaths.h"

#include <QEventLoop>
#include <QTimer>

namespace vexo::cli {

Session::Session(Context& context_)
    : context(context_), catalogue(context_.prompt), controller(catalogue), progress_(catalogue) {
    QObject::connect(&context.interrupts, &Interrupts::interrupted, &controller, [this] {
        if (!catalogue.runsUnderWay())
            return;
        cancelled_ = true;
        progress_.clear();
        controller.encryptCancelBtnAction();
    });
}

int Session::open() {
    if (!vaultIsSetUp())
        return kFailed;
    if (const int checked = checkMasterPassword(context); checked != kDone)
        return checked;
    return controller.setUp() ? kDone : kVaultInUse;
}

void Session::waitForRuns() {
    waitUntil([this] { return !catalogue.runsUnderWay(); });
}

void Session::waitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    // Runs end with a progress signal; the timer catches what ends without.
    QObject::connect(&catalogue, &vault::VaultCatalogue::progressStateChanged, &loop, check);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, check);
    poll.start(100);
    if (!done())
        loop.exec();
    progress_.clear();
}

int checkMasterPassword(Context& context) {
    if (!canAskPasswords(context))
        return kUsage;
    const auto typed = context.answers.secret(textOf(QStringLiteral("cli.askPassword")));
    if (!typed || !access::matchesStoredPassword(*typed)) {
        tell(textOf(QStringLiteral("cli.wrongPassword")));
        return kWrongPassword;
    }
    return kDone;
}

bool canAskPasswords(Context& context) {
    if (context.line.passwordStdin || context.answers.hasTerminal())
        return true;
    tell(textOf(QStringLiteral("cli.noTerminal")));
    return false;
}

bool vaultIsSetUp() {
    if (access::hasFinishedFirstRun() && access::storedPassword() &&
        !store::AppRootDirKey().isEmpty())
        return true;
    tell(textOf(QStringLiteral("cli.noVault")));
    return false;
}

} // namespace vexo::cli
