#pragma once

#include <QPushButton>
#include <QString>

namespace vexo::ui {

// A flat button drawn as a picture of the resources, without a title; a
// picture that does not exist leaves the button blank.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    QString pictureName() const { return pictureName_; }
    void setPicture(const QString& name);

private:
    QString pictureName_;
};

} // namespace vexo::ui
