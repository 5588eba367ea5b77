#pragma once

#include <QRect>
#include <QStyledItemDelegate>

namespace vexo::ui {

// Draws one row of the file list, 60 high: picture, name, location or size,
// state, the visibility toggle, and the reveal button (the cancel button
// while the item's run goes on, with the run's bar along the foot).
class FileRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 60;

    using QStyledItemDelegate::QStyledItemDelegate;

    // Where the row's parts lie within rowRect.
    static QRect toggleRect(const QRect& rowRect);
    static QRect revealRect(const QRect& rowRect);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace vexo::ui
