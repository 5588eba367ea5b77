#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

#include <optional>

namespace vexo::cipher {

// The date (now when absent or invalid) broken down in the Gregorian calendar
// in the computer's time zone, as the texts the interface shows:
// "year" (as is), "month" (monthWithNum), "day", "hour" (0 to 23), "minute",
// "second" (two digits each) and "weekday" (weekDay).
QMap<QString, QString> getTimeInThisTimeZoneAfter(std::optional<QDateTime> date);

// The localized name of month n (1 = January); any number outside 1 to 11
// gives December's.
QString monthWithNum(qint64 n);

// The localized name of weekday n, 1 = Sunday to 7 = Saturday; the text of the
// empty key for any other number.
QString weekDay(qint64 n);

} // namespace vexo::cipher
