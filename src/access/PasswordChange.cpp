#include "access/PasswordChange.h"

#include "access/PasswordStore.h"

namespace vexo::access {

PasswordChangeRefusal checkPasswordChange(const QString& expectedDigest,
                                          const PasswordChangeRequest& request) {
    if (!oldPasswordMatches(expectedDigest, request.oldPassword))
        return PasswordChangeRefusal::WrongOldPassword;
    if (request.newPassword.isEmpty())
        return PasswordChangeRefusal::EmptyNewPassword;
    if (request.verify.isEmpty() || request.verify != request.newPassword)
        return PasswordChangeRefusal::VerifyMismatch;
    if (request.hint.isEmpty())
        return PasswordChangeRefusal::EmptyHint;
    return PasswordChangeRefusal::None;
}

bool oldPasswordMatches(const QString& expectedDigest, const QString& oldPassword) {
    return !expectedDigest.isEmpty() && passwordDigest(oldPassword) == expectedDigest;
}

QString storedPasswordDigest() {
    const std::optional<QString> stored = storedPassword();
    return stored ? passwordDigest(*stored) : QString();
}

bool storeMasterPasswordChange(const PasswordChangeRequest& request) {
    if (request.verify.isEmpty())
        return false;
    replacePasswordHint(request.hint);
    return replaceStoredPassword(request.verify);
}

} // namespace vexo::access
