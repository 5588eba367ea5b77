#include "DocumentShape.h"
#include "NotesTestMain.h"
#include "notes/RtfReader.h"

using namespace vexo;
using namespace vexo::test;
using namespace Qt::StringLiterals;

namespace {

QStringList shapeOf(const QByteArray& rtf) {
    QTextDocument document;
    notes::readRtf(rtf, &document);
    return documentShape(document);
}

// The paragraphs' own text (toPlainText() would change no-break spaces and
// line separators).
QString textOf(const QByteArray& rtf) {
    QTextDocument document;
    notes::readRtf(rtf, &document);
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs << block.text();
    return paragraphs.join(u'\n');
}

const QByteArray kWordHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
    "{\\f2\\fnil\\fcharset2 Symbol;}{\\f3\\fnil\\fcharset204{\\*\\panose "
    "020b0604020202020204}Arial CYR;}"
    "{\\f4\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f5\\fnil\\fcharset128 MS Mincho;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green255\\blue0;}"
    "{\\stylesheet{\\s0 Normal;}{\\s1\\b\\fs32 heading 1;}}"
    "{\\info{\\title Hidden title}{\\author Someone}}"
    "{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1 ";

} // namespace

// Reading what word processors write: their tables, code pages, formatting
// words and list forms.
class RtfReaderTest : public QObject {
    Q_OBJECT
private slots:
    void textOfWordProcessorFiles_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("tables and information are not text")
            << QByteArray("\\pard plain\\par}") << u"plain"_s;
        QTest::newRow("cp1252 bytes")
            << QByteArray("caf\\'e9 \\'80 \\'93q\\'94}") << u"café € “q”"_s;
        QTest::newRow("raw 8-bit bytes") << QByteArray("na\xefve}") << u"naïve"_s;
        QTest::newRow("font code page: Cyrillic")
            << QByteArray("{\\f3 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}}") << u"Привет"_s;
        QTest::newRow("font code page: GBK pairs")
            << QByteArray("{\\f4 \\'d6\\'d0\\'ce\\'c4}}") << u"中文"_s;
        QTest::newRow("font code page: Shift_JIS")
            << QByteArray("{\\f5 \\'93\\'fa\\'96\\'7b}}") << u"日本"_s;
        QTest::newRow("unicode with fallback")
            << QByteArray("\\u20013\\'3f\\u25991?}") << u"中文"_s;
        QTest::newRow("\\uc2 skips two") << QByteArray("{\\uc2\\u20013\\'d6\\'d0x}y}") << u"中xy"_s;
        QTest::newRow("\\uc0 skips none") << QByteArray("{\\uc0\\u233 e}}") << u"ée"_s;
        QTest::newRow("skipping ends at a group") << QByteArray("\\u233{b}}") << u"éb"_s;
        QTest::newRow("surrogates as LibreOffice writes them")
            << QByteArray("\\uc0 \\u55357\\uc1 \\u56832\\'3f}") << u"😀"_s;
        QTest::newRow("surrogates as Word writes them")
            << QByteArray("\\u-10179?\\u-8704?}") << u"😀"_s;
        QTest::newRow("special characters")
            << QByteArray("\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~.}")
            << u"—–‘’“”•\u00A0."_s;
        QTest::newRow("escapes, tab and line")
            << QByteArray("\\\\ \\{\\} a\\tab b\\line c}") << u"\\ {} a\tb\u2028c"_s;
        QTest::newRow("paragraphs")
            << QByteArray("one\\par two\\par\\par three}") << u"one\ntwo\n\nthree"_s;
        QTest::newRow("a final paragraph mark adds nothing") << QByteArray("one\\par}") << u"one"_s;
        QTest::newRow("backslash line end is a paragraph")
            << QByteArray("one\\\ntwo}") << u"one\ntwo"_s;
        QTest::newRow("ignorable destinations")
            << QByteArray("a{\\*\\unknown b{c}}{\\*\\bkmkstart x}d}") << u"ad"_s;
        QTest::newRow("pictures and objects are not text")
            << QByteArray("a{\\pict\\pngblip 89504e47}{\\object{\\*\\objdata 0102}}b}") << u"ab"_s;
        QTest::newRow("field shows its result")
            << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}} end}")
            << u"link end"_s;
        QTest::newRow("generated list text is not read")
            << QByteArray("{\\listtext\\'b7\\tab}{\\pntext 1.\\tab}item}") << u"item"_s;
        QTest::newRow("table cells")
            << QByteArray("\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row after}")
            << u"a\tb\t\nafter"_s;
        QTest::newRow("document code page")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e0}") << u"Да"_s;
        QTest::newRow("mac code page") << QByteArray("{\\rtf1\\mac \\'8e}") << u"é"_s;
    }

    void textOfWordProcessorFiles() {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        const QByteArray rtf = body.startsWith("{\\rtf") ? body : kWordHeader + body;
        QCOMPARE(textOf(rtf), text);
    }

    void characterFormatting() {
        const QStringList shape = shapeOf(
            kWordHeader +
            "\\pard\\plain {\\b bold}{\\b\\b0 not}{\\i it}{\\ul u}{\\ul\\ulnone no}{\\uldb d}"
            "{\\ulwave w}{\\strike s}{\\striked1 ss}{\\super up}{\\sub down}{\\cf1 red}"
            "{\\cf1\\cf0 auto}{\\highlight3 hl}{\\cb2 cb}{\\chcbpat3 pat}{\\fs36 big}{\\fs0 dflt}"
            "{\\f1 arial}{\\f0 default}{\\b\\i\\plain reset}}");
        const QStringList expected{
            u"paragraph align=none rtl=0"_s,
            u"  run \"bold\" bold"_s,
            u"  run \"not\""_s,
            u"  run \"it\" italic"_s,
            u"  run \"u\" underline=1"_s,
            u"  run \"no\""_s,
            u"  run \"d\" underline=1"_s,
            u"  run \"w\" underline=6"_s,
            u"  run \"sss\" strike"_s,
            u"  run \"up\" vertical=1"_s,
            u"  run \"down\" vertical=2"_s,
            u"  run \"red\" color=#ff0000"_s,
            u"  run \"auto\""_s,
            u"  run \"hl\" background=#ffff00"_s,
            u"  run \"cb\" background=#008000"_s,
            u"  run \"pat\" background=#ffff00"_s,
            u"  run \"big\" size=18"_s,
            u"  run \"dflt\" size=12"_s,
            u"  run \"arial\" family=Arial"_s,
            u"  run \"defaultreset\""_s,
        };
        QCOMPARE(shape, expected);
    }

    void paragraphFormatting() {
        const QStringList shape =
            shapeOf(kWordHeader + "\\pard\\qc centre\\par right{\\qr}\\qr\\par"
                                  "\\pard\\qj\\rtlpar just\\par\\pard plain\\par}");
        QCOMPARE(shape, (QStringList{u"paragraph align=center rtl=0"_s, u"  run \"centre\""_s,
                                     u"paragraph align=right rtl=0"_s, u"  run \"right\""_s,
                                     u"paragraph align=justify rtl=1"_s, u"  run \"just\""_s,
                                     u"paragraph align=none rtl=0"_s, u"  run \"plain\""_s}));
    }

    void listsFromAListTable() {
        // The list table LibreOffice writes, with Word's list text before each item.
        const QByteArray rtf =
            kWordHeader +
            "{\\*\\listtable{\\list\\listtemplateid1"
            "{\\listlevel\\levelnfc23\\levelstartat1{\\leveltext \\'01\\u8226 "
            "?;}{\\levelnumbers;}\\f2}"
            "{\\listlevel\\levelnfc23{\\leveltext \\'01o;}{\\levelnumbers;}}\\listid7}"
            "{\\list\\listtemplateid2{\\listlevel\\levelnfc0{\\leveltext "
            "\\'02\\'00.;}{\\levelnumbers\\'01;}}"
            "{\\listlevel\\levelnfc4{\\leveltext \\'03(\\'01);}{\\levelnumbers\\'02;}}"
            "{\\listlevel\\levelnfc2{\\leveltext \\'04\\'00.\\'02.;}}\\listid8}"
            "{\\list{\\listlevel\\levelnfc255{\\leveltext \\'00;}}\\listid9}}"
            "{\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}"
            "{\\listoverride\\listid8\\listoverridecount0\\ls2}{\\listoverride\\listid9\\ls3}}"
            "\\pard{\\listtext\\'b7\\tab}\\ls1\\ilvl0 a\\par"
            "\\pard{\\listtext o\\tab}\\ls1\\ilvl1 b\\par"
            "\\pard\\ls2 one\\par\\pard\\ls2\\ilvl1 sub\\par\\pard\\ls2\\ilvl1 sub2\\par"
            "\\pard\\ls2 two\\par\\pard\\ls2\\ilvl1 again\\par\\pard\\ls2\\ilvl2 deep\\par"
            "\\pard plain\\par\\pard\\ls2 three\\par"
            "\\pard\\ls3 no number\\par\\pard\\ls99 unknown list}";
        QTextDocument document;
        QVERIFY(notes::readRtf(rtf, &document));
        const QStringList shape = documentShape(document).filter(u"paragraph"_s);
        QCOMPARE(
            shape,
            (QStringList{
                u"paragraph align=none rtl=0 list style=-1 indent=1 prefix=\"\" suffix=\".\""_s,
                u"paragraph align=none rtl=0 list style=-2 indent=2 prefix=\"\" suffix=\".\""_s,
                u"paragraph align=none rtl=0 list style=-4 indent=1 prefix=\"\" suffix=\".\""_s,
                u"paragraph align=none rtl=0 list style=-5 indent=2 prefix=\"(\" suffix=\")\""_s,
                u"paragraph align=none rtl=0 list style=-5 indent=2 prefix=\"(\" suffix=\")\""_s,
                u"paragraph align=none rtl=0 list style=-4 indent=1 prefix=\"\" suffix=\".\""_s,
                u"paragraph align=none rtl=0 list style=-5 indent=2 prefix=\"(\" suffix=\")\""_s,
                u"paragraph align=none rtl=0 list style=-7 indent=3 prefix=\"\" suffix=\".\""_s,
                u"paragraph align=none rtl=0"_s,
                u"paragraph align=none rtl=0 list style=-4 indent=1 prefix=\"\" suffix=\".\""_s,
                u"paragraph align=none rtl=0"_s, u"paragraph align=none rtl=0"_s}));
        // Numbering goes on across a plain paragraph; a deeper level starts
        // afresh under each item above it.
        QCOMPARE(itemNumbers(document), (QStringList{{},
                                                     {},
                                                     u"1."_s,
                                                     u"(a)"_s,
                                                     u"(b)"_s,
                                                     u"2."_s,
                                                     u"(a)"_s,
                                                     u"i."_s,
                                                     {},
                                                     u"3."_s,
                                                     {},
                                                     {}}));
    }

    void listsFromOldStyleNumbering() {
        const QByteArray rtf = kWordHeader +
                               "\\pard{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{"
                               "\\pntxtb\\'b7}}dot\\par"
                               "\\pard{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}one\\par"
                               "\\pard{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}two\\par"
                               "\\pard{\\*\\pn\\pnlvl2\\pnlcltr{\\pntxtb (}{\\pntxta )}}sub\\par"
                               "\\pard{\\*\\pn\\pnlvlcont}continued\\par"
                               "\\pard plain\\par"
                               "\\pard{\\*\\pn\\pnlvlbody\\pnucrm{\\pntxta .}}restart}";
        QTextDocument document;
        QVERIFY(notes::readRtf(rtf, &document));
        QCOMPARE(document.toPlainText(), u"dot\none\ntwo\nsub\ncontinued\nplain\nrestart"_s);
        QCOMPARE(itemNumbers(document),
                 (QStringList{{}, u"1."_s, u"2."_s, u"(a)"_s, {}, {}, u"I."_s}));
        QCOMPARE(document.begin().textList()->format().style(), QTextListFormat::ListDisc);
    }

    void picturesComeOnlyFromPlainFileNames() {
        QStringList asked;
        const notes::PictureLoader loader = [&](const QString& name) {
            asked << name;
            return QImage(2, 2, QImage::Format_RGB32);
        };
        QByteArray rtf = "{\\rtf1 ";
        for (const char* target : {"ok.png", "../up.png", "/etc/abs.png", "dir/in.png",
                                   "a\\\\\\\\b.png", ".hidden.png", "c:x.png", "file:///etc/x.png"})
            rtf += "{\\field{\\*\\fldinst INCLUDEPICTURE \"" + QByteArray(target) +
                   "\" \\\\d}{\\fldrslt}}";
        rtf += "{\\field{\\*\\fldinst INCLUDEPICTURE unquoted.png \\\\* "
               "MERGEFORMAT}{\\fldrslt{\\pict\\picscalex50\\picwgoal3000}}}}";
        QTextDocument document;
        QVERIFY(notes::readRtf(rtf, &document, loader));
        QCOMPARE(asked, (QStringList{u"ok.png"_s, u"unquoted.png"_s}));
        QCOMPARE(documentShape(document),
                 (QStringList{u"paragraph align=none rtl=0"_s, u"  picture ok.png 0x0"_s,
                              u"  picture unquoted.png 100x0"_s}));
    }

    void aMissingPictureLeavesNothing() {
        QTextDocument document;
        QVERIFY(notes::readRtf("{\\rtf1 a{\\field{\\*\\fldinst INCLUDEPICTURE \"gone.png\"}"
                               "{\\fldrslt{\\pict\\picwgoal10}}}b}",
                               &document, [](const QString&) { return QImage(); }));
        QCOMPARE(document.toPlainText(), u"ab"_s);
        QCOMPARE(document.begin().begin().fragment().charFormat().isImageFormat(), false);
    }

    void notRtf() {
        QTextDocument document;
        document.setPlainText(u"old"_s);
        QVERIFY(!notes::readRtf("just some text", &document));
        QVERIFY(document.isEmpty());
        QVERIFY(notes::readRtf(" \n", &document));
        QVERIFY(document.isEmpty());
    }
};

VEXO_GUI_TEST_MAIN(RtfReaderTest)
#include "tst_rtfreader.moc"
