#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class QTextDocument;

namespace vexo::notes {

// Gives the picture a note refers to by a plain file name (see
// isPlainFileName); a null image when there is none.
using PictureLoader = std::function<QImage(const QString& fileName)>;

// Replaces the content of document by the RTF in rtf: what writeRtf writes
// and what word processors write (fonts and code pages, colours, bold,
// italic, underline, strike-through, super- and subscript, sizes, alignment,
// lists from a list table or old-style numbering, Unicode). Pictures come
// from INCLUDEPICTURE fields whose target is a plain file name, through
// loadPicture, and become document resources under that name; any other
// reference is refused. Damaged or hostile input is read as far as it goes,
// with bounded work and memory. True when rtf is RTF or empty; false, with
// an empty document, otherwise.
bool readRtf(const QByteArray& rtf, QTextDocument* document, const PictureLoader& loadPicture = {});

} // namespace vexo::notes
