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

} // namespace vexo::vault
