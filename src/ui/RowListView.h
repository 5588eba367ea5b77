#pragma once

#include <QListView>

class QMimeData;

namespace vexo::ui {

// A list of drawn rows that acts when the mouse button is released: a left
// click reports its row (rowReleased tells which part of the row was hit), a
// right click asks for the row's menu, and, where drops are accepted, local
// files dropped on the list are reported. What happens then is the main
// view's business.
class RowListView : public QListView {
    Q_OBJECT
public:
    RowListView(QAbstractItemDelegate* delegate, QColor background, QWidget* parent = nullptr);

signals:
    void rowClicked(int row);
    void contextMenuAsked(int row, const QPoint& globalPosition);
    void pathsDropped(const QStringList& paths);

protected:
    // The left button was released at `at` over row, drawn in rowRect.
    virtual void rowReleased(int row, const QRect& rowRect, const QPoint& at);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The local files among dropped data.
QStringList droppedPaths(const QMimeData* data);

} // namespace vexo::ui
