#pragma once

#include <QListView>

namespace vexo::ui {

// The file list: one row per item, drawn by FileRowDelegate. It reports what
// the user did to which row and takes dropped files; what happens then is the
// main view's business.
class FileListView : public QListView {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

signals:
    void rowClicked(int row);
    void toggleClicked(int row);
    // The reveal button, or the cancel button while the row's run goes on.
    void revealClicked(int row);
    void contextMenuAsked(int row, const QPoint& globalPosition);
    void pathsDropped(const QStringList& paths);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The local files among dropped data.
QStringList droppedPaths(const QMimeData* data);

} // namespace vexo::ui
