#pragma once

#include <QColor>
#include <QWidget>

class QLineEdit;

namespace vexo::ui {

// The border of a field's frame while the field has the focus and while it
// has not.
struct FrameBorders {
    QColor focusedColour{186, 186, 189};
    double focusedWidth = 2.0;
    QColor restingColour{186, 186, 189};
    double restingWidth = 0.5;
};

// The rounded frame around a text field, its border drawn as borders() says
// for the field's focus.
class FieldFrame : public QWidget {
    Q_OBJECT
public:
    explicit FieldFrame(QLineEdit* field, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    void setBorders(const FrameBorders& borders);
    double borderWidth() const;
    QColor borderColour() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* field_;
    FrameBorders borders_;
};

} // namespace vexo::ui
