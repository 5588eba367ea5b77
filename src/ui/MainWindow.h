#pragma once

#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <optional>

class QLabel;
class QSizeGrip;

namespace vexo::ui {

class MenuBar;
class PictureButton;

// The application's one long-lived window. It draws its own title row (close,
// minimise and zoom buttons, the menu bar, the title and the language button)
// above a content area that the first-run guide, the unlock screen and the
// main view take in turn. Dragging the title row, or a row the content marks
// as one, moves the window; double-clicking it zooms.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTitleRowHeight = 30;

    explicit MainWindow(QWidget* parent = nullptr);

    MenuBar* menuBar() const { return menuBar_; }

    // The content shown now; a new one replaces (and deletes) the old; null
    // or the content shown now change nothing.
    QWidget* content() const { return content_; }
    void setContent(QWidget* content);

    // Sizes of the content area (the window less its title row).
    QSize contentSize() const;
    void setContentSize(QSize size);
    void setContentSizeLimits(QSize minimum, QSize maximum);
    // Smallest, largest and current content size all size.
    void fixContentSize(QSize size);

    // The locked dress (true): no close, minimise and zoom buttons, and the
    // menu bar's locked menus; the unlocked dress (false) the other way round.
    // The language button stays in both.
    void hiddenCustomButton(bool hidden);
    bool isLockedDress() const { return lockedDress_; }
    void setZoomEnabled(bool enabled);

    // Re-titles the menu bar and shows the current language's picture on the
    // language button.
    void refresMenuItems();

    // Size memory: while on, every resize stores the window's size under
    // "mainWindowSize.width" and "mainWindowSize.height" (not while zoomed or
    // full screen: the size kept is the one the user chose).
    bool iswriteFrameSize() const { return iswriteFrameSize_; }
    void setSizeMemory(bool on) { iswriteFrameSize_ = on; }

    // The zoom button: between the largest size that fits the screen and the
    // size before.
    void zoom();
    void leaveFullScreen();
    // Brings the window to the front, shown and active, from wherever it is.
    void raiseWindow();

    // Makes row a handle that moves the window.
    void makeDraggable(QWidget* row);

    // The language button's pop-up: the languages the application carries of
    // the Chinese interface (index 1) and English (index 2).
    void changeLanguageAction();

signals:
    // A language was chosen from the language button: its index.
    void languageChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildTitleRow();
    PictureButton* addTitleButton(const QString& pictureStem);
    void showLanguagePicture();
    void placeSizeGrip();

    QWidget* titleRow_;
    MenuBar* menuBar_;
    QLabel* titleLabel_;
    PictureButton* closeButton_;
    PictureButton* minimizeButton_;
    PictureButton* zoomButton_;
    PictureButton* languageButton_;
    QSizeGrip* sizeGrip_;
    QPointer<QWidget> content_;
    bool lockedDress_ = false;
    bool iswriteFrameSize_ = false;
    // Where the pointer grabbed a handle, while the window moves by hand.
    std::optional<QPoint> grabOffset_;
};

} // namespace vexo::ui
