#include "cli/Session.h"

#include "access/PasswordStore.h"
#include "cli/ExitCode.h"
#include "store/VaultPaths.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace vexo::cli {

Session::Session(Context& context_)
    : context(context_), catalogue(context_.prompt), controller(catalogue), progress_(catalogue) {
    QObject::connect(&context.interrupts, &Interrupts::interrupted, &controller, [this] {
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
        else if (cancelled_ && catalogue.runsUnderWay())
            controller.encryptCancelBtnAction(); // a run that started after Ctrl-C stops too
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
        tell(
            textOf(typed ? QStringLiteral("cli.wrongPassword") : QStringLiteral("cli.noPassword")));
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
    const QString root = store::AppRootDirKey();
    if (!access::hasFinishedFirstRun() || !access::storedPassword() || root.isEmpty()) {
        tell(textOf(QStringLiteral("cli.noVault")));
        return false;
    }
    // A vault folder that is gone (a drive not connected, a folder moved) is
    // not made again empty: that would show an empty vault as the user's.
    if (!QFileInfo(root).isDir()) {
        tell(textOf(QStringLiteral("cli.vaultMissing"), {root}));
        return false;
    }
    return true;
}

} // namespace vexo::cli
