#pragma once

#include "store/FileModel.h"

#include <QDialog>

class QLabel;

namespace vexo::ui {

// The file information window: an item's picture, name, size, place and
// state, run modally above the main window.
class FileInfoWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{484, 225};

    FileInfoWindow(const store::FileModel& item, const QPixmap& icon, QWidget* parent = nullptr);

    // Centres the window over the main window and runs it until closed.
    void runOver(QWidget* mainWindow);

private:
    QLabel* addLabel(const QString& text, int pointSize, const char* name);
};

} // namespace vexo::ui
