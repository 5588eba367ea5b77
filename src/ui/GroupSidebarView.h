#pragma once

#include "ui/RowListView.h"

#include <QStyledItemDelegate>

namespace vexo::ui {

// Draws one sidebar row, 30 high: a header with its icon, a group with its
// count, or an add row with its button (and its hint while the pointer is
// over it). A group's name is edited in a line edit with the placeholder
// "New Group".
class GroupRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};

// The group sidebar: reports clicks and right clicks by row; renaming ends
// when the name field loses the focus or Return is pressed.
class GroupSidebarView : public RowListView {
    Q_OBJECT
public:
    explicit GroupSidebarView(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace vexo::ui
