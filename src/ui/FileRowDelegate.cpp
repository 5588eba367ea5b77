#include "ui/FileRowDelegate.h"

#include "platform/Localization.h"
#include "ui/FileListModel.h"
#include "ui/ItemIcons.h"
#include "ui/Look.h"

#include <QPainter>

namespace vexo::ui {
namespace {

constexpr int kMargin = 10;
constexpr QSize kToggleSize{36, 20};
constexpr int kButtonSide = 20;
constexpr int kStateWidth = 90;
constexpr int kBarHeight = 3;
constexpr QColor kVisibleColour{0, 190, 50};
constexpr QColor kHiddenColour{122, 124, 135};
constexpr QColor kNameColour{235, 235, 240};

const QPixmap& picture(const char* name) {
    static QHash<const char*, QPixmap> pictures;
    auto found = pictures.find(name);
    if (found == pictures.end())
        found = pictures.insert(
            name, QPixmap(platform::imagePathWithfileName(QString::fromLatin1(name))));
    return *found;
}

void drawFitted(QPainter* painter, const QRect& box, const QPixmap& pixmap, qreal opacity = 1) {
    if (pixmap.isNull())
        return;
    const QSize size =
        pixmap.deviceIndependentSize().toSize().scaled(box.size(), Qt::KeepAspectRatio);
    const QRect target(box.x() + (box.width() - size.width()) / 2,
                       box.y() + (box.height() - size.height()) / 2, size.width(), size.height());
    painter->setOpacity(opacity);
    painter->drawPixmap(target, pixmap);
    painter->setOpacity(1);
}

} // namespace

QRect FileRowDelegate::toggleRect(const QRect& rowRect) {
    return {rowRect.right() - kMargin - kButtonSide - kMargin - kToggleSize.width(),
            rowRect.center().y() - kToggleSize.height() / 2, kToggleSize.width(),
            kToggleSize.height()};
}

QRect FileRowDelegate::revealRect(const QRect& rowRect) {
    return {rowRect.right() - kMargin - kButtonSide, rowRect.center().y() - kButtonSide / 2,
            kButtonSide, kButtonSide};
}

QSize FileRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kRowHeight};
}

void FileRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QRect row = option.rect;
    const bool hidden = index.data(FileListModel::HiddenRole).toBool();
    const float progress = index.data(FileListModel::ProgressRole).toFloat();
    const bool running = progress > 0 && progress < 1;
    painter->save();
    if (index.data(FileListModel::SelectedRole).toBool())
        painter->fillRect(row, kSelectedRowColour);

    const QRect iconBox(row.x() + kMargin, row.y() + kMargin, ItemIcons::kSide, ItemIcons::kSide);
    drawFitted(painter, iconBox, index.data(Qt::DecorationRole).value<QPixmap>());

    const QRect toggle = toggleRect(row);
    const int textLeft = iconBox.right() + kMargin;
    const int stateLeft = toggle.left() - kMargin - kStateWidth;
    const QRect nameBox(textLeft, row.y() + 8, stateLeft - textLeft, 22);
    const QRect descriptionBox(textLeft, row.y() + 30, stateLeft - textLeft, 20);
    QFont nameFont = option.font;
    nameFont.setBold(true);
    nameFont.setPixelSize(13);
    painter->setFont(nameFont);
    painter->setPen(kNameColour);
    painter->drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideMiddle,
                                                        nameBox.width()));
    QFont smallFont = option.font;
    smallFont.setPixelSize(11);
    painter->setFont(smallFont);
    painter->setPen(kMutedTextColour);
    const QString description = index.data(FileListModel::DescriptionRole).toString();
    painter->drawText(
        descriptionBox, Qt::AlignLeft | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(description, Qt::ElideMiddle, descriptionBox.width()));
    painter->setPen(hidden ? kHiddenColour : kVisibleColour);
    painter->drawText(QRect(stateLeft, row.y(), kStateWidth, row.height()),
                      Qt::AlignRight | Qt::AlignVCenter,
                      index.data(FileListModel::StateTextRole).toString());

    if (!running)
        drawFitted(painter, toggle,
                   picture(hidden ? "About/visableoff.png" : "About/visableon.png"));
    if (running) {
        drawFitted(painter, revealRect(row), picture("About/ActivityCancel.png"));
        painter->fillRect(QRect(row.x(), row.bottom() - kBarHeight + 1,
                                int(float(row.width()) * progress), kBarHeight),
                          kLineColour.lighter(150));
    } else {
        // A hidden item has no place to show yet.
        drawFitted(painter, revealRect(row), picture("About/openPath.png"), hidden ? 0.4 : 1);
    }
    painter->restore();
}

} // namespace vexo::ui
