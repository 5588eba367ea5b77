#include "ui/NoteTextEdit.h"

#include <QImageReader>
#include <QMimeData>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QUrl>
#include <QUuid>

namespace vexo::ui {
namespace {

// The local picture files among dropped or pasted addresses.
QStringList pictureFiles(const QMimeData* source) {
    QStringList files;
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile() && !QImageReader::imageFormat(url.toLocalFile()).isEmpty())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

NoteTextEdit::NoteTextEdit(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("noteFileContentTextView"));
    setAcceptRichText(true);
}

void NoteTextEdit::insertPicture(const QImage& image) {
    if (image.isNull())
        return;
    const QString name =
        QStringLiteral("picture-%1.png").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat picture;
    picture.setName(name);
    picture.setWidth(image.width());
    picture.setHeight(image.height());
    textCursor().insertImage(picture);
}

bool NoteTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasImage() || !pictureFiles(source).isEmpty() ||
           QTextEdit::canInsertFromMimeData(source);
}

void NoteTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source->hasImage()) {
        insertPicture(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    const QStringList files = pictureFiles(source);
    if (files.isEmpty()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    for (const QString& file : files)
        insertPicture(QImageReader(file).read());
}

} // namespace vexo::ui
