#include "ui/Look.h"

#include <QListView>
#include <QWidget>

namespace vexo::ui {

QWidget* fillBackground(QWidget* widget, QColor colour, QColor text) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    return widget;
}

QWidget* dividerLine(Qt::Orientation orientation) {
    QWidget* divider = fillBackground(new QWidget, kLineColour);
    if (orientation == Qt::Horizontal)
        divider->setFixedHeight(1);
    else
        divider->setFixedWidth(1);
    return divider;
}

void styleRowList(QListView* list, QColor background) {
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setMouseTracking(true);
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, background);
    list->setPalette(colours);
}

QFont designFont(int points) {
    QFont font(QStringLiteral("KannadaSangamMN"));
    font.setPixelSize(points);
    return font;
}

void centreOver(QWidget* window, const QWidget* over) {
    if (over == nullptr)
        return;
    const QRect frame = over->frameGeometry();
    window->move(frame.topLeft() + QPoint((frame.width() - window->width()) / 2,
                                          (frame.height() - window->height()) / 2));
}

} // namespace vexo::ui
