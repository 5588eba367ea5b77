#pragma once

#include <QWidget>

class QLabel;
class QPropertyAnimation;

namespace vexo::ui {

class PictureButton;

// The panel at the foot of the sidebar that follows hides and unhides: a
// state line, a bar and a cancel button. It slides in from below when work
// starts and out again when it ends.
class ProgressPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 64;
    static constexpr int kSlideMilliseconds = 500;

    explicit ProgressPanel(QWidget* parent = nullptr);

    QString stateText() const;
    float fraction() const { return fraction_; }
    // True from the moment it starts sliding in until it has slid out.
    bool isShown() const { return shown_; }

    void setState(const QString& text, bool running);
    void setFraction(float fraction);

    // Slides in (shows) or out (hides at the end), over the panel's height.
    void addAnimation();
    void removeAnimation();

    // Keeps the panel at the foot of its parent.
    void placeAtFoot();

signals:
    void cancelPressed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint restingPlace() const;

    QLabel* progressStateLabel_;
    PictureButton* encryptCancelBtn_;
    QPropertyAnimation* slide_;
    float fraction_ = 0;
    bool shown_ = false;
};

} // namespace vexo::ui
