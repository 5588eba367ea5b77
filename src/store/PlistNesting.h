#pragma once

#include <QByteArray>

namespace vexo::store {

// True when data, a property list in XML or binary form, nests no deeper than
// maxDepth (elements for XML, arrays and dictionaries for binary) and its
// structure can be walked: XML that is well formed, a binary object table
// whose offsets and references stay inside the data and whose containers form
// no cycle. libplist parses and frees nested values recursively, so a hostile
// file with deep nesting would exhaust the stack; this check runs first and
// needs no recursion. It also refuses what libplist might read with another
// structure than an XML parser does (an internal document type subset).
bool plistNestingWithin(const QByteArray& data, int maxDepth);

} // namespace vexo::store
