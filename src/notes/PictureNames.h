#pragma once

#include <QString>

namespace vexo::notes {

// True when name can only mean a file directly inside the note's package: not
// empty, no "/" or "\", no "..", no leading ".", no ":" (so no address or
// drive), no control characters, and short enough for a file name.
bool isPlainFileName(const QString& name);

// The target of an INCLUDEPICTURE field instruction (quoted or not); empty
// for any other field.
QString includedPictureName(const QString& instruction);

// The field instruction that includes the picture file fileName.
QString pictureInstruction(const QString& fileName);

} // namespace vexo::notes
