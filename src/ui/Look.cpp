#include "ui/Look.h"

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

QFont designFont(int points) {
    QFont font(QStringLiteral("KannadaSangamMN"));
    font.setPixelSize(points);
    return font;
}

} // namespace vexo::ui
