#pragma once

#include <QSize>
#include <QWidget>

class QLabel;

namespace vexo::ui {

// The content of the unlock screen's hint popover: the stored password hint
// while there have been fewer than six wrong attempts, a notice in its place
// from the sixth on.
class KbPopoverViewController : public QWidget {
    Q_OBJECT
public:
    static constexpr qint64 kReplacementFromAttempt = 6;
    static constexpr QSize kHintSize{300, 79};
    static constexpr QSize kReplacementSize{300, 118};

    explicit KbPopoverViewController(QWidget* parent = nullptr);

    qint64 errorCount() const { return errorCount_; }
    // Sets the count of wrong attempts and re-reads the title and text.
    void setErrorCount(qint64 count);
    // Re-reads the title and text for the current count and language.
    void reloadTexts();

    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* passwordhintLabel() const { return passwordhintLabel_; }

private:
    qint64 errorCount_ = 0;
    QLabel* titleLabel_;
    QLabel* passwordhintLabel_;
};

// The frameless window that shows the hint content below a widget. It does
// not take the focus, so typing goes on in the password field, and any mouse
// release in the application closes it.
class HintPopover : public QWidget {
    Q_OBJECT
public:
    explicit HintPopover(QWidget* parent);

    KbPopoverViewController* content() const { return content_; }
    void showBelow(const QWidget* anchor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    KbPopoverViewController* content_;
};

} // namespace vexo::ui
