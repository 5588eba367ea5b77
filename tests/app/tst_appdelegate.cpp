#include "../ui/UiTestMain.h"
#include "access/PasswordStore.h"
#include "app/AppDelegate.h"
#include "app/SingleInstance.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "store/VaultPaths.h"
#include "support/TestFiles.h"
#include "ui/DialogPrompt.h"
#include "ui/GuideViewController.h"
#include "ui/HelpWindow.h"
#include "ui/MainView.h"
#include "ui/MenuBar.h"
#include "ui/WelcomeWindowController.h"
#include "ui/loginViewcontroller.h"
#include "vault/FirstRun.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>

#include <memory>

using namespace vexo;
using namespace std::chrono_literals;
using platform::Settings;
namespace keys = platform::keys;

namespace {

const QString kPassword = QStringLiteral("Open sesame");
const QSize kLockedWindowSize{300, 354 + ui::MainWindow::kTitleRowHeight};

} // namespace

class AppDelegateTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<app::AppDelegate> delegate;
    QString root;
    int runNumber = 0;

    ui::MainWindow& window() { return delegate->mainWindow(); }
    ui::MenuBar* menus() { return window().menuBar(); }
    template <typename T> T* content() { return qobject_cast<T*>(window().content()); }

    // A vault whose first run has finished, with its own root.
    void finishFirstRun() {
        vault::storeFirstRun(root, kPassword, QStringLiteral("hint"));
        QDir().mkpath(root);
    }

    void launch() {
        delegate = std::make_unique<app::AppDelegate>();
        delegate->idleDelayFor = [](int choice) { return choice == 0 ? 0ms : 20ms; };
        delegate->applicationDidFinishLaunching();
    }

    void unlockWith(const QString& typed) {
        auto* unlock = content<ui::loginViewcontroller>();
        QVERIFY(unlock != nullptr);
        auto* field = unlock->findChild<QLineEdit*>(QStringLiteral("passwordTextField"));
        field->setText(typed);
        QTest::keyClick(field, Qt::Key_Return);
    }

    void verifyLocked() {
        QVERIFY(content<ui::loginViewcontroller>() != nullptr);
        QVERIFY(delegate->mainView() == nullptr);
        QVERIFY(window().isLockedDress());
        QCOMPARE(window().minimumSize(), kLockedWindowSize);
        QCOMPARE(window().maximumSize(), kLockedWindowSize);
        QCOMPARE(window().size(), kLockedWindowSize);
        QVERIFY(!window().iswriteFrameSize());
        QVERIFY(!menus()->topItem(ui::menu::kFile)->isVisible());
        QVERIFY(menus()->topItem(ui::menu::kLanguage)->isVisible());
    }

    void verifyUnlocked() {
        QVERIFY(delegate->mainView() != nullptr);
        QCOMPARE(window().content(), delegate->mainView());
        QVERIFY(!window().isLockedDress());
        QCOMPARE(window().minimumSize(), QSize(800, 420 + ui::MainWindow::kTitleRowHeight));
        QVERIFY(window().iswriteFrameSize());
        QVERIFY(menus()->topItem(ui::menu::kFile)->isVisible());
        QVERIFY(menus()->topItem(ui::menu::kPassword)->isVisible());
        QVERIFY(!menus()->topItem(ui::menu::kLanguage)->isVisible());
    }

    // A drive vault open in the catalogue, on a drive folder below the volumes root.
    QString openDriveVault(const QString& drive) {
        const QString key = drive + QStringLiteral("/Drive.vlt");
        QDir().mkpath(test::testVolumesRoot() + QLatin1Char('/') + key);
        delegate->catalogue().moveUpList(drive, key);
        return key;
    }

private slots:
    void init() {
        test::clearSettings();
        ui::DialogPrompt::clearQueuedAnswers();
        root = test::scratchRoot() + QStringLiteral("/vault%1.vlt").arg(++runNumber);
    }

    void cleanup() {
        delegate.reset();
        QCOMPARE(ui::DialogPrompt::queuedAnswers(), 0);
    }

    void theGuideShowsUntilAFirstRunHasFinished_data() {
        QTest::addColumn<bool>("rootRecorded");
        QTest::newRow("nothing stored") << false;
        QTest::newRow("a root but no finished first run") << true;
    }
    void theGuideShowsUntilAFirstRunHasFinished() {
        QFETCH(bool, rootRecorded);
        if (rootRecorded)
            Settings::setValue(keys::kRootDirKey, root);
        launch();
        QVERIFY(app::AppDelegate::isFirstRun());
        QVERIFY(content<ui::GuideViewController>() != nullptr);
        QVERIFY(window().isLockedDress());
        QCOMPARE(window().contentSize(), ui::GuideViewController::kContentSize);
    }

    void aFinishedGuideOpensTheMainView() {
        launch();
        auto* guide = content<ui::GuideViewController>();
        guide->showPage(guide->lastPageIndex());
        for (const char* name : {"passwordField", "confirmationField"})
            guide->findChild<QLineEdit*>(QLatin1String(name))->setText(kPassword);
        const QString chosen = test::scratchRoot() + QStringLiteral("/chosen%1").arg(runNumber);
        ui::DialogPrompt::answerNextSavePathWith(chosen);
        QTest::mouseClick(guide->findChild<QPushButton*>(QStringLiteral("pageButton")),
                          Qt::LeftButton);

        verifyUnlocked();
        QVERIFY(!app::AppDelegate::isFirstRun());
        QCOMPARE(store::AppRootDirKey(), chosen + QStringLiteral(".vlt"));
        QVERIFY(QFileInfo::exists(chosen + QStringLiteral(".vlt/GroupDirlist.plist")));
    }

    void laterLaunchesStartLockedAndRecreateAMissingRootSayingSo() {
        finishFirstRun();
        QVERIFY(QDir(root).removeRecursively());
        ui::DialogPrompt::answerNextAlertWith(0);
        launch();
        verifyLocked();
        QCOMPARE(ui::DialogPrompt::takeAnsweredAlerts().value(0).messageKey,
                 QStringLiteral("vaultRecreated.title"));
        QVERIFY(QFileInfo(root + QStringLiteral("/Notes")).isDir());
        QVERIFY(test::filesBelow(root).isEmpty());
    }

    void aRootThatCannotBeMadeAgainKeepsTheVaultLocked() {
        const QString blocker = test::scratchRoot() + QStringLiteral("/file%1").arg(runNumber);
        test::writeFile(blocker, "not a folder");
        root = blocker + QStringLiteral("/vault.vlt");
        finishFirstRun();
        ui::DialogPrompt::answerNextAlertWith(0);
        launch();
        verifyLocked();
        ui::DialogPrompt::answerNextAlertWith(0);
        unlockWith(kPassword);
        verifyLocked();
        const auto alerts = ui::DialogPrompt::takeAnsweredAlerts();
        QCOMPARE(alerts.size(), 2);
        QCOMPARE(alerts.at(1).messageKey, QStringLiteral("NTFErrorTitle"));
    }

    void onlyTheStoredPasswordUnlocks() {
        finishFirstRun();
        launch();
        for (const QString& wrong :
             {QStringLiteral("open sesame"), QStringLiteral("Open sesame "), QString()}) {
            unlockWith(wrong);
            verifyLocked();
        }
        QCOMPARE(content<ui::loginViewcontroller>()->errorCount(), 3);
        unlockWith(kPassword);
        verifyUnlocked();
    }

    void everyLockGivesAFreshUnlockScreenAndKeepsDriveVaults_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("lock button") << "button";
        QTest::newRow("Password menu") << "menu";
        QTest::newRow("idle timer") << "idle";
    }
    void everyLockGivesAFreshUnlockScreenAndKeepsDriveVaults() {
        QFETCH(QString, how);
        finishFirstRun();
        Settings::setValue(keys::kLOCKQUILLANWHENIDLE, how == QLatin1String("idle") ? 1 : 0);
        launch();
        auto* firstScreen = content<ui::loginViewcontroller>();
        unlockWith(kPassword);
        const QString kept = openDriveVault(QStringLiteral("USB%1").arg(runNumber));
        const QString gone = openDriveVault(QStringLiteral("GONE%1").arg(runNumber));
        QVERIFY(QDir(test::testVolumesRoot() + QLatin1Char('/') + gone).removeRecursively());

        if (how == QLatin1String("button"))
            QTest::mouseClick(
                delegate->mainView()->findChild<QPushButton*>(QStringLiteral("lockFileBtn")),
                Qt::LeftButton);
        else if (how == QLatin1String("menu"))
            menus()->item(ui::menu::kPassword, ui::menu::kLock)->trigger();
        else
            QTRY_VERIFY(delegate->mainView() == nullptr);

        verifyLocked();
        QVERIFY(content<ui::loginViewcontroller>() != firstScreen);
        QCOMPARE(content<ui::loginViewcontroller>()->errorCount(), 0);
        QVERIFY(delegate->catalogue().UPLibrary.contains(kept));
        QVERIFY(!delegate->catalogue().UPLibrary.contains(gone));
        unlockWith(kPassword);
        verifyUnlocked();
        QVERIFY(delegate->catalogue().UPLibrary.contains(kept));
    }

    void theIdleLockFollowsTheChoiceAndClosesAnOpenDialogFirst() {
        finishFirstRun();
        launch();
        unlockWith(kPassword);
        QVERIFY(!delegate->isIdleLockPending());

        Settings::setValue(keys::kLOCKQUILLANWHENIDLE, 2);
        QDialog question(&window());
        question.setWindowModality(Qt::ApplicationModal);
        QSignalSpy answered(&question, &QDialog::finished);
        question.show();
        delegate->setAfterLock();
        QVERIFY(delegate->isIdleLockPending());
        QTRY_VERIFY(delegate->mainView() == nullptr);
        QCOMPARE(answered.count(), 1);
        QCOMPARE(answered.at(0).at(0).toInt(), int(QDialog::Rejected));
        QVERIFY(!delegate->isIdleLockPending());
    }

    void idleDelaysByChoice_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<qint64>("milliseconds");
        QTest::newRow("never") << 0 << qint64(0);
        QTest::newRow("30 s") << 1 << qint64(30'000);
        QTest::newRow("60 s") << 2 << qint64(60'000);
        QTest::newRow("5 min") << 3 << qint64(300'000);
        QTest::newRow("fifth choice: 15 min, never at once") << 4 << qint64(900'000);
        QTest::newRow("beyond the choices") << 9 << qint64(900'000);
        QTest::newRow("negative") << -1 << qint64(0);
    }
    void idleDelaysByChoice() {
        QFETCH(int, choice);
        QFETCH(qint64, milliseconds);
        QCOMPARE(app::idleLockDelay(choice).count(), milliseconds);
    }

    void theWindowSizeIsRememberedForTheMainViewOnly() {
        finishFirstRun();
        launch();
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 800.0);
        unlockWith(kPassword);
        QCOMPARE(window().size(), QSize(800, 500));
        window().resize(1000, 600);
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 1000.0);
        QCOMPARE(Settings::value(keys::mainWindowSizeHeight), 600.0);

        window().showFullScreen();
        delegate->lockvexoAction();
        QVERIFY(!window().isFullScreen());
        verifyLocked();
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 1000.0);

        delegate.reset();
        launch();
        unlockWith(kPassword);
        QCOMPARE(window().size(), QSize(1000, 600));
    }

    void menuCommandsWaitForTheMainView() {
        finishFirstRun();
        launch();
        ui::DialogPrompt::answerNextChoiceWith({});
        menus()->item(ui::menu::kFile, ui::menu::kAddFiles)->trigger();
        QCOMPARE(ui::DialogPrompt::queuedAnswers(), 1);
        menus()->item(ui::menu::kPassword, ui::menu::kLock)->trigger();
        verifyLocked();

        unlockWith(kPassword);
        menus()->item(ui::menu::kFile, ui::menu::kAddFiles)->trigger();
        QCOMPARE(ui::DialogPrompt::queuedAnswers(), 0);
        QVERIFY(!menus()->HideItem()->isEnabled());
        QVERIFY(!menus()->UnHideItem()->isEnabled());
    }

    void theTutorialRunsModallyAndTheLanguageMenuSwitches() {
        finishFirstRun();
        launch();
        int pagesSeen = 0;
        QTimer::singleShot(0, this, [&pagesSeen] {
            auto* tutorial =
                qobject_cast<ui::WelcomeWindowController*>(QApplication::activeModalWidget());
            QVERIFY(tutorial != nullptr);
            auto* button = tutorial->findChild<QPushButton*>(QStringLiteral("pageButton"));
            for (; tutorial->isVisible() && pagesSeen < 10; ++pagesSeen)
                button->click();
        });
        menus()->item(ui::menu::kHelp, ui::menu::kTutorial)->trigger();
        QCOMPARE(pagesSeen, 4);
        QVERIFY(content<ui::loginViewcontroller>() != nullptr);

        menus()->item(ui::menu::kLanguage, 2)->trigger();
        QCOMPARE(Settings::value(keys::AppLanguage), 2);
        QVERIFY(menus()->item(ui::menu::kLanguage, 2)->isChecked());
    }

    // A language chosen on the unlock screen re-titles the menus and the
    // screen at once, and is the language of the next launch.
    void aLanguageChosenWhileLockedStaysForTheNextLaunch() {
        finishFirstRun();
        launch();
        const auto placeholder = [this] {
            return content<ui::loginViewcontroller>()
                ->findChild<QLineEdit*>(QStringLiteral("passwordTextField"))
                ->placeholderText();
        };
        QCOMPARE(placeholder(), QStringLiteral("Enter password"));
        menus()->item(ui::menu::kLanguage, 1)->trigger();
        QCOMPARE(menus()->topItem(ui::menu::kLanguage)->text(), QStringLiteral("语言"));
        QCOMPARE(placeholder(), QStringLiteral("输入密码"));

        delegate.reset();
        platform::setLanguageCode(QStringLiteral("en")); // a new process starts afresh
        platform::setLanguage();                         // as the program's start does
        launch();
        QCOMPARE(menus()->topItem(ui::menu::kLanguage)->text(), QStringLiteral("语言"));
        QCOMPARE(placeholder(), QStringLiteral("输入密码"));
        menus()->item(ui::menu::kLanguage, 2)->trigger();
        QCOMPARE(placeholder(), QStringLiteral("Enter password"));
    }

    // Help is there locked and unlocked, in the language chosen last.
    void theHelpCommandShowsTheHelpPageOfTheLanguage() {
        finishFirstRun();
        launch();
        QAction* help = menus()->item(ui::menu::kHelp, ui::menu::kHelpPage);
        QCOMPARE(help->shortcut(), QKeySequence(QKeySequence::HelpContents));
        menus()->item(ui::menu::kLanguage, 1)->trigger();
        help->trigger();
        auto* shown = window().findChild<ui::HelpWindow*>();
        QVERIFY(shown != nullptr && shown->isVisible());
        QCOMPARE(shown->browser()->source(), QUrl(QStringLiteral("qrc:/help/help.zh-Hans.html")));
        QVERIFY(shown->windowTitle().contains(u"Vexo"));

        menus()->item(ui::menu::kLanguage, 2)->trigger();
        help->trigger();
        QCOMPARE(shown->browser()->source(), QUrl(QStringLiteral("qrc:/help/help.en.html")));
    }

    void aSecondLaunchRaisesTheFirst() {
        const QString name = QStringLiteral("vexo-test-%1").arg(QCoreApplication::applicationPid());
        auto first = std::make_unique<app::SingleInstance>(name);
        QSignalSpy raised(first.get(), &app::SingleInstance::raiseRequested);
        QVERIFY(first->claim());
        QVERIFY(!app::SingleInstance(name).claim());
        QTRY_COMPARE(raised.count(), 1);
        first.reset();
        QVERIFY(app::SingleInstance(name).claim());
    }
};

VEXO_UI_TEST_MAIN(AppDelegateTest)
#include "tst_appdelegate.moc"
