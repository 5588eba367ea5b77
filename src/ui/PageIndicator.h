#pragma once

#include <QWidget>

namespace vexo::ui {

// A row of dots, one per page, the current one filled. Clicking a dot
// reports its index.
class PageIndicator : public QWidget {
    Q_OBJECT
public:
    explicit PageIndicator(int count, QWidget* parent = nullptr);

    int count() const { return count_; }
    int current() const { return current_; }
    void setCurrent(int index);

    // Where dot index is drawn, in this widget's coordinates.
    QPoint dotCentre(int index) const;

    QSize sizeHint() const override;

signals:
    void dotClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int dotAt(QPoint position) const;

    int count_;
    int current_ = 0;
};

} // namespace vexo::ui
