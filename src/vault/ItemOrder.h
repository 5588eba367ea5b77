#pragma once

#include "store/FileModel.h"

#include <QList>

#include <algorithm>

namespace vexo::vault {

// -1, 0 or 1 as x is below, equal to or above y.
template <typename T> int threeWay(const T& x, const T& y) {
    return x < y ? -1 : (y < x ? 1 : 0);
}

// Sorts items stably by compare (a three-way comparison of two records in
// ascending order), smallest first when ascending, else largest first.
template <typename Compare>
void stableSortItems(QList<store::FileModelPtr>& items, Compare compare, bool ascending) {
    std::stable_sort(items.begin(), items.end(),
                     [&](const store::FileModelPtr& a, const store::FileModelPtr& b) {
                         const int order = compare(*a, *b);
                         return ascending ? order < 0 : order > 0;
                     });
}

// -1, 0 or 1 as a is before, level with or after b in ascending order of
// sortType: 1 added date, 2 name, 3 path, 4 size, 5 state (hidden first),
// 6 creation date; any other value the added date.
int compareBy(qint64 sortType, const store::FileModel& a, const store::FileModel& b);
// Sorts items stably in the order of sortType.
void sortItems(QList<store::FileModelPtr>& items, qint64 sortType, bool ascending);

// Whether the item's name holds text, letter case aside: what the search
// field finds.
bool nameMatchesSearch(const store::FileModel& item, const QString& text);

} // namespace vexo::vault
