#pragma once

#include <QSize>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace vexo::ui {

class FieldFrame;
class HintPopover;
class KbPopoverViewController;
class PictureButton;
class ShakeRow;
class TurningPicture;

// The unlock screen: asks for the master password and compares it with the
// stored one. A wrong entry shakes the password frame; from the fourth wrong
// attempt on the hint popover opens. There is no lock-out.
class loginViewcontroller : public QWidget {
    Q_OBJECT
public:
    // The window content size while the screen is shown (smallest, largest
    // and current).
    static constexpr QSize kContentSize{300, 354};
    static constexpr qint64 kHintFromAttempt = 4;

    explicit loginViewcontroller(QWidget* parent = nullptr);

    qint64 errorCount() const { return errorCount_; }
    qint64 flagValue() const { return flagValue_; }
    float animationFlagValue() const { return animationFlagValue_; }

    // Checks the typed password: unlocked() on a match, else a counted wrong
    // attempt.
    void enterAction();
    // Shows the hint popover below anchor, for the current count.
    void poper(QWidget* anchor);
    // The password field's text changed: enter picture and lock turn.
    void controlTextDidChange();
    // Re-reads every text for the current interface language.
    void langeuageAction();

    bool isHintShown() const;
    // The popover's content; null until the popover is first shown.
    KbPopoverViewController* mypopoverView() const;

signals:
    void unlocked();

private:
    void releaseEnterButton();
    void turnLock();
    void applyTexts();

    qint64 errorCount_ = 0;
    qint64 flagValue_ = 0;
    float animationFlagValue_ = 0;

    QLabel* appNameLabel_;
    TurningPicture* loginView_;
    QLineEdit* passwordTextField_;
    FieldFrame* passwordBackGroundView_;
    PictureButton* enterBtn_;
    QLabel* pswdTishiLabel_;
    HintPopover* popover_ = nullptr;
    ShakeRow* passwordRow_;
};

} // namespace vexo::ui
