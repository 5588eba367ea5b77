#include "ui/ProgressPanel.h"

#include "ui/Look.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>

#include <algorithm>

namespace vexo::ui {
namespace {

constexpr QColor kSeparatorColour{69, 69, 71};
constexpr int kMargin = 12;
constexpr int kTrackHeight = 12;
constexpr int kCancelSide = 18;

} // namespace

ProgressPanel::ProgressPanel(QWidget* parent)
    : QWidget(parent), progressStateLabel_(new QLabel(QStringLiteral("Completed"), this)),
      encryptCancelBtn_(new PictureButton(this)),
      slide_(new QPropertyAnimation(this, "pos", this)) {
    setObjectName(QStringLiteral("progressView"));
    fillBackground(this, kSidebarColour);
    setFixedHeight(kHeight);
    progressStateLabel_->setObjectName(QStringLiteral("progressStateLabel"));
    QFont font = progressStateLabel_->font();
    font.setPixelSize(11);
    progressStateLabel_->setFont(font);
    encryptCancelBtn_->setObjectName(QStringLiteral("encryptCancelBtn"));
    encryptCancelBtn_->setPicture(QStringLiteral("About/ActivityCancel.png"));
    encryptCancelBtn_->setFixedSize(kCancelSide, kCancelSide);
    encryptCancelBtn_->setIconSize(QSize(kCancelSide, kCancelSide));
    connect(encryptCancelBtn_, &QPushButton::clicked, this, &ProgressPanel::cancelPressed);
    slide_->setDuration(kSlideMilliseconds);
    slide_->setEasingCurve(QEasingCurve::InOutQuad);
    connect(slide_, &QPropertyAnimation::finished, this, [this] {
        if (!shown_)
            hide();
    });
    hide();
}

QString ProgressPanel::stateText() const {
    return progressStateLabel_->text();
}

void ProgressPanel::setState(const QString& text, bool running) {
    progressStateLabel_->setText(text);
    if (running && !shown_)
        addAnimation();
    else if (!running && shown_)
        removeAnimation();
}

void ProgressPanel::setFraction(float fraction) {
    fraction_ = std::clamp(fraction, 0.0F, 1.0F);
    update();
}

QPoint ProgressPanel::restingPlace() const {
    return {0, parentWidget() == nullptr ? 0 : parentWidget()->height() - height()};
}

void ProgressPanel::placeAtFoot() {
    if (parentWidget() != nullptr)
        resize(parentWidget()->width(), height());
    if (slide_->state() != QAbstractAnimation::Running)
        move(shown_ ? restingPlace() : restingPlace() + QPoint(0, height()));
    const int textTop = kMargin - 4;
    progressStateLabel_->setGeometry(kMargin, textTop, width() - 2 * kMargin, 18);
    encryptCancelBtn_->move(width() - kMargin - kCancelSide, height() - kMargin - kCancelSide);
}

void ProgressPanel::addAnimation() {
    shown_ = true;
    fraction_ = 0;
    placeAtFoot();
    show();
    raise();
    slide_->stop();
    slide_->setStartValue(restingPlace() + QPoint(0, height()));
    slide_->setEndValue(restingPlace());
    slide_->start();
}

void ProgressPanel::removeAnimation() {
    shown_ = false;
    slide_->stop();
    slide_->setStartValue(pos());
    slide_->setEndValue(restingPlace() + QPoint(0, height()));
    slide_->start();
}

void ProgressPanel::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, width(), 1), kSeparatorColour);
    const QRectF track(kMargin, height() - kMargin - kCancelSide / 2.0 - kTrackHeight / 2.0,
                       width() - 3 * kMargin - kCancelSide, kTrackHeight);
    painter.setPen(QPen(kLineColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(track, 6, 6);
    // The filled part is as wide as the fraction of the track less its border.
    const QRectF tint(track.x() + 2, track.y() + 2, fraction_ * (track.width() - 4),
                      track.height() - 4);
    if (tint.width() > 0) {
        painter.setBrush(kLineColour);
        painter.drawRoundedRect(tint, 4, 4);
    }
}

} // namespace vexo::ui
