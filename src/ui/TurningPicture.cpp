#include "ui/TurningPicture.h"

#include "platform/Localization.h"

#include <QPainter>

#include <numbers>

namespace vexo::ui {
namespace {

constexpr int kTurnMilliseconds = 100;

} // namespace

TurningPicture::TurningPicture(const QString& pictureName, QWidget* parent)
    : QWidget(parent), pictureName_(pictureName),
      picture_(platform::imagePathWithfileName(pictureName)) {
    turning_.setDuration(kTurnMilliseconds);
    connect(&turning_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        angle_ = value.toDouble();
        update();
    });
}

void TurningPicture::turn(double from, double to) {
    turning_.stop();
    turning_.setStartValue(from);
    turning_.setEndValue(to);
    turning_.start();
}

QSize TurningPicture::sizeHint() const {
    return hasPicture() ? picture_.deviceIndependentSize().toSize() : QSize(96, 96);
}

void TurningPicture::paintEvent(QPaintEvent*) {
    if (!hasPicture())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF fitted =
        picture_.deviceIndependentSize().scaled(QSizeF(size()), Qt::KeepAspectRatio);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(angle_ * 180.0 / std::numbers::pi);
    painter.drawPixmap(QRectF(QPointF(-fitted.width() / 2, -fitted.height() / 2), fitted), picture_,
                       QRectF(picture_.rect()));
}

} // namespace vexo::ui
