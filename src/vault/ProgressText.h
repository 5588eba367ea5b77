#pragma once

#include "store/FileModel.h"

#include <QString>

namespace vexo::vault {

// A size as "1.50 MB", with B, KB, MB or GB chosen by the size (up to
// 1024 B; up to 1024 KB; up to 1024 MB; above).
QString sizeText(qint64 bytes);

// The size text of a hidden item: "1.50 MB,<encrypted>".
QString contentSizeForPath(const store::FileModel& item);

// Where a run stands: the fraction done (0 to 1) and the estimated seconds
// left, from the bytes processed and the time the run has taken so far.
struct RunProgress {
    float fraction = 0;
    double secondsLeft = 0; // 0 while nothing is known
};
RunProgress progressOf(const store::FileModel& item, qint64 done);

// The progress panel's line for a running item: "ProgressState" filled with
// the seconds left + 1, or "process.text" while no estimate exists.
QString progressStateText(const RunProgress& progress);

// Passes on one progress report in six, and always the last one, so that a
// fast run does not flood the main thread.
class ProgressThinner {
public:
    bool shouldReport(float fraction);

private:
    int skipped_ = 0;
};

} // namespace vexo::vault
