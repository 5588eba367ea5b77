// passwd: changes the master password, as the change-password window does.

#include "access/PasswordChange.h"
#include "access/PasswordStrength.h"
#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"

namespace vexo::cli {
namespace {

int tellRefusal(access::PasswordChangeRefusal refusal) {
    switch (refusal) {
    case access::PasswordChangeRefusal::None:
        return kDone;
    case access::PasswordChangeRefusal::WrongOldPassword:
        tell(textOf(QStringLiteral("passwordFaileMessage.StringValue")));
        return kWrongPassword;
    case access::PasswordChangeRefusal::EmptyNewPassword:
        tell(textOf(QStringLiteral("cli.emptyPassword")));
        break;
    case access::PasswordChangeRefusal::VerifyMismatch:
        tell(textOf(QStringLiteral("cli.passwordsDiffer")));
        break;
    case access::PasswordChangeRefusal::EmptyHint:
        tell(textOf(QStringLiteral("cli.emptyHint")));
        break;
    }
    return kFailed;
}

// Asks for the change; the old password is checked as soon as it is typed.
// nullopt after telling the user why not, with the exit code in refused.
std::optional<access::PasswordChangeRequest> askForChange(Answers& answers, int* refused) {
    access::PasswordChangeRequest request;
    const auto old = answers.secret(textOf(QStringLiteral("cli.askOldPassword")));
    if (!old || !access::oldPasswordMatches(access::storedPasswordDigest(), *old)) {
        *refused = tellRefusal(access::PasswordChangeRefusal::WrongOldPassword);
        return std::nullopt;
    }
    const auto fresh = answers.secret(textOf(QStringLiteral("cli.askNewPassword")));
    const auto verify =
        fresh ? answers.secret(textOf(QStringLiteral("cli.askRepeatPassword"))) : std::nullopt;
    const auto hint = verify ? answers.text(textOf(QStringLiteral("cli.askHint"))) : std::nullopt;
    if (!hint) {
        tell(textOf(QStringLiteral("cli.cancelled")));
        *refused = kFailed;
        return std::nullopt;
    }
    return access::PasswordChangeRequest{*old, *fresh, *verify, *hint};
}

} // namespace

int runPasswd(Context& context, const QStringList& words) {
    if (!commandOptions(QStringLiteral("passwd"), words, {}, {}, 0, 0))
        return kUsage;
    if (!vaultIsSetUp())
        return kFailed;
    if (!canAskPasswords(context))
        return kUsage;
    int refused = kDone;
    const auto request = askForChange(context.answers, &refused);
    if (!request)
        return refused;
    if (const int checked =
            tellRefusal(access::checkPasswordChange(access::storedPasswordDigest(), *request));
        checked != kDone)
        return checked;
    Session session(context);
    if (!session.controller.setUp())
        return kVaultInUse;
    if (!access::storeMasterPasswordChange(*request))
        return kFailed;
    print(textOf(QStringLiteral("cli.passwordChanged")));
    if (access::passwordLevel(request->newPassword) == 0)
        tell(textOf(QStringLiteral("passwordSucMessage.StringValue")) + u'\n' +
             textOf(QStringLiteral("passwordSucInfomation.StringValue")));
    return kDone;
}

} // namespace vexo::cli
