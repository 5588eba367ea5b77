#include "ui/PictureButton.h"

#include "platform/Localization.h"

#include <QIcon>

namespace vexo::ui {

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QString& name) {
    pictureName_ = name;
    setIcon(QIcon(platform::imagePathWithfileName(name)));
}

} // namespace vexo::ui
