#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

class QSequentialAnimationGroup;

namespace vexo::ui {

// A row of fixed size that holds one widget with room to shake it sideways:
// a refused entry moves its frame from 10 points right of its place to 10
// points left and back, 0.06 s a leg, twice. No layout holds the widget, so
// nothing moves it back in the middle of a shake.
class ShakeRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShakeDistance = 10;

    ShakeRow(QWidget* content, QSize size, QWidget* parent = nullptr);

    void shake();
    QSequentialAnimationGroup* animation() const { return shake_; }

private:
    QWidget* content_;
    QPoint restingPlace_;
    QSequentialAnimationGroup* shake_;
};

} // namespace vexo::ui
