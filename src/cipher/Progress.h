#pragma once

#include <QString>

#include <functional>

namespace vexo::cipher {

// Reports progress of a walk: the ordinal of the file being processed and the
// item's bytes processed so far. Called on the walking thread.
using ProgressCallback = std::function<void(qint64 index, float value)>;

// How a hide or unhide walk ended.
enum class WalkOutcome { Succeeded, Cancelled, Failed };

struct WalkResult {
    WalkOutcome outcome = WalkOutcome::Succeeded;
    QString reason; // for the user when the walk failed: which file and why
};

} // namespace vexo::cipher
