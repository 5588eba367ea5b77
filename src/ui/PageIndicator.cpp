#include "ui/PageIndicator.h"

#include <QMouseEvent>
#include <QPainter>

namespace vexo::ui {
namespace {

constexpr int kDotDiameter = 8;
constexpr int kDotPitch = 18;

} // namespace

PageIndicator::PageIndicator(int count, QWidget* parent) : QWidget(parent), count_(count) {
    setCursor(Qt::PointingHandCursor);
}

void PageIndicator::setCurrent(int index) {
    current_ = index;
    update();
}

QPoint PageIndicator::dotCentre(int index) const {
    const int rowWidth = (count_ - 1) * kDotPitch;
    return {width() / 2 - rowWidth / 2 + index * kDotPitch, height() / 2};
}

QSize PageIndicator::sizeHint() const {
    return {count_ * kDotPitch, kDotPitch};
}

void PageIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int index = 0; index < count_; ++index) {
        painter.setBrush(index == current_ ? QColor(Qt::white) : QColor(110, 110, 115));
        painter.drawEllipse(dotCentre(index), kDotDiameter / 2, kDotDiameter / 2);
    }
}

void PageIndicator::mouseReleaseEvent(QMouseEvent* event) {
    const int index = dotAt(event->position().toPoint());
    if (index >= 0)
        emit dotClicked(index);
}

int PageIndicator::dotAt(QPoint position) const {
    for (int index = 0; index < count_; ++index) {
        const QPoint offset = position - dotCentre(index);
        if (qAbs(offset.x()) <= kDotPitch / 2 && qAbs(offset.y()) <= kDotPitch / 2)
            return index;
    }
    return -1;
}

} // namespace vexo::ui
