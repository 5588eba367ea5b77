#pragma once

#include <QWidget>

class QLineEdit;

namespace vexo::ui {

// The rounded frame around a text field: its border is 2 wide while the
// field has the focus and 0.5 otherwise.
class FieldFrame : public QWidget {
    Q_OBJECT
public:
    explicit FieldFrame(QLineEdit* field, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    double borderWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* field_;
};

} // namespace vexo::ui
