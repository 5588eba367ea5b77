#pragma once

#include "ui/ItemIcons.h"
#include "ui/TextCommands.h"
#include "vault/MainViewController.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace vexo::ui {

class FileListModel;
class FileListView;
class GroupSidebarModel;
class GroupSidebarView;
class NoteView;
class PictureButton;
class ProgressPanel;

// The window's content while the vault is unlocked: the title bar (lock
// button, sort button, search bar), the left pane with the group sidebar and
// the progress panel, and the right pane with the file list and its bottom
// bar, or the note view while a note group is selected. It holds the vault's controller for this
// unlock and only calls it; every flow runs in the vault library, and the views redraw from its
// signals.
class MainView : public QWidget {
    Q_OBJECT
public:
    explicit MainView(vault::VaultCatalogue& catalogue, QWidget* parent = nullptr);

    vault::MainViewController& controller() { return controller_; }
    FileListModel& fileList() { return *fileModel_; }
    ProgressPanel& progressPanel() { return *progressView_; }

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
    // Rebuilds the file list from the controller's choice of items, or the
    // note column while a note group is selected (keepOpenNote: see
    // NoteView::setNoteTableListView).
    void setRightScrollView(bool keepOpenNote = false);
    NoteView& noteView() { return *noteRightView_; }
    // Rebuilds the group sidebar from the controller's lists.
    void setLeftScrollView();
    GroupSidebarModel& sidebar() { return *sidebarModel_; }

    // What the sidebar's rows and group menu do, by sidebar row.
    void groupRowClicked(int row);
    QMenu* group_itemMenu(int row, QWidget* parent);
    // A group-menu entry (1 hide every item, 2 rename, 3 delete, 4 new group).
    void group_popAction(int tag, int row);
    // The menu of a drive vault's header and add rows, and its one command:
    // a new password for the vault of that row.
    QMenu* driveVaultMenu(int row, QWidget* parent);
    void changePasswordAction(int row);

    // What the file list's rows and menus do, by row of the shown list.
    void selectRow(int row);
    void toggleRow(int row);
    void revealRow(int row);
    void openFileInfo(int row);
    void removeRow(int row);

    // The menus, built for the current state (shown by the caller).
    QMenu* applicationDockMenu(QWidget* parent);
    QMenu* file_itemMenu(QWidget* parent);
    QMenu* groupChildFile_Menu(int row, QWidget* parent);
    // A sort entry (1-6 a key, 7 ascending, 8 descending) titled title.
    void sortpopAction(int tag, const QString& title);
    // An item-menu entry (1 the bulk switch, 2 hide, 3 unhide, 4 remove).
    void file_popAction(int tag, const QString& title);

signals:
    // The lock button was pressed.
    void lockRequested();
    // The user did something that restarts the idle time.
    void userActed();
    // The selected item, or its state, changed.
    void itemSelectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitleBar();
    QWidget* buildLeftPane();
    QWidget* buildRightPane();
    QWidget* buildBottomBar();
    void connectFileList();
    void connectSidebar();
    void connectNoteView();
    bool showsNotes() const;
    void startNameEditing();
    void refreshFileTypeTitle();
    void showMenu(QMenu* menu, const QPoint& globalPosition);
    // Row commands wait while a hide or unhide shows its progress.
    bool busy() const;

    vault::MainViewController controller_;
    ItemIcons icons_;
    FileListModel* fileModel_;
    GroupSidebarModel* sidebarModel_;
    GroupSidebarView* groupScrollView_ = nullptr;
    QWidget* titleBar_ = nullptr;
    QPushButton* lockFileBtn_ = nullptr;
    QPushButton* sortBtn_ = nullptr;
    QLineEdit* searchTextField_ = nullptr;
    QWidget* leftContentView_ = nullptr;
    ProgressPanel* progressView_ = nullptr;
    QStackedWidget* rightStack_ = nullptr;
    QWidget* rightContentView_ = nullptr;
    NoteView* noteRightView_ = nullptr;
    FileListView* itemScrollView_ = nullptr;
    QLabel* dropArrowView_ = nullptr;
    QPushButton* rightBottom_leftBtn_ = nullptr;
    PictureButton* rightBottom_rightBtn_ = nullptr;
    // The add buttons and a row's toggle act a moment after the press;
    // another press in that time starts the wait again.
    QTimer* addGroupPause_ = nullptr;
    QTimer* addFilePause_ = nullptr;
    QTimer* togglePause_ = nullptr;
    store::FileModelPtr pendingToggle_;
};

} // namespace vexo::ui
