#include "platform/Clock.h"
#include "support/TestEnvironment.h"

#include <QDateTime>

using namespace vexo::platform;

class ClockTest : public QObject {
    Q_OBJECT
private slots:
    void aTestClockReplacesTheWallClockUntilRemoved() {
        setClockForTesting([] { return qint64(1'709'622'489'999); });
        QCOMPARE(currentMilliseconds(), qint64(1'709'622'489'999));
        QCOMPARE(currentSeconds(), qint64(1'709'622'489));
        QCOMPARE(getTimeIntervalSince(), QStringLiteral("1709622489"));
        setClockForTesting({});
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        const qint64 seconds = getTimeIntervalSince().toLongLong();
        QVERIFY(seconds >= before && seconds <= QDateTime::currentSecsSinceEpoch());
    }
};

VEXO_TEST_MAIN(ClockTest)
#include "tst_clock.moc"
