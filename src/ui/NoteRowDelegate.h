#pragma once

#include <QStyledItemDelegate>

namespace vexo::ui {

// Draws one row of the note column, 50 high: the note's title in bold and
// the day it was made beneath; the open note's row stands out.
class NoteRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 50;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace vexo::ui
