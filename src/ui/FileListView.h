#pragma once

#include "ui/RowListView.h"

namespace vexo::ui {

// The file list: one row per item, drawn by FileRowDelegate; a click on a
// row's toggle or reveal button is reported as such, and dropped files are
// taken.
class FileListView : public RowListView {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

signals:
    void toggleClicked(int row);
    // The reveal button, or the cancel button while the row's run goes on.
    void revealClicked(int row);

protected:
    void rowReleased(int row, const QRect& rowRect, const QPoint& at) override;
};

} // namespace vexo::ui
