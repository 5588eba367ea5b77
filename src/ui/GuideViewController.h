#pragma once

#include <QList>
#include <QPair>
#include <QSize>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexo::vault {
class Prompt;
}

namespace vexo::ui {

class FieldFrame;
class TurningPicture;
class PageIndicator;

// The first-run guide: a few introduction pages and, in first-run use, the
// page that creates the vault (master password twice, hint, where the vault
// goes). In tutorial use (helpIntoWelcome) only the introduction is shown
// and the button on its last page runs BlackBlock.
class GuideViewController : public QWidget {
    Q_OBJECT
public:
    // The window content size while the guide fills it (smallest and largest).
    static constexpr QSize kContentSize{800, 420};

    GuideViewController(vault::Prompt& prompt, bool helpIntoWelcome, QWidget* parent = nullptr);

    bool helpIntoWelcome() const { return helpIntoWelcome_; }
    void setBlackBlock(std::function<void()> block) { BlackBlock_ = std::move(block); }

    qint64 pageIndex() const { return pageIndex_; }
    qint64 lastPageIndex() const;
    void showPage(qint64 index);

    // Angle, in radians, at which the lock picture stopped last.
    float animationFlagValue() const { return animationFlagValue_; }

    // Re-reads every text for the current interface language.
    void langeuageAction();

signals:
    // The first run is complete: the vault root exists and the settings are
    // stored. The host installs the main content.
    void finished();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildPage(int index);
    QWidget* buildCreationControls();
    QLineEdit* addField(const char* placeholderKey, bool secure);
    QLabel* addLabel(const char* key, QWidget* parent);
    void placeStrip();
    void pressPageButton();
    void runFinishStep();
    void turnLock();
    void applyTexts();

    vault::Prompt& prompt_;
    const bool helpIntoWelcome_;
    std::function<void()> BlackBlock_;
    qint64 pageIndex_ = 0;
    float animationFlagValue_ = 0;

    QWidget* viewport_ = nullptr;
    QWidget* strip_ = nullptr;
    PageIndicator* dots_ = nullptr;
    QPushButton* pageButton_ = nullptr;
    TurningPicture* lockPicture_ = nullptr;
    QLineEdit* passwordField_ = nullptr;
    QLineEdit* confirmationField_ = nullptr;
    QLineEdit* hintField_ = nullptr;
    QCheckBox* rememberBox_ = nullptr;

    // Every widget whose text comes from a key, for language switches.
    QList<QPair<QLabel*, QString>> keyedLabels_;
    QList<QPair<QLineEdit*, QString>> keyedFields_;
};

} // namespace vexo::ui
