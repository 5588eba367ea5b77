#include "FakeLogind.h"
#include "platform/gui/SessionWatch.h"
#include "support/TestEnvironment.h"

#include <QRegularExpression>
#include <QSignalSpy>

#include <memory>

using namespace vexo;
using namespace Qt::StringLiterals;
using platform::SessionWatch;
using test::FakeLogind;

namespace {

// The lines of the "vexo" log, passed on to QtTest as well.
QStringList loggedLines;
QtMessageHandler testHandler = nullptr;

void keepLogLine(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category != nullptr && qstrcmp(context.category, "vexo") == 0)
        loggedLines << message;
    testHandler(type, context, message);
}

} // namespace

// The session watch on a private bus, with logind played by the test.
class SessionWatchTest : public QObject {
    Q_OBJECT
public slots:
    void barrierReached() { ++barriers; }

private:
    std::unique_ptr<test::PrivateBus> bus;
    std::unique_ptr<FakeLogind> logind;
    std::unique_ptr<SessionWatch> watch;
    QStringList events;
    int barriers = 0;
    int connections = 0;

    // A watch on a connection of its own, its signals written into events.
    void startWatch() {
        watch = std::make_unique<SessionWatch>();
        connect(watch.get(), &SessionWatch::sessionLocked, this,
                [this] { events << QStringLiteral("sessionLocked"); });
        connect(watch.get(), &SessionWatch::sleepComing, this,
                [this] { events << QStringLiteral("sleepComing"); });
        connect(watch.get(), &SessionWatch::resumed, this,
                [this] { events << QStringLiteral("resumed"); });
        QDBusConnection connection = bus->connect(QStringLiteral("watch%1").arg(++connections));
        connection.connect(QString(), FakeLogind::kBarrierPath, FakeLogind::kBarrierInterface,
                           QStringLiteral("Barrier"), this, SLOT(barrierReached()));
        watch->start(connection);
    }

    void startWatchAndSettle() {
        startWatch();
        QTRY_VERIFY(watch->holdsSleepDelay());
        QCOMPARE(watch->sessionPath(), FakeLogind::kSessionPath);
    }

    // Waits until the watch has handled every signal sent so far.
    void settleEvents() {
        const int before = barriers;
        logind->sendBarrier();
        QTRY_COMPARE(barriers, before + 1);
    }

private slots:
    void initTestCase() {
        bus = std::make_unique<test::PrivateBus>();
        if (bus->address().isEmpty())
            QSKIP("dbus-daemon is not installed: no private bus for the watch");
        testHandler = qInstallMessageHandler(keepLogLine);
    }
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        logind = std::make_unique<FakeLogind>(*bus);
        events.clear();
        loggedLines.clear();
    }
    void cleanup() {
        watch.reset();
        logind.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("watch%1").arg(connections));
    }
    void cleanupTestCase() { qInstallMessageHandler(testHandler); }

    void eachLogindSignalBecomesItsOwn_data() {
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QStringList>("reported");
        const QString locked = u"sessionLocked"_s;
        QTest::newRow("sleep") << QStringList{u"sleep"_s} << QStringList{u"sleepComing"_s};
        QTest::newRow("resume") << QStringList{u"resume"_s} << QStringList{u"resumed"_s};
        QTest::newRow("Lock") << QStringList{u"lock"_s} << QStringList{locked};
        QTest::newRow("Lock of another session") << QStringList{u"lockOther"_s} << QStringList{};
        QTest::newRow("LockedHint true") << QStringList{u"hintOn"_s} << QStringList{locked};
        QTest::newRow("LockedHint false") << QStringList{u"hintOff"_s} << QStringList{};
        QTest::newRow("LockedHint of another interface")
            << QStringList{u"hintOnElsewhere"_s} << QStringList{};
        QTest::newRow("other properties") << QStringList{u"idleHint"_s} << QStringList{};
        QTest::newRow("LockedHint staying true")
            << QStringList{u"hintOn"_s, u"hintOn"_s} << QStringList{locked};
        QTest::newRow("locked, unlocked, locked again")
            << QStringList{u"hintOn"_s, u"hintOff"_s, u"hintOn"_s} << QStringList{locked, locked};
        QTest::newRow("a whole sleep")
            << QStringList{u"sleep"_s, u"resume"_s} << QStringList{u"sleepComing"_s, u"resumed"_s};
    }
    void eachLogindSignalBecomesItsOwn() {
        QFETCH(QStringList, sent);
        QFETCH(QStringList, reported);
        startWatchAndSettle();
        const QString session = QStringLiteral("org.freedesktop.login1.Session");
        for (const QString& step : sent) {
            if (step == u"sleep" || step == u"resume")
                logind->sendPrepareForSleep(step == u"sleep");
            else if (step == u"lock")
                logind->sendLock();
            else if (step == u"lockOther")
                logind->sendLock(QStringLiteral("/org/freedesktop/login1/session/c2"));
            else if (step == u"hintOn" || step == u"hintOff")
                logind->sendPropertiesChanged(session, {{u"LockedHint"_s, step == u"hintOn"}});
            else if (step == u"hintOnElsewhere")
                logind->sendPropertiesChanged(QStringLiteral("org.freedesktop.login1.User"),
                                              {{u"LockedHint"_s, true}});
            else if (step == u"idleHint")
                logind->sendPropertiesChanged(session, {{u"IdleHint"_s, true}});
        }
        settleEvents();
        QCOMPARE(events, reported);
    }

    // The sleep waits while the inhibitor is held: from the start, through
    // the announcement, until the application allows it; the resume takes a
    // new one.
    void theInhibitorIsHeldUntilTheSleepIsAllowed() {
        startWatchAndSettle();
        QCOMPARE(logind->inhibitorsHandedOut(), 1);
        const QVariantList arguments = logind->inhibitArguments().constFirst();
        QCOMPARE(arguments.size(), 4);
        QCOMPARE(arguments.at(0).toString(), u"sleep"_s);
        QCOMPARE(arguments.at(1).toString(), u"Vexo"_s);
        QVERIFY(!arguments.at(2).toString().isEmpty());
        QCOMPARE(arguments.at(3).toString(), u"delay"_s);
        QVERIFY(logind->inhibitorHeld(0));

        // Allowing a sleep nobody announced keeps the next one waiting.
        watch->allowSleep();
        QVERIFY(watch->holdsSleepDelay());
        logind->sendPrepareForSleep(true);
        settleEvents();
        QVERIFY(logind->inhibitorHeld(0));

        watch->allowSleep();
        QVERIFY(!watch->holdsSleepDelay());
        QTRY_VERIFY(!logind->inhibitorHeld(0));

        logind->sendPrepareForSleep(false);
        QTRY_VERIFY(watch->holdsSleepDelay());
        QCOMPARE(logind->inhibitorsHandedOut(), 2);
        QVERIFY(logind->inhibitorHeld(1));
        QCOMPARE(events, (QStringList{u"sleepComing"_s, u"resumed"_s}));

        // A resume while the inhibitor is still held asks for no second one.
        logind->sendPrepareForSleep(false);
        settleEvents();
        QCOMPARE(logind->inhibitorsHandedOut(), 2);

        watch.reset();
        QTRY_VERIFY(!logind->inhibitorHeld(1));
    }

    // Started outside a login session (by a user service, say), the watch
    // follows the session logind picks for the user.
    void aProcessOutsideASessionFollowsTheUsersSession() {
        logind->setProcessOutsideSession(true);
        startWatchAndSettle();
        const QStringList calls = logind->calls();
        QCOMPARE(calls.constFirst(), u"GetSessionByPID"_s);
        QVERIFY(calls.contains(u"GetSession"_s));
        logind->sendLock();
        QTRY_COMPARE(events, QStringList{u"sessionLocked"_s});
    }

    void withoutLogindTheWatchStaysQuiet_data() {
        QTest::addColumn<bool>("busConnected");
        QTest::addColumn<QString>("logged");
        QTest::newRow("no logind on the bus") << true << u"no logind"_s;
        QTest::newRow("no bus") << false << u"no system bus"_s;
    }
    void withoutLogindTheWatchStaysQuiet() {
        QFETCH(bool, busConnected);
        QFETCH(QString, logged);
        logind.reset();
        watch = std::make_unique<SessionWatch>();
        watch->start(busConnected ? bus->connect(u"lonely"_s)
                                  : QDBusConnection::connectToBus(u"unix:path=/nonexistent"_s,
                                                                  u"nowhere"_s));
        QTRY_COMPARE(loggedLines.size(), 1);
        QVERIFY2(loggedLines.constFirst().startsWith(u"session watch: "_s + logged),
                 qPrintable(loggedLines.constFirst()));
        QVERIFY(!watch->holdsSleepDelay());
        QVERIFY(watch->sessionPath().isEmpty());
        watch->allowSleep();
        // Once the answers are in the watch asks for nothing more.
        QCoreApplication::processEvents();
        QCOMPARE(loggedLines.size(), 1);
    }
};

VEXO_TEST_MAIN(SessionWatchTest)
#include "tst_sessionwatch.moc"
