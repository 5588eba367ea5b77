#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QTextDocument;
class QTextImageFormat;

namespace vexo::notes {

// The file name, inside the note's package, under which a picture of the
// document is stored; empty to leave the picture out.
using PictureNamer = std::function<QString(const QTextImageFormat& image)>;

// The document as RTF 1.x that word processors open: a font table of the
// families used (\f0 is the document's default font), a colour table of the
// colours used, a list table with one list family per group of nested lists,
// then one \pard ... \par per paragraph with alignment, direction, list level
// and the "\pntext" number for readers without lists, and runs with family,
// size, bold, italic, underline style, strike-through, super- and subscript,
// text colour (\cf) and background colour. The background is written as
// \chcbpat, which LibreOffice and Word read as character shading, and as \cb,
// which macOS's text system reads. Pictures become INCLUDEPICTURE fields that
// name their file beside the RTF, with the shown size (\picwgoal, \pichgoal)
// in the field's result when the document gives one.
QByteArray writeRtf(const QTextDocument& document, const PictureNamer& pictureFileName = {});

} // namespace vexo::notes
