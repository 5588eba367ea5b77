#pragma once

#include <QTextEdit>

namespace vexo::ui {

// The note's rich-text area. Pictures pasted or dropped into it (image data
// or local picture files) become pictures of the note's document, which the
// note package keeps as files beside its text.
class NoteTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit NoteTextEdit(QWidget* parent = nullptr);

    // Adds image to the document and puts it at the cursor.
    void insertPicture(const QImage& image);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace vexo::ui
