#pragma once

#include <QString>

#include <optional>

namespace vexo::access {

// The master password, its hint and the first-run flag, all in the per-user
// settings store. The password is kept exactly as typed: every comparison is
// code unit for code unit, with case and blanks.

// The stored master password; absent until the first-run guide has stored
// one. An empty entry counts as absent: no guide ever stores one.
std::optional<QString> storedPassword();

// Replaces the master password. An empty password is refused (false) and
// nothing is written.
bool replaceStoredPassword(const QString& password);

// True when typed equals the stored master password code unit for code unit;
// an absent stored password matches nothing.
bool matchesStoredPassword(const QString& typed);

// The password hint; empty when none was given.
QString passwordHint();
void replacePasswordHint(const QString& hint);

// Writes the extra copy of the password kept when "remember" is ticked in
// the guide. Nothing reads it back; unlocking still asks for the password.
void writeRememberedPasswordCopy(const QString& password);

// Whether the first-run guide has finished, and recording that it has.
bool hasFinishedFirstRun();
void markFirstRunFinished();

// MD5 of the text's UTF-8 bytes as 32 upper-case hexadecimal digits. Compares
// old passwords and ties drive vaults to the master password of their time.
QString passwordDigest(const QString& text);

} // namespace vexo::access
