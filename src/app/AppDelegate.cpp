#include "app/AppDelegate.h"

#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "store/VaultPaths.h"
#include "ui/GuideViewController.h"
#include "ui/MainView.h"
#include "ui/MenuBar.h"
#include "ui/WelcomeWindowController.h"
#include "ui/loginViewcontroller.h"
#include "vault/FirstRun.h"

#include <QApplication>
#include <QMessageBox>

namespace vexo::app {
namespace {

using namespace std::chrono_literals;

AppDelegate* theAppDelegate = nullptr;

// The main view's smallest content size.
constexpr QSize kMainViewMinimumSize{800, 420};

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
    idleTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, &AppDelegate::lockWhenIdle);
    connect(&mainWindow_, &ui::MainWindow::languageChosen, this, &AppDelegate::setLange);
    connect(mainWindow_.menuBar(), &ui::MenuBar::languageChosen, this, &AppDelegate::setLange);
    connectMenuCommands();
}

AppDelegate::~AppDelegate() {
    idleTimer_.stop();
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
    on(bar->item(kApplication, kQuit), [] { QApplication::quit(); });
    on(bar->item(kFile, kAddFiles), [this] { addFileAction(); });
    on(bar->item(kFile, kAddNote), [this] { addNoteFileAction(); });
    on(bar->HideItem(), [this] { hideItemAction(); });
    on(bar->UnHideItem(), [this] { unHideItemAction(); });
    const std::pair<int, EditCommand> editItems[] = {{kUndo, EditCommand::Undo},
                                                     {kRedo, EditCommand::Redo},
                                                     {kCut, EditCommand::Cut},
                                                     {kCopy, EditCommand::Copy},
                                                     {kPaste, EditCommand::Paste},
                                                     {kDelete, EditCommand::Delete},
                                                     {kSelectAll, EditCommand::SelectAll}};
    for (const auto& [tag, command] : editItems)
        on(bar->item(kEdit, tag),
           [command] { ui::performEditCommand(QApplication::focusWidget(), command); });
    const std::pair<int, EditCommand> transformations[] = {{kUpperCase, EditCommand::UpperCase},
                                                           {kLowerCase, EditCommand::LowerCase},
                                                           {kCapitalize, EditCommand::Capitalize}};
    for (const auto& [tag, command] : transformations)
        on(bar->item(kEdit, kTransformationMenu, tag),
           [command] { ui::performEditCommand(QApplication::focusWidget(), command); });
    on(bar->item(kEdit, kFindMenu, kFind), [this] { findAction(); });
    const std::pair<int, FormatCommand> fontItems[] = {{kBold, FormatCommand::Bold},
                                                       {kItalic, FormatCommand::Italic},
                                                       {kUnderline, FormatCommand::Underline},
                                                       {kBigger, FormatCommand::Bigger},
                                                       {kSmaller, FormatCommand::Smaller}};
    for (const auto& [tag, command] : fontItems)
        on(bar->item(kFormat, kFontMenu, tag), [this, command] { formatAction(command); });
    const std::pair<int, FormatCommand> textItems[] = {{kAlignLeft, FormatCommand::AlignLeft},
                                                       {kAlignCenter, FormatCommand::AlignCenter},
                                                       {kAlignRight, FormatCommand::AlignRight}};
    for (const auto& [tag, command] : textItems)
        on(bar->item(kFormat, kTextMenu, tag), [this, command] { formatAction(command); });
    on(bar->item(kPassword, kLock), [this] { lockvexoAction(); });
    on(bar->item(kWindow, kMinimize), [this] { mainWindow_.showMinimized(); });
    on(bar->item(kWindow, kZoom), [this] { mainWindow_.zoom(); });
    on(bar->item(kWindow, kFullScreen), [this] {
        if (mainWindow_.isFullScreen())
            mainWindow_.showNormal();
        else if (mainView_ != nullptr)
            mainWindow_.showFullScreen();
    });
    on(bar->item(kHelp, kTutorial), [this] { showWelcomeTutorialAction(); });
}

void AppDelegate::applicationDidFinishLaunching() {
    qCInfo(lcVexo, "rootDirPath :%s", qUtf8Printable(store::AppRootDirKey()));
    vault::recreateVaultFolders();
    mainWindow_.setWindowOpacity(1);
    if (isFirstRun())
        showGuide();
    else
        showUnlockScreen();
    mainWindow_.show();
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
    connect(&view->controller(), &vault::MainViewController::selectionChanged, this,
            &AppDelegate::armHideItems);
    connect(&catalogue_, &vault::VaultCatalogue::itemChanged, view, [this] { armHideItems(); });
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
    idleTimer_.stop();
    const auto delay =
        idleDelayFor(platform::Settings::value(platform::keys::kLOCKQUILLANWHENIDLE));
    if (delay <= 0ms)
        return;
    idleTimer_.start(delay);
}

void AppDelegate::lockWhenIdle() {
    // A question or chooser that is open belongs to work in progress: the
    // vault locks once it is answered.
    if (QApplication::activeModalWidget() != nullptr) {
        setAfterLock();
        return;
    }
    lockvexoAction();
}

void AppDelegate::lockvexoAction() {
    if (mainView_ == nullptr)
        return;
    idleTimer_.stop();
    mainView_->controller().lockvexoAction();
    mainView_ = nullptr;
    armHideItems();
    showUnlockScreen();
}

void AppDelegate::addFileAction() {
    if (mainView_ != nullptr)
        mainView_->controller().addFilesAction();
}

void AppDelegate::addNoteFileAction() {
    if (mainView_ != nullptr)
        mainView_->controller().addNoteAction();
}

void AppDelegate::hideItemAction() {
    if (mainView_ != nullptr)
        mainView_->controller().hideItemAction();
}

void AppDelegate::unHideItemAction() {
    if (mainView_ != nullptr)
        mainView_->controller().unHideItemAction();
}

void AppDelegate::formatAction(ui::FormatCommand command) {
    if (mainView_ != nullptr)
        mainView_->formatAction(command);
}

void AppDelegate::findAction() {
    if (mainView_ != nullptr)
        mainView_->clickSearchAction();
}

void AppDelegate::showWelcomeTutorialAction() {
    ui::WelcomeWindowController tutorial(prompt_, &mainWindow_);
    tutorial.exec();
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
