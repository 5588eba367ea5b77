#include "access/PasswordStore.h"

#include "platform/Digest.h"
#include "platform/Settings.h"

namespace vexo::access {

using platform::Settings;
namespace keys = platform::keys;

std::optional<QString> storedPassword() {
    QString password = Settings::value(keys::kSOUREPASSWORD);
    if (password.isEmpty())
        return std::nullopt;
    return password;
}

bool replaceStoredPassword(const QString& password) {
    if (password.isEmpty())
        return false;
    Settings::setValue(keys::kSOUREPASSWORD, password);
    return true;
}

bool matchesStoredPassword(const QString& typed) {
    const std::optional<QString> stored = storedPassword();
    // QString equality compares UTF-16 code units: no case folding, no
    // normalisation, blanks included.
    return stored && *stored == typed;
}

QString passwordHint() {
    return Settings::value(keys::kPASSWORDHINTCONTENT);
}

void replacePasswordHint(const QString& hint) {
    Settings::setValue(keys::kPASSWORDHINTCONTENT, hint);
}

void writeRememberedPasswordCopy(const QString& password) {
    Settings::setValue(keys::rememberPasswordCopy, password);
}

bool hasFinishedFirstRun() {
    return Settings::value(keys::FirstRun);
}

void markFirstRunFinished() {
    Settings::setValue(keys::FirstRun, true);
}

QString passwordDigest(const QString& text) {
    return platform::MD5_32BitUpper(text);
}

} // namespace vexo::access
