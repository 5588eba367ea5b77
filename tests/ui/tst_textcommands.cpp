#include "UiTestMain.h"
#include "ui/TextCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

using namespace vexo;
using ui::EditCommand;
using ui::FormatCommand;

namespace {

// A text field (line) or a text area (rich) holding text, with the
// characters from start to end selected.
std::unique_ptr<QWidget> makeField(bool rich, const QString& text, int start, int end) {
    if (!rich) {
        auto line = std::make_unique<QLineEdit>(text);
        line->setSelection(start, end - start);
        return line;
    }
    auto area = std::make_unique<QTextEdit>();
    area->setPlainText(text);
    QTextCursor cursor(area->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    area->setTextCursor(cursor);
    return area;
}

QString textOf(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->text();
    return static_cast<QTextEdit*>(field)->toPlainText();
}

QTextCharFormat formatAt(const QTextEdit& editor, int position) {
    QTextCursor cursor(editor.document());
    cursor.setPosition(position);
    return cursor.charFormat();
}

bool isOn(const QTextCharFormat& format, FormatCommand command) {
    if (command == FormatCommand::Bold)
        return format.fontWeight() == QFont::Bold;
    return command == FormatCommand::Italic ? format.fontItalic() : format.fontUnderline();
}

} // namespace

class TextCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("clip")); }

    // Commands in order on a text with a selection; the clipboard holds
    // "clip" before.
    void editCommandsActOnTheSelection_data() {
        QTest::addColumn<bool>("rich");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QList<EditCommand>>("commands");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("clipboard");
        using E = EditCommand;
        struct Row {
            const char* name;
            const char* text;
            int start, end;
            QList<E> commands;
            const char* expected;
            const char* clipboard;
        };
        const Row rows[] = {
            {"upper part", "abc def", 4, 7, {E::UpperCase}, "abc DEF", "clip"},
            {"lower", "Hello WORLD", 0, 11, {E::LowerCase}, "hello world", "clip"},
            {"capitalize", "hELLO wO-x 2nd", 0, 14, {E::Capitalize}, "Hello Wo-X 2nd", "clip"},
            {"upper grows", "straße", 0, 6, {E::UpperCase}, "STRASSE", "clip"},
            {"upper unselected", "abc", 1, 1, {E::UpperCase}, "abc", "clip"},
            {"undo upper", "abc def", 0, 7, {E::UpperCase, E::Undo}, "abc def", "clip"},
            {"redo upper", "abc def", 0, 7, {E::UpperCase, E::Undo, E::Redo}, "ABC DEF", "clip"},
            {"delete", "abc def", 3, 7, {E::Delete}, "abc", "clip"},
            {"delete unselected", "abc def", 3, 3, {E::Delete}, "abc def", "clip"},
            {"select all, delete", "abc def", 2, 2, {E::SelectAll, E::Delete}, "", "clip"},
            {"cut", "abc def", 0, 4, {E::Cut}, "def", "abc "},
            {"copy", "abc def", 0, 4, {E::Copy}, "abc def", "abc "},
            {"paste", "abc def", 4, 7, {E::Paste}, "abc clip", "clip"},
        };
        for (const bool rich : {false, true})
            for (const Row& row : rows)
                QTest::addRow("%s %s", rich ? "area" : "line", row.name)
                    << rich << QString::fromUtf8(row.text) << row.start << row.end << row.commands
                    << QString::fromUtf8(row.expected) << QString::fromUtf8(row.clipboard);
        QTest::newRow("area capitalize paragraphs")
            << true << QStringLiteral("one\ntwo") << 0 << 7 << QList<E>{E::Capitalize}
            << QStringLiteral("One\nTwo") << QStringLiteral("clip");
    }

    void editCommandsActOnTheSelection() {
        QFETCH(bool, rich);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QList<EditCommand>, commands);
        QFETCH(QString, expected);
        QFETCH(QString, clipboard);
        const auto field = makeField(rich, text, start, end);
        for (const EditCommand command : commands)
            QVERIFY(ui::performEditCommand(field.get(), command));
        QCOMPARE(textOf(field.get()), expected);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    // Copying may read a read-only field; nothing may change it.
    void readOnlyFieldsKeepTheirText_data() {
        QTest::addColumn<bool>("rich");
        QTest::addColumn<EditCommand>("command");
        for (const bool rich : {false, true})
            for (const auto& [name, command] :
                 {std::pair{"cut", EditCommand::Cut}, std::pair{"paste", EditCommand::Paste},
                  std::pair{"delete", EditCommand::Delete},
                  std::pair{"upper", EditCommand::UpperCase}})
                QTest::addRow("%s %s", rich ? "area" : "line", name) << rich << command;
    }

    void readOnlyFieldsKeepTheirText() {
        QFETCH(bool, rich);
        QFETCH(EditCommand, command);
        const auto field = makeField(rich, QStringLiteral("abc def"), 0, 7);
        field->setProperty("readOnly", true);
        QVERIFY(ui::performEditCommand(field.get(), command));
        QCOMPARE(textOf(field.get()), QStringLiteral("abc def"));
    }

    void otherWidgetsAreLeftAlone() {
        QPlainTextEdit plain(QStringLiteral("abc"));
        plain.selectAll();
        QLabel label;
        QVERIFY(!ui::performEditCommand(nullptr, EditCommand::Paste));
        QVERIFY(!ui::performEditCommand(&label, EditCommand::Paste));
        QVERIFY(!ui::performEditCommand(&plain, EditCommand::UpperCase));
        QCOMPARE(plain.toPlainText(), QStringLiteral("abc"));
    }

    // A case change keeps the formatting of each character it changes.
    void aTransformationKeepsTheFormatting() {
        QTextEdit editor;
        QTextCursor cursor(editor.document());
        cursor.insertText(QStringLiteral("plain "));
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("bold"), bold);
        cursor.setPosition(0, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        QVERIFY(ui::performEditCommand(&editor, EditCommand::UpperCase));
        QCOMPARE(editor.toPlainText(), QStringLiteral("PLAIN BOLD"));
        const QList<int> weights{formatAt(editor, 1).fontWeight(),
                                 formatAt(editor, 10).fontWeight()};
        QCOMPARE(weights, (QList<int>{QFont::Normal, QFont::Bold}));
    }

    void styleCommandsToggle_data() {
        QTest::addColumn<FormatCommand>("command");
        QTest::newRow("bold") << FormatCommand::Bold;
        QTest::newRow("italic") << FormatCommand::Italic;
        QTest::newRow("underline") << FormatCommand::Underline;
    }

    void styleCommandsToggle() {
        QFETCH(FormatCommand, command);
        QTextEdit editor;
        editor.setPlainText(QStringLiteral("ab"));
        editor.selectAll();
        for (const bool on : {true, false}) {
            ui::applyFormatCommand(&editor, command);
            QCOMPARE(isOn(formatAt(editor, 1), command), on);
            QCOMPARE(isOn(formatAt(editor, 2), command), on);
        }
    }

    void sizeStepsByOnePointNeverBelowOne_data() {
        QTest::addColumn<qreal>("size");
        QTest::addColumn<FormatCommand>("command");
        QTest::addColumn<qreal>("expected");
        QTest::newRow("bigger") << 10.0 << FormatCommand::Bigger << 11.0;
        QTest::newRow("smaller") << 10.0 << FormatCommand::Smaller << 9.0;
        QTest::newRow("smaller to one") << 2.0 << FormatCommand::Smaller << 1.0;
        QTest::newRow("smaller at one") << 1.0 << FormatCommand::Smaller << 1.0;
        QTest::newRow("smaller below one") << 1.5 << FormatCommand::Smaller << 1.0;
    }

    void sizeStepsByOnePointNeverBelowOne() {
        QFETCH(qreal, size);
        QFETCH(FormatCommand, command);
        QFETCH(qreal, expected);
        QTextEdit editor;
        editor.setPlainText(QStringLiteral("abc"));
        editor.selectAll();
        editor.setFontPointSize(size);
        ui::applyFormatCommand(&editor, command);
        QCOMPARE(formatAt(editor, 1).fontPointSize(), expected);
        QCOMPARE(formatAt(editor, 3).fontPointSize(), expected);
    }

    void alignmentCoversEverySelectedParagraph_data() {
        QTest::addColumn<FormatCommand>("command");
        QTest::addColumn<Qt::Alignment>("expected");
        QTest::newRow("left") << FormatCommand::AlignLeft << (Qt::AlignLeft | Qt::AlignAbsolute);
        QTest::newRow("center") << FormatCommand::AlignCenter << Qt::Alignment(Qt::AlignHCenter);
        QTest::newRow("right") << FormatCommand::AlignRight << (Qt::AlignRight | Qt::AlignAbsolute);
    }

    void alignmentCoversEverySelectedParagraph() {
        QFETCH(FormatCommand, command);
        QFETCH(Qt::Alignment, expected);
        const auto field = makeField(true, QStringLiteral("one\ntwo\nthree"), 1, 5);
        auto* editor = static_cast<QTextEdit*>(field.get());
        ui::applyFormatCommand(editor, command);
        const QTextBlock first = editor->document()->begin();
        QCOMPARE(first.blockFormat().alignment(), expected);
        QCOMPARE(first.next().blockFormat().alignment(), expected);
        QCOMPARE(first.next().next().blockFormat().alignment(), Qt::AlignLeft);
    }
};

VEXO_UI_TEST_MAIN(TextCommandsTest)
#include "tst_textcommands.moc"
