#include "ui/NoteListModel.h"

#include "cipher/DateParts.h"

namespace vexo::ui {
namespace {

QMap<QString, QString> creationParts(const store::FileModel& note) {
    return cipher::getTimeInThisTimeZoneAfter(QDateTime::fromSecsSinceEpoch(note.createDate));
}

} // namespace

QVariant NoteListModel::data(const QModelIndex& index, int role) const {
    const store::FileModelPtr note = itemAt(index.row());
    if (note == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return note->name;
    case DateRole:
        return noteDayText(*note);
    case SelectedRole:
        return index.row() == selectedRow();
    default:
        return {};
    }
}

QString noteDayText(const store::FileModel& note) {
    const QMap<QString, QString> parts = creationParts(note);
    return QStringLiteral("%1 %2,%3")
        .arg(parts.value(QStringLiteral("month")), parts.value(QStringLiteral("day")),
             parts.value(QStringLiteral("year")));
}

QString noteEditedText(const store::FileModel& note) {
    const QMap<QString, QString> parts = creationParts(note);
    QStringList values;
    for (const char* part : {"month", "day", "year", "hour", "minute", "second"})
        values << parts.value(QLatin1String(part));
    return QStringLiteral("Edited:%1 %2,%3 at %4:%5:%6")
        .arg(values.at(0), values.at(1), values.at(2), values.at(3), values.at(4), values.at(5));
}

} // namespace vexo::ui
