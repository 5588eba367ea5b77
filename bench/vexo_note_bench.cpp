// Time to save a note of about 1 MB of formatted text as a package, against
// Qt's own writer saving the same document as ODF in the same folder.
//
//   vexo_note_bench FOLDER   prints: note_save_1mb ours=MS ref=MS ratio=R
#include "notes/NotePackage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextList>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 7;
constexpr int kCharacters = 1000 * 1000;

const std::array<QString, 12> kWords = {
    QStringLiteral("vault"),     QStringLiteral("note"),     QStringLiteral("hidden"),
    QStringLiteral("Übersicht"), QStringLiteral("café"),     QStringLiteral("保险箱"),
    QStringLiteral("Ελληνικά"),  QStringLiteral("password"), QStringLiteral("drive"),
    QStringLiteral("folder"),    QStringLiteral("😀"),        QStringLiteral("group")};
const std::array<QColor, 4> kColors = {Qt::black, QColor(0xcc, 0, 0), QColor(0, 0x66, 0xcc),
                                       QColor(0x33, 0x99, 0x33)};
const std::array<Qt::Alignment, 4> kAlignments = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                  Qt::AlignJustify};

QTextCharFormat runFormat(int run) {
    QTextCharFormat format;
    format.setFontWeight(run % 3 == 0 ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run % 5 == 0);
    format.setFontUnderline(run % 11 == 0);
    format.setForeground(kColors[run % kColors.size()]);
    format.setFontPointSize(10 + run % 4 * 2);
    if (run % 13 == 0)
        format.setBackground(Qt::yellow);
    return format;
}

// Paragraphs of a dozen formatted runs each, every seventh paragraph an item
// of a bulleted, numbered or nested list.
void fill(QTextDocument& document) {
    QTextCursor cursor(&document);
    int run = 0;
    for (int paragraph = 0; document.characterCount() < kCharacters; ++paragraph) {
        QTextBlockFormat block;
        block.setAlignment(kAlignments[paragraph % kAlignments.size()]);
        if (paragraph > 0)
            cursor.insertBlock(block);
        else
            cursor.setBlockFormat(block);
        if (paragraph % 7 == 0) {
            QTextListFormat list;
            list.setStyle(paragraph % 2 ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc);
            list.setIndent(1 + paragraph % 3);
            cursor.createList(list);
        }
        for (int i = 0; i < 12; ++i, ++run) {
            QString text;
            for (int word = 0; word < 6; ++word)
                text += kWords[(run * 7 + word) % kWords.size()] + u' ';
            cursor.insertText(text, runFormat(run));
        }
    }
}

double milliseconds(const std::function<bool()>& save) {
    QElapsedTimer timer;
    timer.start();
    if (!save())
        std::fprintf(stderr, "a save failed\n");
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(QList<double> runs) {
    std::sort(runs.begin(), runs.end());
    return runs.at(runs.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTextDocument document;
    fill(document);

    QList<double> ours;
    QList<double> reference;
    for (int run = 0; run < kRuns; ++run) {
        ours << milliseconds([&] {
            return vexo::notes::saveNotePackage(folder + QStringLiteral("/Note0_1"), document);
        });
        reference << milliseconds([&] {
            QTextDocumentWriter writer(folder + QStringLiteral("/reference.odt"), "odf");
            return writer.write(&document);
        });
    }
    const double oursMs = median(ours);
    const double referenceMs = median(reference);
    std::printf(
        "note_save_1mb ours=%.1f ref=%.1f ratio=%.2f target<=2 (ms to save %d characters)\n",
        oursMs, referenceMs, oursMs / referenceMs, document.characterCount());
    return 0;
}
