#pragma once

#include "platform/VolumeMonitor.h"
#include "ui/DialogPrompt.h"
#include "ui/MainView.h"
#include "ui/MainWindow.h"
#include "ui/TextCommands.h"
#include "vault/VaultCatalogue.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>

namespace vexo::app {

// How long the vault may stay untouched before it locks, by the idle-lock
// choice: 0 never, 1 30 s, 2 60 s, 3 5 min, 4 and above 15 min.
std::chrono::milliseconds idleLockDelay(int choice);

// The desktop application's hub: it decides what fills the main window (the
// first-run guide, the unlock screen or the main view), keeps the catalogue
// across locks, forwards the menu commands to the main view and runs the
// idle lock. One instance, made by main().
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    // The one instance; null before it is made.
    static AppDelegate* sharedAppDelegate();

    // Launch: recreates a recorded but missing vault root and its "Notes"
    // folder, then shows the guide until a first run has finished and the
    // unlock screen on every later launch. The vault starts locked.
    void applicationDidFinishLaunching();
    // A later launch or the desktop asked for the window: it comes to the front.
    void applicationShouldHandleReopen();

    // True until a first run has finished.
    static bool isFirstRun();

    // Restarts the idle time: the vault locks when it has been untouched for
    // the chosen delay (none for choice 0). While a dialog is open the lock
    // waits for it to close, so no question is cut off.
    void setAfterLock();
    bool isIdleLockPending() const { return idleTimer_.isActive(); }
    // The delay of an idle-lock choice; tests shorten it.
    std::function<std::chrono::milliseconds(int)> idleDelayFor = idleLockDelay;

    // Locks the vault: the main view goes, a fresh unlock screen comes. The
    // catalogue, with its open drive vaults and any work still running, stays.
    void lockvexoAction();

    // Menu commands for the main view; nothing while the vault is locked.
    void addFileAction();
    void addNoteFileAction();
    void hideItemAction();
    void unHideItemAction();
    void formatAction(ui::FormatCommand command);
    void findAction();
    // Opens the tutorial in a modal window.
    void showWelcomeTutorialAction();
    // Switches the interface language to index and re-titles what is shown.
    void setLange(int index);

    ui::MainWindow& mainWindow() { return mainWindow_; }
    // The main view while the vault is unlocked; null while it is locked.
    ui::MainView* mainView() const { return mainView_; }
    vault::VaultCatalogue& catalogue() { return catalogue_; }
    platform::VolumeMonitor& volumeMonitor() { return volumeMonitor_; }

private:
    void connectMenuCommands();
    void showGuide();
    void showUnlockScreen();
    void showMainView(bool firstRun);
    void armHideItems();
    void lockWhenIdle();

    ui::MainWindow mainWindow_;
    ui::DialogPrompt prompt_;
    vault::VaultCatalogue catalogue_;
    platform::VolumeMonitor volumeMonitor_;
    QPointer<ui::MainView> mainView_;
    QTimer idleTimer_;
};

} // namespace vexo::app
