#include "ui/ShakeRow.h"

#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

namespace vexo::ui {
namespace {

constexpr int kShakeLegMilliseconds = 60;
constexpr int kShakeRepeats = 2;

QPropertyAnimation* shakeLeg(QWidget* target, QPoint from, QPoint to) {
    auto* leg = new QPropertyAnimation(target, "pos");
    leg->setStartValue(from);
    leg->setEndValue(to);
    leg->setDuration(kShakeLegMilliseconds);
    leg->setEasingCurve(QEasingCurve::InOutQuad);
    return leg;
}

} // namespace

ShakeRow::ShakeRow(QWidget* content, QSize size, QWidget* parent)
    : QWidget(parent), content_(content), restingPlace_(kShakeDistance, 0),
      shake_(new QSequentialAnimationGroup(this)) {
    setFixedSize(size);
    content_->setParent(this);
    content_->setGeometry(
        QRect(restingPlace_, QSize(size.width() - 2 * kShakeDistance, size.height())));
    const QPoint right = restingPlace_ + QPoint(kShakeDistance, 0);
    const QPoint left = restingPlace_ - QPoint(kShakeDistance, 0);
    shake_->addAnimation(shakeLeg(content_, right, left));
    shake_->addAnimation(shakeLeg(content_, left, right));
    shake_->setLoopCount(kShakeRepeats);
    connect(shake_, &QAbstractAnimation::finished, this, [this] { content_->move(restingPlace_); });
}

void ShakeRow::shake() {
    shake_->stop();
    content_->move(restingPlace_);
    shake_->start();
}

} // namespace vexo::ui
