#include "KillScenario.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QRandomGenerator>

using namespace vexo;

// Kills a process that hides and unhides items at many moments, and checks
// after each kill that a fresh start finds every item whole and shown as the
// disk says.
class KillSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        base_ = test::scratchRoot() + QStringLiteral("/kill");
        QCOMPARE(runChild({QStringLiteral("setup"), base_}), 0);
    }

    // At the n-th progress report of a cycle: inside every chunk of every
    // item, both ways.
    void killedInsideARun() {
        for (int report = 1; report <= 36; ++report) {
            killChild({QString::number(report)}, -1);
            verifyAfterKill(QStringLiteral("report %1").arg(report));
        }
    }

    // After a delay from the start: between runs, during list writes and
    // removals as much as inside them.
    void killedAfterADelay() {
        QRandomGenerator random(20261207);
        for (int round = 0; round < 20; ++round) {
            killChild({}, random.bounded(5, 400));
            verifyAfterKill(QStringLiteral("round %1").arg(round));
        }
    }

private:
    int runChild(const QStringList& arguments) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(VEXO_KILL_CHILD), arguments);
        if (!child.waitForFinished(300'000))
            return -1;
        return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    }

    // Starts a run; kills it after delayMs once it runs, or lets it kill
    // itself (delayMs < 0, with a report number).
    void killChild(const QStringList& extra, int delayMs) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(VEXO_KILL_CHILD),
                    QStringList{QStringLiteral("run"), base_} + extra);
        QVERIFY(child.waitForReadyRead(60'000));
        if (delayMs >= 0) {
            QTest::qSleep(delayMs);
            child.kill();
        }
        QVERIFY(child.waitForFinished(120'000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    }

    void verifyAfterKill(const QString& moment) {
        QVERIFY2(runChild({QStringLiteral("verify"), base_}) == 0, qPrintable(moment));
    }

    QString base_;
};

VEXO_TEST_MAIN(KillSafetyTest)
#include "tst_killsafety.moc"
