#pragma once

#include <QString>

namespace vexo::access {

// Why a password change was refused, in the order the checks run.
enum class PasswordChangeRefusal {
    None, // the change may go ahead
    WrongOldPassword,
    EmptyNewPassword,
    VerifyMismatch, // the repeated password differs or is empty
    EmptyHint,
};

// What the user typed into a password change.
struct PasswordChangeRequest {
    QString oldPassword;
    QString newPassword;
    QString verify;
    QString hint;
};

// Checks a change against expectedDigest (passwordDigest of the password
// being replaced): the old password is compared by its digest, so it matches
// only as typed, letter case included.
PasswordChangeRefusal checkPasswordChange(const QString& expectedDigest,
                                          const PasswordChangeRequest& request);

// The first of those checks: whether oldPassword is the one whose digest is
// expectedDigest.
bool oldPasswordMatches(const QString& expectedDigest, const QString& oldPassword);

// The master password's digest, for checkPasswordChange; empty when no
// master password is stored.
QString storedPasswordDigest();

// Stores the hint and then the new master password of a checked change.
// False (nothing written) when the new password is empty.
bool storeMasterPasswordChange(const PasswordChangeRequest& request);

} // namespace vexo::access
