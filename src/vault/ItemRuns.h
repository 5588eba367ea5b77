#pragma once

// One hide or unhide of one item, shared by every flow that switches items:
// the run on a worker thread and the outcome applied on the main thread.

#include "cipher/FolderWalk.h"
#include "cipher/Progress.h"
#include "store/FileModel.h"

#include <QString>
#include <QStringList>

namespace vexo::vault {

class Prompt;
class SecureEraser;
class VaultCatalogue;

struct RunOutcome {
    cipher::WalkResult walk;
    QString restoredDigest; // unhide: the digest of what came back

    bool succeeded() const { return walk.outcome == cipher::WalkOutcome::Succeeded; }
    bool cancelled() const { return walk.outcome == cipher::WalkOutcome::Cancelled; }
};

// A run's progress callback: each report goes to the catalogue's
// progressObserver on the worker thread and, one report in six, to the views
// on the main thread (itemProgress, and the panel's line unless a cancel is
// under way).
cipher::ProgressCallback progressReporter(VaultCatalogue* catalogue,
                                          const store::FileModelPtr& item);

// Main thread, as a run on item is started: the item carries no cancel of
// its own and is the record the cancel button marks. Together with clearing
// the shared cancel flag at the start (never on the worker, which would wipe
// a cancel pressed before it took the run up), a cancel pressed at any moment
// after the start stops the run.
void prepareRun(const store::FileModelPtr& item);

// Worker thread: runs the engine on item (prepared with prepareRun) with its
// progress fields reset, reporting progress to the catalogue.
// A hide with Durability::LeftToCaller must be followed by a sync of the
// store's file system before the outcome is applied.
RunOutcome runItem(VaultCatalogue* catalogue, const store::FileModelPtr& item, bool hiding,
                   cipher::Durability durability = cipher::Durability::OnDisk);

// Main thread: gives item the state its finished run leaves it in. After a
// hide the source goes only once the stored copy is complete (see
// removeHiddenSource, which hands it to eraser when asked to); after an
// unhide the store goes only when what came back is what was hidden. A
// digest mismatch is told to the user at once; a failed run's reason is
// returned (empty otherwise) for the caller to tell.
QString applyHide(const store::FileModelPtr& item, const RunOutcome& outcome, SecureEraser& eraser);
QString applyUnhide(Prompt& prompt, const store::FileModelPtr& item, const RunOutcome& outcome);

// A warning alert with the "okBtn.Title" button.
void tell(Prompt& prompt, const QString& messageKey, const QString& informative,
          const QStringList& arguments = {});

// The user's share of failures of a walk: the first few reasons and how many
// more there were.
QString failureSummary(const QStringList& reasons);

} // namespace vexo::vault
