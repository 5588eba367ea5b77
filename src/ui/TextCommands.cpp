#include "ui/TextCommands.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QTextEdit>

#include <algorithm>

namespace vexo::ui {
namespace {

QString capitalized(const QString& text) {
    QString result = text.toLower();
    bool wordStart = true;
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

QString transformed(const QString& text, EditCommand command) {
    switch (command) {
    case EditCommand::UpperCase:
        return text.toUpper();
    case EditCommand::LowerCase:
        return text.toLower();
    default:
        return capitalized(text);
    }
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
    if (command == EditCommand::Delete) {
        field->del();
        return;
    }
    if (const char* slot = slotOf(command)) {
        QMetaObject::invokeMethod(field, slot);
        return;
    }
    if (field->hasSelectedText())
        field->insert(transformed(field->selectedText(), command));
}

void editText(QTextEdit* area, EditCommand command) {
    QTextCursor cursor = area->textCursor();
    if (command == EditCommand::Delete) {
        cursor.removeSelectedText();
        return;
    }
    if (const char* slot = slotOf(command)) {
        QMetaObject::invokeMethod(area, slot);
        return;
    }
    if (cursor.hasSelection())
        cursor.insertText(transformed(cursor.selectedText(), command));
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
