#pragma once

#include "notes/RtfReaderState.h"

#include <QTextListFormat>

namespace vexo::notes {

// False for a list level that shows no number or bullet (\levelnfc255).
bool showsNumber(int numberFormat);

// The list format of a level of a list table entry: its style from
// \levelnfc and the bullet character, prefix and suffix from the level text
// around the number.
QTextListFormat levelFormat(const ListLevelDefinition& definition, int level);

// The list format of old-style paragraph numbering.
QTextListFormat numberingFormat(const OldNumbering& numbering);

} // namespace vexo::notes
