#include "cipher/DateParts.h"

#include "platform/Clock.h"
#include "platform/Localization.h"

namespace vexo::cipher {
namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Qt counts weekdays from Monday = 1 to Sunday = 7; the interface counts from
// Sunday = 1 to Saturday = 7.
int weekdayFromSunday(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

} // namespace

QMap<QString, QString> getTimeInThisTimeZoneAfter(std::optional<QDateTime> date) {
    if (!date || !date->isValid())
        date = QDateTime::fromMSecsSinceEpoch(platform::currentMilliseconds());
    const QDateTime local = date->toLocalTime();
    const QDate day = local.date();
    const QTime time = local.time();
    return {
        {QStringLiteral("year"), QString::number(day.year())},
        {QStringLiteral("month"), monthWithNum(day.month())},
        {QStringLiteral("day"), twoDigits(day.day())},
        {QStringLiteral("hour"), twoDigits(time.hour())},
        {QStringLiteral("minute"), twoDigits(time.minute())},
        {QStringLiteral("second"), twoDigits(time.second())},
        {QStringLiteral("weekday"), weekDay(weekdayFromSunday(day))},
    };
}

QString monthWithNum(qint64 n) {
    const qint64 month = n >= 1 && n <= 11 ? n : 12;
    return platform::localizedStringForKey(QStringLiteral("monthiItem%1.stringValue").arg(month));
}

QString weekDay(qint64 n) {
    if (n < 1 || n > 7)
        return platform::localizedStringForKey(QString());
    return platform::localizedStringForKey(QStringLiteral("weekItem%1.stringValue").arg(n));
}

} // namespace vexo::cipher
