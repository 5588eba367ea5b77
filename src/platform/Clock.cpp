#include "platform/Clock.h"

#include <QDateTime>
#include <QMutex>

namespace vexo::platform {
namespace {

struct TestClock {
    QMutex lock;
    std::function<qint64()> clock;
};

TestClock& testClock() {
    static TestClock instance;
    return instance;
}

} // namespace

qint64 currentMilliseconds() {
    TestClock& test = testClock();
    const QMutexLocker locker(&test.lock);
    return test.clock ? test.clock() : QDateTime::currentMSecsSinceEpoch();
}

qint64 currentSeconds() {
    return currentMilliseconds() / 1000;
}

QString getTimeIntervalSince() {
    return QString::number(static_cast<quint64>(currentSeconds()));
}

void setClockForTesting(std::function<qint64()> clock) {
    TestClock& test = testClock();
    const QMutexLocker locker(&test.lock);
    test.clock = std::move(clock);
}

} // namespace vexo::platform
