#include "NotesTestMain.h"
#include "notes/RtfReader.h"
#include "notes/RtfWriter.h"

#include <QRandomGenerator>
#include <QTextBlock>

using namespace vexo;
using namespace Qt::StringLiterals;

namespace {

// Text a note can hold: whole UTF-16 and no controls but tab and the line
// breaks toPlainText() puts between paragraphs.
bool isSaneText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || (c.unicode() < 0x20 && c != u'\t' && c != u'\n') ||
            c == QChar::ObjectReplacementCharacter ||
            (c.unicode() >= 0xFDD0 && c.unicode() <= 0xFDEF))
            return false;
    }
    return true;
}

QString readText(const QByteArray& rtf) {
    QTextDocument document;
    notes::readRtf(rtf, &document,
                   [](const QString&) { return QImage(1, 1, QImage::Format_RGB32); });
    return document.toPlainText();
}

QByteArray repeated(const QByteArray& piece, qsizetype times) {
    return piece.repeated(times);
}

// A document with every feature the writer knows, as the fuzz's seed.
QByteArray richDocument() {
    QTextDocument document;
    document.setHtml(
        u"<h1 align=\"center\" style=\"font-family:'DejaVu Serif'\">Title é 中</h1>"
        u"<p><b>b</b><i>i</i><u>u</u><s>s</s><span "
        u"style=\"color:#f00;background-color:#ff0\">c</span>"
        u"<sup>2</sup><span style=\"font-size:20pt\">big</span>\t{\\}😀👨‍👩‍👧</p>"
        u"<ol><li>one<ul><li>in</li></ul></li><li>two</li></ol><p align=\"right\">end</p>"_s);
    return notes::writeRtf(document);
}

} // namespace

// Damaged and hostile files open as far as they can be read, with bounded
// work, and never crash.
class RtfHostileTest : public QObject {
    Q_OBJECT
private slots:
    void craftedFilesAreReadAsFarAsTheyGo_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        const QByteArray megabytes = repeated("0123456789abcdef", 1 << 19); // 8 MiB
        QTest::newRow("more closing braces") << QByteArray("{\\rtf1 a}}}} b}") << u"a"_s;
        QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b a {\\i b") << u"a b"_s;
        QTest::newRow("truncated in a word") << QByteArray("{\\rtf1 a\\par b\\pa") << u"a\nb"_s;
        QTest::newRow("truncated in an escape") << QByteArray("{\\rtf1 a\\'e") << u"ae"_s;
        QTest::newRow("truncated after a backslash") << QByteArray("{\\rtf1 a\\") << u"a"_s;
        QTest::newRow("truncated in \\u") << QByteArray("{\\rtf1 a\\u-") << u"a"_s;
        QTest::newRow("huge control word")
            << "{\\rtf1 \\" + repeated("b", 100000) + " x\\" + repeated("par", 11) + " y}"
            << u"xy"_s;
        QTest::newRow("huge parameters")
            << QByteArray("{\\rtf1 \\fs99999999999999999999999 a\\u99999999999 "
                          "b\\ls-99999999999\\ilvl99999 "
                          "c\\uc99999999999 \\u65 d}")
            << u"acA"_s; // b and d stand in for the characters before them
        QTest::newRow("deep nesting")
            << repeated("{", 200000) + "\\rtf1 deep" + repeated("}", 200000) << QString();
        QTest::newRow("deep nesting inside the document")
            << "{\\rtf1 a" + repeated("{\\b ", 100000) + "deep" + repeated("}", 100000) + " end}"
            << u"adeep end"_s;
        QTest::newRow("\\bin with a huge length")
            << QByteArray("{\\rtf1 a\\bin99999999999 xyz}") << u"a"_s;
        QTest::newRow("\\bin with binary data")
            << QByteArray("{\\rtf1 a{\\*\\x\\bin3 }{\\}b}", 24) << u"ab"_s;
        QTest::newRow("\\bin negative") << QByteArray("{\\rtf1 a\\bin-5 b}") << u"ab"_s;
        QTest::newRow("\\u out of range and lone surrogates")
            << QByteArray(
                   "{\\rtf1 \\u70000?a\\u-40000?b\\u-10179?c\\u-8704?d\\u55357?\\u55357?\\u56832?}")
            << u"abcd😀"_s;
        QTest::newRow("a picture of many megabytes")
            << "{\\rtf1 x{\\pict\\pngblip " + megabytes + "}y}" << u"xy"_s;
        QTest::newRow("an unknown destination of many megabytes")
            << "{\\rtf1 x{\\*\\unknown " + megabytes + "}y}" << u"xy"_s;
        QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b\0{\\b c}\\'00d}", 24) << u"abcd"_s;
        QTest::newRow("escaped controls")
            << QByteArray("{\\rtf1 a\\'01\\'0d\\'0a\\'1b\\u8233?\\u65532?\\u64976?b}") << u"ab"_s;
        QTest::newRow("broken escapes") << QByteArray("{\\rtf1 a\\'zz\\'\\'4}") << u"azz4"_s;
        QTest::newRow("tables full of junk")
            << QByteArray(
                   "{\\rtf1{\\fonttbl{\\f-5 ;}{\\f2147483647\\fcharset999\\cpg-3 "
                   "x;}\\f}{\\colortbl\\red-9\\green999;;}"
                   "{\\*\\listtable{\\list" +
                   repeated("{\\listlevel\\levelnfc-7{\\leveltext\\'ff\\'00\\'00;}}", 40) +
                   "\\listid1\\listid2}{\\list}}{\\listoverridetable{\\listoverride\\ls0}{"
                   "\\listoverride\\listid1\\ls-1}}"
                   "\\pard\\ls1\\ilvl8\\f2147483647\\cf99\\cb-3\\highlight2 a\\par\\pard\\ls2 b}")
            << u"a\nb"_s;
        QTest::newRow("destinations out of place")
            << QByteArray("{\\rtf1 a{\\list b}{\\listlevel c}{\\leveltext d}{\\fldinst "
                          "e}{\\fldrslt f}{\\pntxtb g}{\\pict h}i}")
            << u"afi"_s;
        QTest::newRow("nested fields")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst{\\field{\\*\\fldinst x}{\\fldrslt "
                          "y}}}{\\fldrslt z}}}")
            << u"z"_s;
        QTest::newRow("many fields and fonts")
            << "{\\rtf1 " + repeated("{\\field\\field\\field ", 50000) + "x" +
                   repeated("}", 50000) + "{\\fonttbl" + repeated("\\f1\\f2\\f3", 100000) + "}}"
            << u"x"_s;
        QTest::newRow("random bytes after the header")
            << "{\\rtf1 " + QByteArray(4096, '\xff') + "}" << QString(4096, QChar(0xFF));
    }

    void craftedFilesAreReadAsFarAsTheyGo() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        const QString read = readText(rtf);
        QVERIFY(isSaneText(read));
        QCOMPARE(read, text);
    }

    void randomBytesNeverBreakTheReader() {
        QRandomGenerator random(20240601);
        for (int run = 0; run < 200; ++run) {
            QByteArray bytes(random.bounded(1, 4000), Qt::Uninitialized);
            for (char& byte : bytes)
                byte = static_cast<char>(random.bounded(256));
            const QString read = readText("{\\rtf1 " + bytes);
            QVERIFY2(isSaneText(read), qPrintable(QString::number(run)));
        }
    }

    // Byte flips, cuts, stray braces and control words, and repeated slices
    // of a valid document, from a fixed seed so any failure repeats.
    void mutatedDocumentsNeverBreakTheReader() {
        const QByteArray valid = richDocument();
        QVERIFY(readText(valid).contains(u"Title"_s));
        static const QByteArray words[] = {"\\par",    "\\pard",  "\\plain",    "\\u-10179",
                                           "\\uc9",    "\\ls1",   "\\ilvl8",    "\\*",
                                           "\\bin4 ",  "\\field", "\\fldrslt",  "\\'",
                                           "\\pntext", "\\pn",    "\\listlevel"};
        QRandomGenerator random(20240607);
        for (int run = 0; run < 2000; ++run) {
            QByteArray bytes = valid;
            for (int change = random.bounded(1, 8); change > 0; --change) {
                const auto at = random.bounded(bytes.size());
                switch (random.bounded(5)) {
                case 0:
                    bytes[at] = static_cast<char>(bytes[at] ^ (1 << random.bounded(8)));
                    break;
                case 1:
                    bytes.truncate(std::max<qsizetype>(at, 8));
                    break;
                case 2:
                    bytes.insert(at, random.bounded(2) ? '{' : '}');
                    break;
                case 3:
                    bytes.insert(at, words[random.bounded(int(std::size(words)))]);
                    break;
                default:
                    bytes.insert(at, bytes.mid(random.bounded(bytes.size()), random.bounded(200)));
                    break;
                }
            }
            const QString read = readText(bytes);
            QVERIFY2(isSaneText(read), qPrintable(QString::number(run)));
        }
    }
};

VEXO_GUI_TEST_MAIN(RtfHostileTest)
#include "tst_rtfhostile.moc"
