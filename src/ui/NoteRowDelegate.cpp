#include "ui/NoteRowDelegate.h"

#include "ui/Look.h"
#include "ui/NoteListModel.h"

#include <QPainter>

namespace vexo::ui {
namespace {

constexpr int kMargin = 12;
// Rows that are not open show the selection colour faintly.
constexpr QColor kUnselectedRowColour{100, 100, 104, 26};

} // namespace

QSize NoteRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kRowHeight};
}

void NoteRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QRect row = option.rect;
    painter->save();
    painter->fillRect(row.adjusted(0, 0, 0, -1), index.data(NoteListModel::SelectedRole).toBool()
                                                     ? kSelectedRowColour
                                                     : kUnselectedRowColour);
    const int width = row.width() - 2 * kMargin;
    QFont titleFont = option.font;
    titleFont.setBold(true);
    titleFont.setPixelSize(12);
    painter->setFont(titleFont);
    painter->setPen(Qt::white);
    painter->drawText(
        QRect(row.x() + kMargin, row.y() + 7, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, width));
    QFont dateFont = option.font;
    dateFont.setPixelSize(11);
    painter->setFont(dateFont);
    painter->setPen(kMutedTextColour);
    painter->drawText(QRect(row.x() + kMargin, row.y() + 27, width, 16),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(NoteListModel::DateRole).toString());
    painter->restore();
}

} // namespace vexo::ui
