#pragma once

namespace vexo::cli {

// What the tool's exit status tells a script.
enum ExitCode : int {
    kDone = 0,
    kFailed = 1,        // an operation failed or was cancelled
    kUsage = 2,         // the command line was wrong
    kWrongPassword = 3, // the master password was wrong or not given
    kVaultInUse = 4,    // another program has the vault open
};

} // namespace vexo::cli
