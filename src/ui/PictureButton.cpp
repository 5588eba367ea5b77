#include "ui/PictureButton.h"

#include "platform/Localization.h"

#include <QIcon>

namespace vexo::ui {

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

PictureButton::PictureButton(const QString& name, const QString& picture, int side, int iconSide,
                             QWidget* parent)
    : PictureButton(parent) {
    setObjectName(name);
    setPicture(picture);
    setFixedSize(side, side);
    setIconSize(QSize(iconSide, iconSide));
}

void PictureButton::setPicture(const QString& name) {
    setPictures(name, name, name);
}

void PictureButton::setPictures(const QString& normal, const QString& hover,
                                const QString& pressed) {
    normal_ = normal;
    hover_ = hover;
    pressed_ = pressed;
    showForPointer();
}

void PictureButton::showPicture(const QString& name) {
    if (name == pictureName_ && !icon().isNull())
        return;
    pictureName_ = name;
    setIcon(QIcon(platform::imagePathWithfileName(name)));
}

void PictureButton::showForPointer() {
    showPicture(underMouse() ? hover_ : normal_);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    showPicture(hover_);
    QPushButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    showPicture(normal_);
    QPushButton::leaveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    showPicture(pressed_);
    QPushButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    showForPointer();
}

} // namespace vexo::ui
