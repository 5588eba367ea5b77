#include "notes/RtfReader.h"

#include "notes/RtfParser.h"

#include <QTextDocument>

namespace vexo::notes {
namespace {

bool isRtf(const QByteArray& bytes) {
    return bytes.trimmed().startsWith("{\\rtf");
}

} // namespace

bool readRtf(const QByteArray& rtf, QTextDocument* document, const PictureLoader& loadPicture) {
    document->clear();
    if (rtf.trimmed().isEmpty())
        return true;
    if (!isRtf(rtf))
        return false;
    const bool undoWasOn = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    RtfParser(document, loadPicture).parse(rtf);
    document->setUndoRedoEnabled(undoWasOn);
    return true;
}

} // namespace vexo::notes
