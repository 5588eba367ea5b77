#pragma once

#include <QPixmap>
#include <QString>
#include <QVariantAnimation>
#include <QWidget>

namespace vexo::ui {

// A picture of the resources drawn turned about its centre. A turn animates
// the angle and leaves the picture at its end; a picture that does not exist
// draws nothing.
class TurningPicture : public QWidget {
    Q_OBJECT
public:
    explicit TurningPicture(const QString& pictureName, QWidget* parent = nullptr);

    QString pictureName() const { return pictureName_; }
    bool hasPicture() const { return !picture_.isNull(); }

    // The angle drawn now, in radians.
    double angle() const { return angle_; }

    // Turns from one angle to another over 0.1 s, once; a turn still running
    // is dropped first.
    void turn(double from, double to);
    bool isTurning() const { return turning_.state() == QAbstractAnimation::Running; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString pictureName_;
    QPixmap picture_;
    double angle_ = 0;
    QVariantAnimation turning_;
};

} // namespace vexo::ui
