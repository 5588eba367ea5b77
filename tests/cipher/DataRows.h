#pragma once

#include <QStringList>
#include <QTest>

namespace vexo::test {

inline QString cell(const char* text) {
    return QString::fromUtf8(text);
}
template <typename T> const T& cell(const T& value) {
    return value;
}

// QTest::newRow(title) << values..., with C strings as QString.
template <typename... Values> void addRow(const char* title, const Values&... values) {
    (QTest::newRow(title) << ... << cell(values));
}

// "a b c" -> {"a", "b", "c"}
inline QStringList names(const QString& list) {
    return list.split(u' ', Qt::SkipEmptyParts);
}
inline QStringList names(const char* list) {
    return names(QString::fromUtf8(list));
}

} // namespace vexo::test
