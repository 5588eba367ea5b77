#include "app/AppDelegate.h"

#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/gui/ThumbnailWriter.h"
#include "store/VaultPaths.h"
#include "ui/ChangePasswordWController.h"
#include "ui/GeneralViewController.h"
#include "ui/GuideViewController.h"
#include "ui/MainView.h"
#include "ui/MenuBar.h"
#include "ui/NoteView.h"
#include "ui/PreferencesWindowController.h"
#include "ui/WelcomeWindowController.h"
#include "ui/loginViewcontroller.h"
#include "vault/VaultFolders.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QMessageBox>

#include <algorithm>

namespace vexo::app {
namespace {

using namespace std::chrono_literals;

AppDelegate* theAppDelegate = nullptr;

// The main view's smallest content size.
constexpr QSize kMainViewMinimumSize{800, 420};

// How soon the idle lock looks again after closing an open dialog or menu.
constexpr std::chrono::milliseconds kRecheckAfterClosing = 100ms;

} // namespace

std::chrono::milliseconds idleLockDelay(int choice) {
    switch (choice) {
    case 0:
        return 0ms;
    case 1:
        return 30s;
    case 2:
        return 60s;
    case 3:
        return 5min;
    default:
        // The longest choice; the stored index may also come from a newer
        // version with more choices.
        return choice < 0 ? 0ms : 15min;
    }
}

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent), prompt_(&mainWindow_), catalogue_(prompt_) {
    theAppDelegate = this;
    catalogue_.thumbnailWriter = platform::writeItemThumbnail;
    idleTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, &AppDelegate::idleTimerFired);
    connect(&sessionWatch_, &platform::SessionWatch::sessionLocked, this,
            &AppDelegate::lockWithDesktopSession);
    connect(&sessionWatch_, &platform::SessionWatch::sleepComing, this,
            &AppDelegate::lockBeforeSleep);
    connect(&sessionWatch_, &platform::SessionWatch::resumed, this,
            &AppDelegate::checkIdleDeadline);
    connect(&mainWindow_, &ui::MainWindow::languageChosen, this, &AppDelegate::setLange);
    connect(mainWindow_.menuBar(), &ui::MenuBar::languageChosen, this, &AppDelegate::setLange);
    connectMenuCommands();
}

AppDelegate::~AppDelegate() {
    idleTimer_.stop();
    // The application is ending: the window goes at once, and a hide or
    // unhide still running stops at its next step instead of being waited
    // for; it leaves its item as a cancel does.
    mainWindow_.hide();
    if (mainView_ != nullptr && catalogue_.runsUnderWay())
        mainView_->controller().encryptCancelBtnAction();
    // The main view's controller works on the catalogue, which goes first.
    delete mainView_.data();
    if (theAppDelegate == this)
        theAppDelegate = nullptr;
}

AppDelegate* AppDelegate::sharedAppDelegate() {
    return theAppDelegate;
}

bool AppDelegate::isFirstRun() {
    return !platform::Settings::value(platform::keys::FirstRun);
}

void AppDelegate::connectMenuCommands() {
    using namespace ui::menu;
    using ui::EditCommand;
    using ui::FormatCommand;
    const ui::MenuBar* bar = mainWindow_.menuBar();
    auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(bar->item(kApplication, kAbout), [this] {
        QMessageBox::about(&mainWindow_, QApplication::applicationDisplayName(),
                           QApplication::applicationDisplayName() + QLatin1Char(' ') +
                               QApplication::applicationVersion());
    });
    on(bar->item(kApplication, kPreferences), [this] { preferencesAction(); });
    on(bar->item(kApplication, kQuit), [] { QApplication::quit(); });
    on(bar->item(kFile, kAddFiles), [this] { addFileAction(); });
    on(bar->item(kFile, kAddNote), [this] { addNoteFileAction(); });
    on(bar->item(kFile, kCheckVault), [this] {
        forwardToMainView([](ui::MainView& view) { view.controller().checkVaultAction(); });
    });
    on(bar->HideItem(), [this] { hideItemAction(); });
    on(bar->UnHideItem(), [this] { unHideItemAction(); });
    const std::pair<QAction*, EditCommand> editItems[] = {
        {bar->item(kEdit, kUndo), EditCommand::Undo},
        {bar->item(kEdit, kRedo), EditCommand::Redo},
        {bar->item(kEdit, kCut), EditCommand::Cut},
        {bar->item(kEdit, kCopy), EditCommand::Copy},
        {bar->item(kEdit, kPaste), EditCommand::Paste},
        {bar->item(kEdit, kDelete), EditCommand::Delete},
        {bar->item(kEdit, kSelectAll), EditCommand::SelectAll},
        {bar->item(kEdit, kTransformationMenu, kUpperCase), EditCommand::UpperCase},
        {bar->item(kEdit, kTransformationMenu, kLowerCase), EditCommand::LowerCase},
        {bar->item(kEdit, kTransformationMenu, kCapitalize), EditCommand::Capitalize}};
    for (const auto& [action, command] : editItems)
        on(action, [command] { ui::performEditCommand(QApplication::focusWidget(), command); });
    on(bar->item(kEdit, kFindMenu, kFind), [this] { findAction(); });
    const std::pair<QAction*, FormatCommand> formatItems[] = {
        {bar->item(kFormat, kFontMenu, kBold), FormatCommand::Bold},
        {bar->item(kFormat, kFontMenu, kItalic), FormatCommand::Italic},
        {bar->item(kFormat, kFontMenu, kUnderline), FormatCommand::Underline},
        {bar->item(kFormat, kFontMenu, kBigger), FormatCommand::Bigger},
        {bar->item(kFormat, kFontMenu, kSmaller), FormatCommand::Smaller},
        {bar->item(kFormat, kTextMenu, kAlignLeft), FormatCommand::AlignLeft},
        {bar->item(kFormat, kTextMenu, kAlignCenter), FormatCommand::AlignCenter},
        {bar->item(kFormat, kTextMenu, kAlignRight), FormatCommand::AlignRight}};
    for (const auto& [action, command] : formatItems)
        on(action, [this, command] { formatAction(command); });
    on(bar->item(kFormat, kFontMenu, kShowFonts),
       [this] { forwardToMainView([](ui::MainView& view) { view.noteView().showFontPanel(); }); });
    on(bar->item(kFormat, kFontMenu, kShowColors),
       [this] { forwardToMainView([](ui::MainView& view) { view.noteView().showColorPanel(); }); });
    on(bar->item(kPassword, kLock), [this] { lockvexoAction(); });
    on(bar->item(kPassword, kChangePassword), [this] { enterChangePassword(); });
    on(bar->item(kWindow, kMinimize), [this] { mainWindow_.showMinimized(); });
    on(bar->item(kWindow, kZoom), [this] { mainWindow_.zoom(); });
    on(bar->item(kWindow, kFullScreen), [this] {
        if (mainWindow_.isFullScreen())
            mainWindow_.showNormal();
        else if (mainView_ != nullptr)
            mainWindow_.showFullScreen();
    });
    on(bar->item(kHelp, kHelpPage), [this] { helpAction(); });
    on(bar->item(kHelp, kTutorial), [this] { showWelcomeTutorialAction(); });
}

void AppDelegate::applicationDidFinishLaunching() {
    qCInfo(lcVexo, "rootDirPath :%s", qUtf8Printable(store::AppRootDirKey()));
    mainWindow_.setWindowOpacity(1);
    // Until a first run has finished the guide chooses the vault folder anew.
    if (isFirstRun()) {
        showGuide();
    } else {
        vault::recreateVaultFolders(prompt_);
        showUnlockScreen();
    }
    mainWindow_.show();
    sessionWatch_.start(QDBusConnection::systemBus());
}

void AppDelegate::applicationShouldHandleReopen() {
    mainWindow_.raiseWindow();
}

void AppDelegate::showGuide() {
    auto* guide = new ui::GuideViewController(prompt_, false);
    connect(guide, &ui::GuideViewController::finished, this, [this] { showMainView(true); });
    mainWindow_.hiddenCustomButton(true);
    mainWindow_.setContent(guide);
    mainWindow_.fixContentSize(ui::GuideViewController::kContentSize);
}

void AppDelegate::showUnlockScreen() {
    auto* unlock = new ui::loginViewcontroller;
    connect(unlock, &ui::loginViewcontroller::unlocked, this, [this] { showMainView(false); });
    mainWindow_.setSizeMemory(false);
    mainWindow_.leaveFullScreen();
    mainWindow_.hiddenCustomButton(true);
    mainWindow_.setZoomEnabled(false);
    mainWindow_.setContent(unlock);
    mainWindow_.fixContentSize(ui::loginViewcontroller::kContentSize);
}

void AppDelegate::showMainView(bool firstRun) {
    auto* view = new ui::MainView(catalogue_);
    if (!view->setUp(firstRun)) {
        // Another program has the vault open; the user has been told.
        delete view;
        showUnlockScreen();
        return;
    }
    mainView_ = view;
    view->controller().addUSBNotification(volumeMonitor_);
    connect(view, &ui::MainView::lockRequested, this, &AppDelegate::lockvexoAction);
    connect(view, &ui::MainView::userActed, this, &AppDelegate::setAfterLock);
    connect(view, &ui::MainView::itemSelectionChanged, this, &AppDelegate::armHideItems);
    mainWindow_.makeDraggable(view->titleBar());
    mainWindow_.setContent(view);
    mainWindow_.hiddenCustomButton(false);
    mainWindow_.setZoomEnabled(true);
    mainWindow_.setContentSizeLimits(kMainViewMinimumSize, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const double width = platform::Settings::value(platform::keys::mainWindowSizeWidth);
    const double height = platform::Settings::value(platform::keys::mainWindowSizeHeight);
    if (width > 0 && height > 0)
        mainWindow_.resize(qRound(width), qRound(height));
    mainWindow_.setSizeMemory(true);
    armHideItems();
    setAfterLock();
}

void AppDelegate::armHideItems() {
    const store::FileModelPtr item =
        mainView_ == nullptr ? nullptr : mainView_->controller().selectedItem();
    mainWindow_.menuBar()->armHideItems(item != nullptr && !item->isEncrtypt,
                                        item != nullptr && item->isEncrtypt);
}

void AppDelegate::setAfterLock() {
    // The idle time has run out and open windows are being closed: a command
    // that ends with their closing must not put the lock off again.
    if (idleLockDue_)
        return;
    idleTimer_.stop();
    idleDeadline_.reset();
    const auto delay =
        idleDelayFor(platform::Settings::value(platform::keys::kLOCKQUILLANWHENIDLE));
    if (delay <= 0ms)
        return;
    idleDeadline_ =
        IdleDeadline{platform::currentMilliseconds() + delay.count(), QDeadlineTimer(delay)};
    idleTimer_.start(delay);
}

void AppDelegate::idleTimerFired() {
    if (idleLockDue_)
        lockWhenIdle();
    else
        checkIdleDeadline();
}

void AppDelegate::checkIdleDeadline() {
    // A lock under way waits for open windows to close; it needs no second look.
    if (!idleDeadline_ || idleLockDue_)
        return;
    const std::chrono::milliseconds wallClockLeft{idleDeadline_->wallClockMs -
                                                  platform::currentMilliseconds()};
    const auto left =
        std::min(wallClockLeft, std::chrono::ceil<std::chrono::milliseconds>(
                                    idleDeadline_->monotonic.remainingTimeAsDuration()));
    if (left > 0ms) {
        idleTimer_.start(left);
        return;
    }
    idleDeadline_.reset();
    lockWhenIdle();
}

void AppDelegate::lockWhenIdle() {
    // An open question, chooser or menu is answered with its "change
    // nothing" choice first, so the work that asked ends before its view goes;
    // the lock follows once they are closed.
    QWidget* open = QApplication::activePopupWidget();
    if (open == nullptr)
        open = QApplication::activeModalWidget();
    if (open != nullptr) {
        idleLockDue_ = true;
        open->close();
        idleTimer_.start(kRecheckAfterClosing);
        return;
    }
    lockvexoAction();
}

void AppDelegate::lockWithDesktopSession() {
    // Locked already, or the lock is under way.
    if (mainView_ == nullptr || idleLockDue_ ||
        !ui::GeneralViewController::lockWithDesktopSession())
        return;
    qCInfo(lcVexo, "the desktop session locks or sleeps: locking the vault");
    lockWhenIdle();
}

void AppDelegate::lockBeforeSleep() {
    lockWithDesktopSession();
    // A lock that waits for open windows lets the sleep go when it is done.
    if (!idleLockDue_)
        sessionWatch_.allowSleep();
}

void AppDelegate::lockvexoAction() {
    idleLockDue_ = false;
    if (mainView_ != nullptr) {
        idleTimer_.stop();
        idleDeadline_.reset();
        mainView_->controller().lockvexoAction();
        mainView_ = nullptr;
        armHideItems();
        showUnlockScreen();
    }
    sessionWatch_.allowSleep();
}

void AppDelegate::addFileAction() {
    forwardToMainView([](ui::MainView& view) { view.controller().addFilesAction(); });
}

void AppDelegate::addNoteFileAction() {
    forwardToMainView([](ui::MainView& view) { view.noteView().addNoteAction(); });
}

void AppDelegate::hideItemAction() {
    forwardToMainView([](ui::MainView& view) { view.controller().hideItemAction(); });
}

void AppDelegate::unHideItemAction() {
    forwardToMainView([](ui::MainView& view) { view.controller().unHideItemAction(); });
}

void AppDelegate::formatAction(ui::FormatCommand command) {
    forwardToMainView([command](ui::MainView& view) { view.formatAction(command); });
}

void AppDelegate::forwardToMainView(const std::function<void(ui::MainView&)>& command) {
    if (mainView_ == nullptr)
        return;
    command(*mainView_);
    setAfterLock();
}

void AppDelegate::findAction() {
    forwardToMainView([](ui::MainView& view) { view.clickSearchAction(); });
}

void AppDelegate::enterChangePassword() {
    forwardToMainView([this](ui::MainView&) {
        ui::ChangePasswordWController window(prompt_, &mainWindow_);
        window.runOver(&mainWindow_);
    });
}

void AppDelegate::preferencesAction() {
    forwardToMainView([this](ui::MainView& view) {
        // The vault may move while the window is open: the open note is
        // written first.
        view.noteView().saveOpenNote();
        ui::PreferencesWindowController preferences(prompt_, &view.controller(), &mainWindow_);
        preferences.runOver(&mainWindow_);
        view.noteView().followOpenNotePackage();
    });
}

void AppDelegate::showWelcomeTutorialAction() {
    ui::WelcomeWindowController tutorial(prompt_, &mainWindow_);
    tutorial.exec();
}

void AppDelegate::helpAction() {
    const QUrl page = ui::helpPageUrl();
    if (page.scheme() == u"http" || page.scheme() == u"https") {
        QDesktopServices::openUrl(page);
        return;
    }
    if (helpWindow_ == nullptr)
        helpWindow_ = new ui::HelpWindow(&mainWindow_);
    helpWindow_->showPage(page);
}

void AppDelegate::setLange(int index) {
    platform::Settings::setValue(platform::keys::AppLanguage, index);
    platform::setLanguage();
    mainWindow_.refresMenuItems();
    if (auto* guide = qobject_cast<ui::GuideViewController*>(mainWindow_.content()))
        guide->langeuageAction();
    if (auto* unlock = qobject_cast<ui::loginViewcontroller*>(mainWindow_.content()))
        unlock->langeuageAction();
}

} // namespace vexo::app
