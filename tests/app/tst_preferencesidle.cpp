#include "../ui/UiTestMain.h"
#include "app/AppDelegate.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "ui/MenuBar.h"
#include "ui/PreferencesWindowController.h"
#include "ui/loginViewcontroller.h"
#include "vault/FirstRun.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTimer>

#include <memory>

using namespace vexo;
using platform::Settings;
namespace keys = platform::keys;

namespace {

const QString kPassword = QStringLiteral("Open sesame");

QString idleText(int index) {
    return platform::localizedStringForKey(QStringLiteral("general_p1_item%1").arg(index));
}

} // namespace

// The idle-lock choice made in the preferences reaches the application's
// idle timer when the window closes.
class PreferencesIdleTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<app::AppDelegate> delegate;
    QList<int> askedChoices;
    int armings = 0;
    int runNumber = 0;

    void launchUnlocked() {
        const QString root = test::scratchRoot() + QStringLiteral("/vault%1.vlt").arg(++runNumber);
        vault::storeFirstRun(root, kPassword, QStringLiteral("hint"));
        QDir().mkpath(root);
        launchLocked();
        auto* unlock = qobject_cast<ui::loginViewcontroller*>(delegate->mainWindow().content());
        QVERIFY(unlock != nullptr);
        auto* field = unlock->findChild<QLineEdit*>(QStringLiteral("passwordTextField"));
        field->setText(kPassword);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(delegate->mainView() != nullptr);
    }

    void launchLocked() {
        delegate = std::make_unique<app::AppDelegate>();
        // The real delays: none of them runs out during a test.
        delegate->idleDelayFor = [this](int choice) {
            askedChoices << choice;
            return app::idleLockDelay(choice);
        };
        delegate->applicationDidFinishLaunching();
    }

    QAction* preferencesItem() {
        return delegate->mainWindow().menuBar()->item(ui::menu::kApplication,
                                                      ui::menu::kPreferences);
    }

private slots:
    void init() {
        test::clearSettings();
        askedChoices.clear();
        armings = 0;
    }
    void cleanup() { delegate.reset(); }

    void theIdleChoiceTakesEffectWhenThePreferencesClose_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("chosen");
        QTest::newRow("first item cancels the idle lock") << 2 << 0;
        QTest::newRow("30 s") << 0 << 1;
        QTest::newRow("60 s") << 0 << 2;
        QTest::newRow("5 min") << 0 << 3;
        QTest::newRow("15 min") << 0 << 4;
        QTest::newRow("from one delay to another") << 1 << 3;
    }
    void theIdleChoiceTakesEffectWhenThePreferencesClose() {
        QFETCH(int, stored);
        QFETCH(int, chosen);
        Settings::setValue(keys::kLOCKQUILLANWHENIDLE, stored);
        launchUnlocked();
        QCOMPARE(delegate->isIdleLockPending(), stored != 0);

        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            auto* preferences =
                qobject_cast<ui::PreferencesWindowController*>(QApplication::activeModalWidget());
            QVERIFY(preferences != nullptr);
            QCOMPARE(preferences->parentWidget(), &delegate->mainWindow());
            auto* idle = preferences->findChild<QComboBox*>(QStringLiteral("idleLockPopUp"));
            QCOMPARE(idle->currentIndex(), stored);
            idle->setCurrentIndex(chosen);
            askedChoices.clear();
            preferences->close();
            shown = true;
        });
        QTest::ignoreMessage(QtInfoMsg, qPrintable(idleText(chosen)));
        preferencesItem()->trigger();
        QVERIFY(shown);
        QCOMPARE(askedChoices, QList<int>{chosen});
        QCOMPARE(delegate->isIdleLockPending(), chosen != 0);
    }

    // Running out while the preferences are open, the idle time closes them
    // and locks; their closing does not put the lock off again.
    void theIdleLockClosesOpenPreferencesAndLocks() {
        Settings::setValue(keys::kLOCKQUILLANWHENIDLE, 1);
        launchUnlocked();
        delegate->idleDelayFor = [this](int) {
            return ++armings == 1 ? std::chrono::milliseconds(1)
                                  : std::chrono::milliseconds(std::chrono::hours(1));
        };
        bool preferencesOpen = false;
        QTimer::singleShot(0, this, [&] {
            preferencesOpen = qobject_cast<ui::PreferencesWindowController*>(
                                  QApplication::activeModalWidget()) != nullptr;
            delegate->setAfterLock();
        });
        // Returns once the idle time has closed the window.
        preferencesItem()->trigger();
        QVERIFY(preferencesOpen);
        QTRY_VERIFY(delegate->mainView() == nullptr);
        QCOMPARE(armings, 1);
    }

    void thePreferencesOpenOnlyWhileUnlocked() {
        launchLocked();
        QCOMPARE(preferencesItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
        QVERIFY(!preferencesItem()->isEnabled());
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* open = QApplication::activeModalWidget()) {
                opened = true;
                open->close();
            }
        });
        delegate->preferencesAction();
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QVERIFY(!delegate->isIdleLockPending());
        delegate.reset();
        launchUnlocked();
        QVERIFY(preferencesItem()->isEnabled());
        delegate->lockvexoAction();
        QVERIFY(!preferencesItem()->isEnabled());
    }
};

VEXO_UI_TEST_MAIN(PreferencesIdleTest)
#include "tst_preferencesidle.moc"
