#pragma once

#include <QString>

#include <functional>

namespace vexo::platform {

// Wall-clock time, replaceable in tests.
qint64 currentMilliseconds(); // ms since 1970
qint64 currentSeconds();      // whole seconds since 1970

// The current time as whole seconds since 1970 in decimal ("%llu"); it names
// new group folders and note packages.
QString getTimeIntervalSince();

// Makes every reading above come from clock (ms since 1970) until reset with
// an empty function.
void setClockForTesting(std::function<qint64()> clock);

} // namespace vexo::platform
