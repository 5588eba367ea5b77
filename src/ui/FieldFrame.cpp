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

void FieldFrame::setBorders(const FrameBorders& borders) {
    borders_ = borders;
    update();
}

double FieldFrame::borderWidth() const {
    return field_->hasFocus() ? borders_.focusedWidth : borders_.restingWidth;
}

QColor FieldFrame::borderColour() const {
    return field_->hasFocus() ? borders_.focusedColour : borders_.restingColour;
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
    painter.setPen(QPen(borderColour(), border));
    painter.setBrush(QColor(30, 30, 32));
    const double inset = border / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 5, 5);
}

} // namespace vexo::ui
