#pragma once

#include <QByteArray>

namespace vexo::store {

// True when data, a property list in binary form ("bplist00"), nests no
// deeper than maxDepth arrays and dictionaries and its structure can be
// walked: a binary object table whose offsets and references stay inside the
// data and whose containers form no cycle. libplist parses and frees nested
// values recursively, so a hostile file with deep nesting would exhaust the
// stack; this check runs first and needs no recursion. Anything else is
// refused (the XML form is read by our own reader).
bool plistNestingWithin(const QByteArray& data, int maxDepth);

} // namespace vexo::store
