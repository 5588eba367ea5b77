#include "ui/FieldFrame.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>

namespace vexo::ui {

FieldFrame::FieldFrame(QLineEdit* field, QWidget* parent) : QWidget(parent), field_(field) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(field);
    field->setFrame(false);
    field->setAttribute(Qt::WA_MacShowFocusRect, false);
    field->setStyleSheet(QStringLiteral("background: transparent; color: white;"));
    field->installEventFilter(this);
}

double FieldFrame::borderWidth() const {
    return field_->hasFocus() ? 2.0 : 0.5;
}

bool FieldFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void FieldFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double border = borderWidth();
    painter.setPen(QPen(QColor(186, 186, 189), border));
    painter.setBrush(QColor(30, 30, 32));
    const double inset = border / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 5, 5);
}

} // namespace vexo::ui
