#include "ui/GroupSidebarView.h"

#include "platform/Localization.h"
#include "ui/GroupSidebarModel.h"
#include "ui/Look.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPainter>

namespace vexo::ui {
namespace {

constexpr int kMargin = 10;
constexpr int kIconSide = 16;
constexpr int kCountWidth = 32;
constexpr QColor kHeaderColour{122, 124, 135};
constexpr QColor kNameColour{170, 171, 177};

QFont rowFont(const QFont& base) {
    QFont font = base;
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

QPixmap headerIcon(bool notes) {
    return QPixmap(
        platform::imagePathWithfileName(notes ? QStringLiteral("About/SecureNotesIcon@2x.png")
                                              : QStringLiteral("About/LocalVaultIcon@2x.png")));
}

} // namespace

QSize GroupRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kRowHeight};
}

void GroupRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QRect row = option.rect;
    const bool header = index.data(GroupSidebarModel::HeaderRole).toBool();
    const bool addRow = index.data(GroupSidebarModel::AddRowRole).toBool();
    painter->save();
    if (index.data(GroupSidebarModel::SelectedRole).toBool()) {
        painter->fillRect(row, kSelectedRowColour);
        painter->setPen(kLineColour);
        painter->drawRect(row.adjusted(0, 0, -1, -1));
    }
    painter->setFont(rowFont(option.font));
    int textLeft = row.x() + kMargin;
    if (header) {
        const QRect icon(textLeft, row.center().y() - kIconSide / 2, kIconSide, kIconSide);
        painter->drawPixmap(icon, headerIcon(index.data(GroupSidebarModel::NoteRole).toBool()));
        textLeft = icon.right() + 6;
    }
    if (addRow) {
        const QRect button(textLeft, row.center().y() - kIconSide / 2, kIconSide, kIconSide);
        painter->drawPixmap(button, QPixmap(platform::imagePathWithfileName(
                                        QStringLiteral("About/AddGroupButtonCollapsed.png"))));
        if (option.state & QStyle::State_MouseOver) {
            painter->setPen(
                QColor(kHeaderColour.red(), kHeaderColour.green(), kHeaderColour.blue(), 128));
            painter->drawText(QRect(button.right() + 6, row.y(), row.width(), row.height()),
                              Qt::AlignLeft | Qt::AlignVCenter,
                              platform::localizedStringForKey(QStringLiteral("AddItemPlString")));
        }
        painter->restore();
        return;
    }
    const int textRight = header ? row.right() - kMargin : row.right() - kCountWidth;
    painter->setPen(header ? kHeaderColour : kNameColour);
    const QRect name(textLeft, row.y(), textRight - textLeft, row.height());
    painter->drawText(
        name, Qt::AlignLeft | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, name.width()));
    painter->drawText(QRect(row.right() - kCountWidth, row.y(), kCountWidth, row.height()),
                      Qt::AlignCenter, index.data(GroupSidebarModel::CountRole).toString());
    painter->restore();
}

QWidget* GroupRowDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("groupNameLabel"));
    field->setPlaceholderText(QStringLiteral("New Group"));
    field->setFont(rowFont(option.font));
    field->setFrame(false);
    return field;
}

void GroupRowDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
    editor->setGeometry(option.rect.adjusted(kMargin - 2, 3, -kCountWidth, -3));
}

GroupSidebarView::GroupSidebarView(QWidget* parent)
    : RowListView(new GroupRowDelegate, kSidebarColour, parent) {
    setObjectName(QStringLiteral("groupScrollView"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void GroupSidebarView::mousePressEvent(QMouseEvent* event) {
    // The press only ends a name being edited.
    setFocus(Qt::MouseFocusReason);
    RowListView::mousePressEvent(event);
}

} // namespace vexo::ui
