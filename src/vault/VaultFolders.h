#pragma once

namespace vexo::vault {

class Prompt;

// Makes the recorded vault root and its "Notes" folder again when they are
// missing; nothing when no root is recorded. A root made again is empty, so
// the user is told, in case the vault itself lies on a drive that is not
// connected. False when a folder could not be made (the user is told why).
bool recreateVaultFolders(Prompt& prompt);

} // namespace vexo::vault
