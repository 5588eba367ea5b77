#include "ui/FileListView.h"

#include "ui/FileRowDelegate.h"
#include "ui/Look.h"

namespace vexo::ui {

FileListView::FileListView(QWidget* parent)
    : RowListView(new FileRowDelegate, kPaneColour, parent) {
    setObjectName(QStringLiteral("itemScrollView"));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAcceptDrops(true);
}

void FileListView::rowReleased(int row, const QRect& rowRect, const QPoint& at) {
    if (FileRowDelegate::toggleRect(rowRect).contains(at))
        emit toggleClicked(row);
    else if (FileRowDelegate::revealRect(rowRect).contains(at))
        emit revealClicked(row);
    else
        emit rowClicked(row);
}

} // namespace vexo::ui
