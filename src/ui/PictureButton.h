#pragma once

#include <QPushButton>
#include <QString>

namespace vexo::ui {

// A flat button drawn as a picture of the resources, without a title; a
// picture that does not exist leaves the button blank. It may carry a second
// and a third picture, shown while the pointer is over it and while it is
// held down.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);
    // A button named name showing picture, of a fixed size with the picture
    // iconSide square.
    PictureButton(const QString& name, const QString& picture, int side, int iconSide,
                  QWidget* parent = nullptr);

    // The picture shown now.
    QString pictureName() const { return pictureName_; }
    void setPicture(const QString& name);
    void setPictures(const QString& normal, const QString& hover, const QString& pressed);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showPicture(const QString& name);
    void showForPointer();

    QString pictureName_;
    QString normal_;
    QString hover_;
    QString pressed_;
};

} // namespace vexo::ui
