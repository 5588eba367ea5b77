#pragma once

class QTextEdit;
class QWidget;

namespace vexo::ui {

// The Edit menu's commands, carried out on the text field or text area that
// has the keyboard focus.
enum class EditCommand {
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    UpperCase,
    LowerCase,
    Capitalize
};

// False when target is neither a line edit nor a text area (nothing done).
bool performEditCommand(QWidget* target, EditCommand command);

// The Format menu's commands on the selection of a rich-text area (at the
// cursor when nothing is selected).
enum class FormatCommand {
    Bold,
    Italic,
    Underline,
    Bigger,
    Smaller,
    AlignLeft,
    AlignCenter,
    AlignRight
};

void applyFormatCommand(QTextEdit* editor, FormatCommand command);

} // namespace vexo::ui
