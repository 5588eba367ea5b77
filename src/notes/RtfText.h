#pragma once

#include <QByteArray>
#include <QStringView>

namespace vexo::notes {

// Appends text to rtf as RTF text: ASCII as it stands with \ { } escaped,
// tabs and line separators as \tab and \line, no-break space, soft hyphen
// and no-break hyphen as \~ \- \_, every other character as \uN with "?" for
// readers without Unicode (N negative above 32767, one \uN per UTF-16 unit
// of a surrogate pair). Controls, lone surrogates and object marks are left
// out. Control words it writes end with their delimiter, so anything may follow.
void appendRtfText(QByteArray& rtf, QStringView text);

} // namespace vexo::notes
