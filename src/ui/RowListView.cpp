#include "ui/RowListView.h"

#include "ui/Look.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

namespace vexo::ui {

QStringList droppedPaths(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr)
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

RowListView::RowListView(QAbstractItemDelegate* delegate, QColor background, QWidget* parent)
    : QListView(parent) {
    delegate->setParent(this);
    setItemDelegate(delegate);
    styleRowList(this, background);
    setDropIndicatorShown(false);
}

void RowListView::rowReleased(int row, const QRect&, const QPoint&) {
    emit rowClicked(row);
}

void RowListView::mousePressEvent(QMouseEvent* event) {
    // Rows are picked on release, as the buttons in them are.
    event->accept();
}

void RowListView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (index.isValid() && event->button() == Qt::LeftButton)
        rowReleased(index.row(), visualRect(index), at);
}

void RowListView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        emit contextMenuAsked(index.row(), event->globalPos());
}

void RowListView::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void RowListView::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void RowListView::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    emit pathsDropped(droppedPaths(event->mimeData()));
}

} // namespace vexo::ui
