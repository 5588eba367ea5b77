// init: makes the vault folder and sets the master password, as the
// first-run guide does.

#include "access/PasswordStore.h"
#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "cli/Numbering.h"
#include "cli/Session.h"
#include "store/VaultPaths.h"
#include "vault/FirstRun.h"

namespace vexo::cli {
namespace {

const QString kCommand = QStringLiteral("init");

// The new password typed twice; empty when it was refused (the user has
// been told why).
std::optional<QString> newPassword(Context& context) {
    const auto password = context.answers.secret(textOf(QStringLiteral("cli.askNewPassword")));
    const auto repeated =
        password ? context.answers.secret(textOf(QStringLiteral("cli.askRepeatPassword")))
                 : std::nullopt;
    if (!repeated) {
        tell(textOf(QStringLiteral("cli.cancelled")));
        return std::nullopt;
    }
    if (password->isEmpty()) {
        tell(textOf(QStringLiteral("cli.emptyPassword")));
        return std::nullopt;
    }
    if (*password != *repeated) {
        tell(textOf(QStringLiteral("cli.passwordsDiffer")));
        return std::nullopt;
    }
    return repeated;
}

} // namespace

int runInit(Context& context, const QStringList& words) {
    const auto options = commandOptions(kCommand, words, {QStringLiteral("--hint")}, {}, 1, 1);
    if (!options)
        return kUsage;
    if (access::hasFinishedFirstRun() && access::storedPassword()) {
        tell(textOf(QStringLiteral("cli.alreadySetUp")).arg(store::AppRootDirKey()));
        return kFailed;
    }
    if (!canAskPasswords(context))
        return kUsage;
    const auto password = newPassword(context);
    if (!password)
        return kFailed;
    const QString root = vault::vaultRootForChoice(absolutePath(options->positionals.first()));
    if (!vault::createVaultRoot(root, context.prompt))
        return kFailed;
    vault::storeFirstRun(root, *password, options->values.value(QStringLiteral("--hint")));
    Session session(context);
    if (!session.controller.setUp())
        return kVaultInUse;
    print(textOf(QStringLiteral("cli.vaultCreated")).arg(root));
    return kDone;
}

} // namespace vexo::cli
