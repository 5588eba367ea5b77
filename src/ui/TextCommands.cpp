#include "ui/TextCommands.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace vexo::ui {
namespace {

// The text in the case the command asks for. wordStart says whether the
// text begins a word, and afterwards whether what follows would.
QString transformed(const QString& text, EditCommand command, bool& wordStart) {
    if (command == EditCommand::UpperCase)
        return text.toUpper();
    if (command == EditCommand::LowerCase)
        return text.toLower();
    QString result = text.toLower();
    for (QChar& character : result) {
        if (character.isLetterOrNumber()) {
            if (wordStart)
                character = character.toUpper();
            wordStart = false;
        } else {
            wordStart = true;
        }
    }
    return result;
}

// Commands that only read: a read-only field still allows them.
bool onlyReads(EditCommand command) {
    return command == EditCommand::Copy || command == EditCommand::SelectAll;
}

const char* slotOf(EditCommand command) {
    switch (command) {
    case EditCommand::Undo:
        return "undo";
    case EditCommand::Redo:
        return "redo";
    case EditCommand::Cut:
        return "cut";
    case EditCommand::Copy:
        return "copy";
    case EditCommand::Paste:
        return "paste";
    case EditCommand::SelectAll:
        return "selectAll";
    default:
        return nullptr;
    }
}

void editLine(QLineEdit* field, EditCommand command) {
    if (field->isReadOnly() && !onlyReads(command))
        return;
    if (command == EditCommand::Delete) {
        if (field->hasSelectedText())
            field->del();
        return;
    }
    if (const char* slot = slotOf(command)) {
        QMetaObject::invokeMethod(field, slot);
        return;
    }
    bool wordStart = true;
    if (field->hasSelectedText())
        field->insert(transformed(field->selectedText(), command, wordStart));
}

// A piece of the selection with one character format.
struct Run {
    int start;
    int end;
    QString text;
    QTextCharFormat format;
    bool beginsParagraph;
};

// The selection's runs of text, each with its own format; pictures and other
// objects are left out.
QList<Run> selectedRuns(const QTextCursor& cursor) {
    QList<Run> runs;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = cursor.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            const int from = std::max(piece.position(), start);
            const int to = std::min(piece.position() + piece.length(), end);
            if (from >= to || piece.charFormat().isImageFormat())
                continue;
            runs.append({from, to, piece.text().mid(from - piece.position(), to - from),
                         piece.charFormat(), from == block.position()});
        }
    }
    return runs;
}

// Changes the case of the selection run by run, so each keeps its format.
void changeCase(QTextEdit* area, EditCommand command) {
    QList<Run> runs = selectedRuns(area->textCursor());
    bool wordStart = true;
    for (Run& run : runs) {
        wordStart = wordStart || run.beginsParagraph;
        run.text = transformed(run.text, command, wordStart);
    }
    QTextCursor edit(area->document());
    edit.beginEditBlock();
    // From the end, so that a run that changes length moves none still to do.
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        edit.setPosition(run->start);
        edit.setPosition(run->end, QTextCursor::KeepAnchor);
        if (edit.selectedText() != run->text)
            edit.insertText(run->text, run->format);
    }
    edit.endEditBlock();
}

void editText(QTextEdit* area, EditCommand command) {
    if (area->isReadOnly() && !onlyReads(command))
        return;
    if (command == EditCommand::Delete) {
        area->textCursor().removeSelectedText();
        return;
    }
    if (const char* slot = slotOf(command)) {
        QMetaObject::invokeMethod(area, slot);
        return;
    }
    if (area->textCursor().hasSelection())
        changeCase(area, command);
}

void changePointSize(QTextEdit* editor, qreal step) {
    QTextCharFormat format;
    const qreal current = editor->currentCharFormat().font().pointSizeF();
    format.setFontPointSize(std::max<qreal>(1, (current > 0 ? current : 12) + step));
    editor->mergeCurrentCharFormat(format);
}

} // namespace

bool performEditCommand(QWidget* target, EditCommand command) {
    if (auto* field = qobject_cast<QLineEdit*>(target)) {
        editLine(field, command);
        return true;
    }
    if (auto* area = qobject_cast<QTextEdit*>(target)) {
        editText(area, command);
        return true;
    }
    return false;
}

void applyFormatCommand(QTextEdit* editor, FormatCommand command) {
    const QTextCharFormat current = editor->currentCharFormat();
    QTextCharFormat change;
    switch (command) {
    case FormatCommand::Bold:
        change.setFontWeight(current.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
        break;
    case FormatCommand::Italic:
        change.setFontItalic(!current.fontItalic());
        break;
    case FormatCommand::Underline:
        change.setFontUnderline(!current.fontUnderline());
        break;
    case FormatCommand::Bigger:
        changePointSize(editor, 1);
        return;
    case FormatCommand::Smaller:
        changePointSize(editor, -1);
        return;
    case FormatCommand::AlignLeft:
        editor->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        return;
    case FormatCommand::AlignCenter:
        editor->setAlignment(Qt::AlignHCenter);
        return;
    case FormatCommand::AlignRight:
        editor->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        return;
    }
    editor->mergeCurrentCharFormat(change);
}

} // namespace vexo::ui
