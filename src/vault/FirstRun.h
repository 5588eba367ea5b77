#pragma once

#include "vault/Prompt.h"

#include <QString>

namespace vexo::vault {

// What finishing the first-run guide does once the user has typed a password
// and chosen where the vault goes; the command-line tool's init does the same.

// The save panel that asks where the vault folder goes: titled and proposing
// "My Vault", starting in the home folder's "Movies".
Prompt::SaveChoice vaultFolderChoice();

// The vault root for the place the user chose: ".vlt" appended when missing.
QString vaultRootForChoice(const QString& chosen);

// Makes the vault root with its missing parent folders, or reuses the folder
// that is there. On failure the user is told (the NTFS notice for a drive
// that holds NTFS, else the reason) and false is returned; something other
// than a folder at root is a failure too.
bool createVaultRoot(const QString& root, Prompt& prompt);

// Records the finished first run, in this order: the vault root, the main
// window's first size, the hint when there is one, the first-run flag and
// the master password.
void storeFirstRun(const QString& root, const QString& password, const QString& hint);

} // namespace vexo::vault
