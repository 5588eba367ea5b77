#include "../platform/FakeLogind.h"
#include "../ui/UiTestMain.h"
#include "app/AppDelegate.h"
#include "platform/Clock.h"
#include "platform/Settings.h"
#include "ui/MenuBar.h"
#include "ui/PreferencesWindowController.h"
#include "ui/loginViewcontroller.h"
#include "vault/FirstRun.h"

#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <memory>

using namespace vexo;
using namespace std::chrono_literals;
using platform::Settings;
namespace keys = platform::keys;

namespace {

const QString kPassword = QStringLiteral("Open sesame");
constexpr qint64 kStartMs = 1'700'000'000'000;
constexpr qint64 kHourMs = 3'600'000;

// Remembers whether a sleep was still held back when the widget was hidden.
class HideWatch : public QObject {
public:
    explicit HideWatch(platform::SessionWatch& watch) : watch_(watch) {}
    bool hidden = false;
    bool heldWhenHidden = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && !hidden) {
            hidden = true;
            heldWhenHidden = watch_.holdsSleepDelay();
        }
        return false;
    }

private:
    platform::SessionWatch& watch_;
};

} // namespace

// The vault locks when the desktop session locks or the computer is about to
// sleep, and the idle time counts the time spent asleep. The application's
// system bus is a private one where the test plays logind.
class SessionLockTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::PrivateBus> bus;
    std::unique_ptr<test::FakeLogind> logind;
    std::unique_ptr<app::AppDelegate> delegate;
    qint64 now = kStartMs;
    int runNumber = 0;

    platform::SessionWatch& watch() { return delegate->sessionWatch(); }
    ui::loginViewcontroller* unlockScreen() {
        return qobject_cast<ui::loginViewcontroller*>(delegate->mainWindow().content());
    }

    void launchUnlocked() {
        const QString root = test::scratchRoot() + QStringLiteral("/vault%1.vlt").arg(++runNumber);
        vault::storeFirstRun(root, kPassword, QStringLiteral("hint"));
        QDir().mkpath(root);
        delegate = std::make_unique<app::AppDelegate>();
        // An hour: the idle timer itself never runs out during a test.
        delegate->idleDelayFor = [](int choice) { return choice == 0 ? 0ms : 1h; };
        delegate->applicationDidFinishLaunching();
        QVERIFY(unlockScreen() != nullptr);
        auto* field = unlockScreen()->findChild<QLineEdit*>(QStringLiteral("passwordTextField"));
        field->setText(kPassword);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(delegate->mainView() != nullptr);
    }

    void requireLogind() {
        if (!logind)
            QSKIP("dbus-daemon is not installed: no private bus to play logind on");
        QTRY_VERIFY(watch().holdsSleepDelay());
    }

    // The inhibitor the running watch holds, as logind numbers it.
    int heldInhibitor() const { return logind->inhibitorsHandedOut() - 1; }

private slots:
    void initTestCase() {
        bus = std::make_unique<test::PrivateBus>();
        if (bus->address().isEmpty())
            return;
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus->address().toUtf8());
        logind = std::make_unique<test::FakeLogind>(*bus);
    }
    void cleanupTestCase() {
        delegate.reset();
        logind.reset();
    }
    void init() {
        test::clearSettings();
        now = kStartMs;
        platform::setClockForTesting([this] { return now; });
    }
    void cleanup() {
        delegate.reset();
        platform::setClockForTesting({});
    }

    void theVaultLocksWithTheDesktopWhileTheSettingIsOn_data() {
        QTest::addColumn<bool>("sleep");
        QTest::addColumn<int>("stored"); // -1: never stored
        QTest::addColumn<bool>("locks");
        QTest::newRow("session lock, fresh settings") << false << -1 << true;
        QTest::newRow("sleep, fresh settings") << true << -1 << true;
        QTest::newRow("session lock, on") << false << 1 << true;
        QTest::newRow("session lock, off") << false << 0 << false;
        QTest::newRow("sleep, off") << true << 0 << false;
        QTest::newRow("session lock, another number") << false << 7 << true;
    }
    void theVaultLocksWithTheDesktopWhileTheSettingIsOn() {
        QFETCH(bool, sleep);
        QFETCH(int, stored);
        QFETCH(bool, locks);
        if (stored >= 0)
            Settings::setValue(keys::kLockWithDesktopSession, stored);
        launchUnlocked();
        if (locks)
            QTest::ignoreMessage(QtInfoMsg,
                                 "the desktop session locks or sleeps: locking the vault");
        if (sleep)
            emit watch().sleepComing();
        else
            emit watch().sessionLocked();
        QCOMPARE(delegate->mainView() == nullptr, locks);
        QCOMPARE(unlockScreen() != nullptr, locks);
    }

    // Lock and LockedHint both come for one screen lock, and a sleep may
    // follow: the unlock screen, half typed into, stays as it is.
    void furtherSignalsLeaveTheUnlockScreenAlone() {
        launchUnlocked();
        emit watch().sessionLocked();
        QPointer<ui::loginViewcontroller> screen = unlockScreen();
        QVERIFY(screen != nullptr);
        auto* field = screen->findChild<QLineEdit*>(QStringLiteral("passwordTextField"));
        field->setText(QStringLiteral("Open"));
        emit watch().sessionLocked();
        emit watch().sleepComing();
        emit watch().resumed();
        QCoreApplication::processEvents();
        QVERIFY(!screen.isNull());
        QCOMPARE(unlockScreen(), screen.data());
        QCOMPARE(field->text(), QStringLiteral("Open"));
    }

    // After a resume the idle time is measured by the wall clock: time
    // asleep counts, and the deadline stays where the last action put it.
    void theIdleTimeCountsTheTimeAsleep_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<qint64>("asleepMs");
        QTest::addColumn<bool>("locks");
        QTest::newRow("the idle time to the millisecond") << 1 << kHourMs << true;
        QTest::newRow("a night") << 1 << 10 * kHourMs << true;
        QTest::newRow("a millisecond short") << 1 << kHourMs - 1 << false;
        QTest::newRow("no time at all") << 1 << qint64(0) << false;
        QTest::newRow("clock set back a day") << 1 << -24 * kHourMs << false;
        QTest::newRow("no idle lock chosen") << 0 << 10 * kHourMs << false;
    }
    void theIdleTimeCountsTheTimeAsleep() {
        QFETCH(int, choice);
        QFETCH(qint64, asleepMs);
        QFETCH(bool, locks);
        Settings::setValue(keys::kLOCKQUILLANWHENIDLE, choice);
        launchUnlocked();
        now += asleepMs;
        emit watch().resumed();
        QCOMPARE(delegate->mainView() == nullptr, locks);
        if (locks || choice == 0) {
            QVERIFY(!delegate->isIdleLockPending());
            return;
        }
        // Waiting for the rest, from the same deadline.
        QVERIFY(delegate->isIdleLockPending());
        now = kStartMs + kHourMs;
        emit watch().resumed();
        QVERIFY(delegate->mainView() == nullptr);
        QVERIFY(!delegate->isIdleLockPending());
    }

    void aSleepGoesAheadOnceTheVaultIsLocked_data() {
        QTest::addColumn<bool>("on");
        QTest::newRow("setting on") << true;
        QTest::newRow("setting off") << false;
    }
    void aSleepGoesAheadOnceTheVaultIsLocked() {
        QFETCH(bool, on);
        Settings::setValue(keys::kLockWithDesktopSession, on ? 1 : 0);
        launchUnlocked();
        requireLogind();
        const int first = heldInhibitor();
        QVERIFY(logind->inhibitorHeld(first));

        HideWatch hides(watch());
        delegate->mainView()->installEventFilter(&hides);
        logind->sendPrepareForSleep(true);
        QTRY_VERIFY(!logind->inhibitorHeld(first));
        QCOMPARE(delegate->mainView() == nullptr, on);
        QCOMPARE(hides.hidden, on);
        QCOMPARE(hides.heldWhenHidden, on);

        logind->sendPrepareForSleep(false);
        QTRY_VERIFY(watch().holdsSleepDelay());
        QCOMPARE(heldInhibitor(), first + 1);
        QVERIFY(logind->inhibitorHeld(first + 1));
    }

    // An open dialog is closed first, as for the idle lock; the sleep waits
    // for the lock that follows.
    void aSleepWithADialogOpenWaitsForTheLock() {
        launchUnlocked();
        requireLogind();
        const int first = heldInhibitor();
        HideWatch hides(watch());
        delegate->mainView()->installEventFilter(&hides);
        bool dialogOpen = false;
        QTimer::singleShot(0, this, [&] {
            dialogOpen = qobject_cast<ui::PreferencesWindowController*>(
                             QApplication::activeModalWidget()) != nullptr;
            logind->sendPrepareForSleep(true);
            logind->sendLock();
        });
        // Returns once the sleep has closed the window.
        delegate->mainWindow()
            .menuBar()
            ->item(ui::menu::kApplication, ui::menu::kPreferences)
            ->trigger();
        QVERIFY(dialogOpen);
        QTRY_VERIFY(delegate->mainView() == nullptr);
        QVERIFY(hides.heldWhenHidden);
        QTRY_VERIFY(!logind->inhibitorHeld(first));
        QVERIFY(!watch().holdsSleepDelay());
    }
};

VEXO_UI_TEST_MAIN(SessionLockTest)
#include "tst_sessionlock.moc"
