#pragma once

#include "ui/TextCommands.h"
#include "vault/MainViewController.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTimer;

namespace vexo::ui {

class PictureButton;

// The window's content while the vault is unlocked: the title bar (lock
// button, sort button, search bar), the left pane with the group sidebar and
// the right pane with the file list and its bottom bar. It holds the vault's
// controller for this unlock and only calls it; every flow runs in the vault
// library.
class MainView : public QWidget {
    Q_OBJECT
public:
    explicit MainView(vault::VaultCatalogue& catalogue, QWidget* parent = nullptr);

    vault::MainViewController& controller() { return controller_; }

    // The controller's set-up (see MainViewController::setUp); false when the
    // vault could not be opened.
    bool setUp(bool firstRun);

    // The row that moves the window when dragged.
    QWidget* titleBar() const { return titleBar_; }

    // The search button: the search field takes the keyboard focus.
    void clickSearchAction();
    // A Format menu command, for the rich-text area being edited, if any.
    void formatAction(FormatCommand command);
    // Paths dropped on the right pane: they are added to the vault.
    void dropPaths(const QStringList& paths);

signals:
    // The lock button was pressed.
    void lockRequested();
    // The user did something that restarts the idle time.
    void userActed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitleBar();
    QWidget* buildLeftPane();
    QWidget* buildRightPane();
    QWidget* buildBottomBar();
    PictureButton* addBottomButton(const QString& name, const QString& picture);
    void refreshRightPane();
    void refreshFileTypeTitle();

    vault::MainViewController controller_;
    QWidget* titleBar_ = nullptr;
    QPushButton* lockFileBtn_ = nullptr;
    QPushButton* sortBtn_ = nullptr;
    QLineEdit* searchTextField_ = nullptr;
    QWidget* rightContentView_ = nullptr;
    QScrollArea* itemScrollView_ = nullptr;
    QLabel* dropArrowView_ = nullptr;
    QPushButton* rightBottom_leftBtn_ = nullptr;
    // The add buttons act a moment after the press; another press in that
    // time starts the wait again.
    QTimer* addGroupPause_ = nullptr;
    QTimer* addFilePause_ = nullptr;
};

} // namespace vexo::ui
