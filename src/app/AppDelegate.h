#pragma once

#include "platform/VolumeMonitor.h"
#include "platform/gui/SessionWatch.h"
#include "ui/DialogPrompt.h"
#include "ui/HelpWindow.h"
#include "ui/MainView.h"
#include "ui/MainWindow.h"
#include "ui/TextCommands.h"
#include "vault/VaultCatalogue.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace vexo::app {

// How long the vault may stay untouched before it locks, by the idle-lock
// choice: 0 never, 1 30 s, 2 60 s, 3 5 min, 4 and above 15 min.
std::chrono::milliseconds idleLockDelay(int choice);

// The desktop application's hub: it decides what fills the main window (the
// first-run guide, the unlock screen or the main view), keeps the catalogue
// across locks, forwards the menu commands to the main view and runs the
// idle lock and the lock with the desktop session. One instance, made by
// main().
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    // The one instance; null before it is made.
    static AppDelegate* sharedAppDelegate();

    // Launch: the guide until a first run has finished; on every later
    // launch the vault root and its "Notes" folder are made again when they
    // are missing (the user is told) and the unlock screen shows. The vault
    // starts locked. The session watch starts on the system bus.
    void applicationDidFinishLaunching();
    // A later launch or the desktop asked for the window: it comes to the front.
    void applicationShouldHandleReopen();

    // True until a first run has finished.
    static bool isFirstRun();

    // Restarts the idle time: the vault locks when it has been untouched for
    // the chosen delay (none for choice 0), counted by the wall clock too, so
    // time spent asleep counts. An open dialog or menu is closed with its
    // "change nothing" answer before the lock.
    void setAfterLock();
    bool isIdleLockPending() const { return idleTimer_.isActive(); }
    // The delay of an idle-lock choice; tests shorten it.
    std::function<std::chrono::milliseconds(int)> idleDelayFor = idleLockDelay;

    // Locks the vault: the main view goes, a fresh unlock screen comes. The
    // catalogue, with its open drive vaults and any work still running, stays.
    // A sleep that waited for the lock goes ahead.
    void lockvexoAction();

    // Menu commands for the main view, each restarting the idle time; nothing
    // while the vault is locked.
    void addFileAction();
    void addNoteFileAction();
    void hideItemAction();
    void unHideItemAction();
    void formatAction(ui::FormatCommand command);
    void findAction();
    // Opens the tutorial in a modal window.
    void showWelcomeTutorialAction();
    // Shows the help page of the current language (see ui::helpPageUrl).
    void helpAction();
    // The Password menu's change command: the master password, in a modal
    // window (only while unlocked).
    void enterChangePassword();
    // The application menu's preferences: a modal window over the main
    // window (only while unlocked); a new idle-lock choice counts from its
    // close.
    void preferencesAction();
    // Switches the interface language to index and re-titles what is shown.
    void setLange(int index);

    ui::MainWindow& mainWindow() { return mainWindow_; }
    // The main view while the vault is unlocked; null while it is locked.
    ui::MainView* mainView() const { return mainView_; }
    vault::VaultCatalogue& catalogue() { return catalogue_; }
    platform::VolumeMonitor& volumeMonitor() { return volumeMonitor_; }
    // The desktop session's lock, sleep and resume; while the setting is on
    // (see ui::GeneralViewController) the first two lock the vault as the
    // idle lock does.
    platform::SessionWatch& sessionWatch() { return sessionWatch_; }

private:
    void connectMenuCommands();
    void showGuide();
    void showUnlockScreen();
    void showMainView(bool firstRun);
    void armHideItems();
    void lockWhenIdle();
    void idleTimerFired();
    // Locks at once when the idle time has run out, else waits for the rest.
    void checkIdleDeadline();
    void lockWithDesktopSession();
    void lockBeforeSleep();
    // Runs command on the main view, if there is one, and restarts the idle time.
    void forwardToMainView(const std::function<void(ui::MainView&)>& command);

    ui::MainWindow mainWindow_;
    ui::DialogPrompt prompt_;
    vault::VaultCatalogue catalogue_;
    platform::VolumeMonitor volumeMonitor_;
    QPointer<ui::MainView> mainView_;
    ui::HelpWindow* helpWindow_ = nullptr; // made at the first help command, kept
    platform::SessionWatch sessionWatch_;
    QTimer idleTimer_;
    // When the idle time runs out by either clock: the monotonic one the
    // timer follows stops while the computer sleeps, the wall clock does not
    // but may be set back.
    struct IdleDeadline {
        qint64 wallClockMs;
        QDeadlineTimer monotonic;
    };
    std::optional<IdleDeadline> idleDeadline_;
    // True from the idle lock's closing of open windows until the lock.
    bool idleLockDue_ = false;
};

} // namespace vexo::app
