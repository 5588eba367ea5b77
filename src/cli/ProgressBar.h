#pragma once

#include "store/FileModel.h"

#include <QObject>

namespace vexo::vault {
class VaultCatalogue;
} // namespace vexo::vault

namespace vexo::cli {

// Draws the running item's progress on one line of standard error: its
// name, a bar, bytes done of its size, the rate and the time left. Draws
// nothing unless standard error is a terminal.
class ProgressBar : public QObject {
    Q_OBJECT
public:
    explicit ProgressBar(vault::VaultCatalogue& catalogue, QObject* parent = nullptr);
    ~ProgressBar() override;

    // Clears the line, so that a message can follow.
    void clear();

private:
    void draw(const store::FileModelPtr& item, float fraction);

    bool enabled_ = false;
    bool shown_ = false;
    qint64 lastDrawn_ = 0; // ms since 1970
};

// The bar's line for item at fraction, width characters wide at most.
QString progressLine(const store::FileModel& item, float fraction, qint64 nowMs, int width);

} // namespace vexo::cli
