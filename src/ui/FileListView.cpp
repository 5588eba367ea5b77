#include "ui/FileListView.h"

#include "ui/FileRowDelegate.h"
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

FileListView::FileListView(QWidget* parent) : QListView(parent) {
    setObjectName(QStringLiteral("itemScrollView"));
    setItemDelegate(new FileRowDelegate(this));
    styleRowList(this, kPaneColour);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
}

void FileListView::mousePressEvent(QMouseEvent* event) {
    // Rows are picked on release, as the buttons in them are.
    event->accept();
}

void FileListView::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    const QRect row = visualRect(index);
    const QPoint at = event->position().toPoint();
    if (FileRowDelegate::toggleRect(row).contains(at))
        emit toggleClicked(index.row());
    else if (FileRowDelegate::revealRect(row).contains(at))
        emit revealClicked(index.row());
    else
        emit rowClicked(index.row());
}

void FileListView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        emit contextMenuAsked(index.row(), event->globalPos());
}

void FileListView::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FileListView::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void FileListView::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    emit pathsDropped(droppedPaths(event->mimeData()));
}

} // namespace vexo::ui
