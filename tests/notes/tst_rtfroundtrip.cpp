#include "DocumentShape.h"
#include "NotesTestMain.h"
#include "notes/RtfReader.h"
#include "notes/RtfWriter.h"

#include <QTextCursor>

using namespace vexo;
using namespace vexo::test;
using namespace Qt::StringLiterals;

namespace {

QTextDocument* readBack(const QByteArray& rtf, QObject* owner) {
    auto* document = new QTextDocument(owner);
    [&] { QVERIFY(notes::readRtf(rtf, document)); }();
    return document;
}

void insertRun(QTextCursor& cursor, const QString& text,
               const std::function<void(QTextCharFormat&)>& style) {
    QTextCharFormat format;
    style(format);
    cursor.insertText(text, format);
}

bool isSevenBit(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

// What a note holds survives writing as RTF and reading back unchanged.
class RtfRoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void featureSurvives_data() {
        QTest::addColumn<QString>("html");
        QTest::newRow("plain text") << u"<p>Just words.</p>"_s;
        QTest::newRow("font family")
            << u"<p>a <span style=\"font-family:'DejaVu Serif'\">serif</span></p>"_s;
        QTest::newRow("point size")
            << u"<p><span style=\"font-size:18pt\">big</span> <span style=\"font-size:7.5pt\">small</span></p>"_s;
        QTest::newRow("bold") << u"<p>a <b>bold</b> word</p>"_s;
        QTest::newRow("italic") << u"<p>an <i>italic</i> word</p>"_s;
        QTest::newRow("underline") << u"<p>an <u>underlined</u> word</p>"_s;
        QTest::newRow("strike-through") << u"<p>a <s>struck</s> word</p>"_s;
        QTest::newRow("text colour")
            << u"<p><span style=\"color:#ff0000\">red</span> <span style=\"color:#123456\">ink</span></p>"_s;
        QTest::newRow("background colour")
            << u"<p><span style=\"background-color:#ffff00\">marked</span></p>"_s;
        QTest::newRow("super- and subscript") << u"<p>x<sup>2</sup> H<sub>2</sub>O</p>"_s;
        QTest::newRow("alignments")
            << u"<p align=\"left\">l</p><p align=\"center\">c</p><p align=\"right\">r</p><p align=\"justify\">j</p>"_s;
        QTest::newRow("right-to-left paragraph") << u"<p dir=\"rtl\">שלום עולם</p>"_s;
        QTest::newRow("bulleted list") << u"<ul><li>one</li><li>two</li></ul>"_s;
        QTest::newRow("numbered list") << u"<ol><li>first</li><li>second</li><li>third</li></ol>"_s;
        QTest::newRow("letters and roman numbers")
            << u"<ol type=\"a\"><li>a</li></ol><p>-</p><ol type=\"I\"><li>I</li><li>II</li></ol>"_s;
        QTest::newRow("nested lists")
            << u"<ul><li>top<ul><li>inner<ul><li>deepest</li></ul></li><li>inner "
               u"2</li></ul></li><li>top 2</li></ul>"
               u"<ol><li>one<ol type=\"a\"><li>a</li><li>b</li></ol></li><li>two<ol type=\"a\"><li>a again</li></ol></li></ol>"_s;
        QTest::newRow("lists apart") << u"<ul><li>a</li></ul><p>between</p><ul><li>b</li></ul>"_s;
        QTest::newRow("mixed document")
            << u"<h1 align=\"center\"><span style=\"font-family:'DejaVu Sans'; "
               u"color:#204a87\">Título</span></h1>"
               u"<p align=\"justify\">Some <b>bold <i>and italic</i></b> text, <u>ünderline</u>, "
               u"<span style=\"background-color:#fce94f; font-size:14pt\">mark 中文</span>.</p>"
               u"<ol><li><b>Bold item</b></li><li>Item with <s>strike</s><ul><li>sub "
               u"😀</li></ul></li></ol>"
               u"<p align=\"right\">Ende {braces} \\ backslash</p>"_s;
    }

    void featureSurvives() {
        QFETCH(QString, html);
        QTextDocument original;
        original.setHtml(html);
        QTextDocument* back = readBack(notes::writeRtf(original), this);
        QCOMPARE(documentShape(*back), documentShape(original));
        QCOMPARE(itemNumbers(*back), itemNumbers(original));
    }

    void editorMadeFormatsSurvive() {
        QTextDocument original;
        QTextCursor cursor(&original);
        for (const auto style : {QTextCharFormat::SingleUnderline, QTextCharFormat::DashUnderline,
                                 QTextCharFormat::DotLine, QTextCharFormat::DashDotLine,
                                 QTextCharFormat::DashDotDotLine, QTextCharFormat::WaveUnderline})
            insertRun(cursor, QString::number(style), [&](auto& f) { f.setUnderlineStyle(style); });
        insertRun(cursor, u"same family as the default"_s,
                  [&](auto& f) { f.setFontFamilies({original.defaultFont().family()}); });
        QTextListFormat affixes;
        affixes.setStyle(QTextListFormat::ListUpperAlpha);
        affixes.setNumberPrefix(u"("_s);
        affixes.setNumberSuffix(u")"_s);
        cursor.insertList(affixes);
        cursor.insertText(u"(A)"_s);
        cursor.insertBlock();
        cursor.insertText(u"(B)"_s);
        QTextBlockFormat mirrored; // "left" of a right-to-left paragraph lies on the right
        mirrored.setLayoutDirection(Qt::RightToLeft);
        mirrored.setAlignment(Qt::AlignLeft);
        cursor.insertBlock(mirrored, QTextCharFormat());
        cursor.insertText(u"שלום"_s);
        QTextDocument* back = readBack(notes::writeRtf(original), this);
        QCOMPARE(documentShape(*back), documentShape(original));
        QCOMPARE(itemNumbers(*back), (QStringList{{}, u"(A)"_s, u"(B)"_s, {}}));
        QVERIFY(documentShape(*back).contains(u"paragraph align=right rtl=1"_s));
    }

    void scriptsSurvive_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("Latin with accents") << u"Ça déjà vu — naïve façade, Øre, ß, Œuvre €5"_s;
        QTest::newRow("Greek") << u"Καλημέρα κόσμε"_s;
        QTest::newRow("Cyrillic") << u"Съешь же ещё этих мягких французских булок"_s;
        QTest::newRow("Arabic") << u"مرحبا بالعالم"_s;
        QTest::newRow("Hebrew") << u"שלום עולם"_s;
        QTest::newRow("Chinese") << u"你好，世界。保险箱"_s;
        QTest::newRow("Japanese") << u"こんにちは世界、カタカナ"_s;
        QTest::newRow("emoji") << u"😀 🎉 𝄞 𠀋"_s;
        QTest::newRow("flags and ZWJ sequences")
            << u"🇩🇪🇯🇵 👨‍👩‍👧‍👦 👍🏽 🏳️‍🌈"_s;
        QTest::newRow("code units above 32767") << u"\uFB01 \uFFFD \u8000 \u7FFF"_s;
    }

    void scriptsSurvive() {
        QFETCH(QString, text);
        QTextDocument original;
        original.setPlainText(text);
        const QByteArray rtf = notes::writeRtf(original);
        QVERIFY(isSevenBit(rtf));
        QTextDocument* back = readBack(rtf, this);
        QCOMPARE(back->toPlainText(), text);
    }

    void unicodeIsWrittenAsSigned16BitUnits() {
        QTextDocument document;
        document.setPlainText(u"é中\uFFFD😀"_s);
        const QByteArray rtf = notes::writeRtf(document);
        QVERIFY(rtf.contains("\\u233?\\u20013?\\u-3?\\u-10179?\\u-8704?"));
        QVERIFY(rtf.contains("\\uc1"));
    }

    void specialCharactersSurvive() {
        const QString text = u"back\\slash {braces} semi;colon\tTab\u2028next line\u00A0nbsp "
                             u"soft\u00ADhyphen no\u2011break"_s;
        QTextDocument original;
        QTextCursor(&original).insertText(text);
        const QByteArray rtf = notes::writeRtf(original);
        QVERIFY(rtf.contains("back\\\\slash \\{braces\\} semi;colon\\tab Tab\\line next"));
        QTextDocument* back = readBack(rtf, this);
        QCOMPARE(back->begin().text(), text);
        QCOMPARE(back->blockCount(), 1);
    }

    void controlCharactersAndLoneSurrogatesAreLeftOut() {
        QTextDocument original;
        QTextCursor(&original).insertText(u"a\u0001b"_s + QChar(0xD800) + u"c"_s + QChar(0xDC00));
        QTextDocument* back = readBack(notes::writeRtf(original), this);
        QCOMPARE(back->toPlainText(), u"abc"_s);
    }

    void paragraphsKeepTheirCount_data() {
        QTest::addColumn<QStringList>("paragraphs");
        QTest::newRow("empty document") << QStringList{QString()};
        QTest::newRow("one") << QStringList{u"one"_s};
        QTest::newRow("empty ones around") << QStringList{{}, u"a"_s, {}, {}};
        QTest::newRow("trailing empty") << QStringList{u"a"_s, u"b"_s, {}};
    }

    void paragraphsKeepTheirCount() {
        QFETCH(QStringList, paragraphs);
        QTextDocument original;
        original.setPlainText(paragraphs.join(u'\n'));
        QTextDocument* back = readBack(notes::writeRtf(original), this);
        QCOMPARE(back->toPlainText().split(u'\n'), paragraphs);
    }

    void outputIsRtfThatWordProcessorsRead() {
        QTextDocument document;
        document.setHtml(
            u"<p><span style=\"font-family:'DejaVu Serif'; color:#ff0000\">x</span></p>"
            u"<ol><li>one</li><li>two</li></ol><ul><li>dot</li></ul>"_s);
        const QByteArray rtf = notes::writeRtf(document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 "));
        QVERIFY(rtf.contains("{\\f1\\fnil\\fcharset0 DejaVu Serif;}"));
        QVERIFY(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;}"));
        QVERIFY(rtf.contains("{\\*\\listtable"));
        QVERIFY(rtf.contains("{\\listoverride\\listid1\\listoverridecount0\\ls1}"));
        // Readers without lists still show the numbers and bullets.
        QVERIFY(rtf.contains("{\\pntext 1.\\tab }\\ls1\\ilvl0"));
        QVERIFY(rtf.contains("{\\pntext 2.\\tab }\\ls1\\ilvl0"));
        QVERIFY(rtf.contains("{\\pntext \\u8226?\\tab }\\ls2\\ilvl0"));
        QCOMPARE(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
        QVERIFY(rtf.trimmed().endsWith('}'));
    }

    void picturesAreFieldsWithTheirShownSize() {
        QTextDocument original;
        original.addResource(QTextDocument::ImageResource, QUrl(u"image1.png"_s),
                             QImage(8, 4, QImage::Format_RGB32));
        QTextCursor cursor(&original);
        cursor.insertText(u"before "_s);
        QTextImageFormat sized;
        sized.setName(u"image1.png"_s);
        sized.setWidth(120);
        sized.setHeight(60);
        cursor.insertImage(sized);
        QTextImageFormat natural;
        natural.setName(u"image1.png"_s);
        cursor.insertImage(natural);
        cursor.insertText(u" after"_s);
        const QByteArray rtf =
            notes::writeRtf(original, [](const QTextImageFormat& image) { return image.name(); });
        QVERIFY(rtf.contains("{\\field{\\*\\fldinst{INCLUDEPICTURE \"image1.png\" \\\\d}}"
                             "{\\fldrslt{\\pict\\picwgoal1800\\pichgoal900}}}"));

        QStringList asked;
        auto* back = new QTextDocument(this);
        QVERIFY(notes::readRtf(rtf, back, [&](const QString& name) {
            asked << name;
            QImage image(8, 4, QImage::Format_RGB32);
            image.fill(Qt::green);
            return image;
        }));
        QCOMPARE(asked, QStringList{u"image1.png"_s}); // loaded once, used twice
        QCOMPARE(documentShape(*back), documentShape(original));
        const QImage resource =
            back->resource(QTextDocument::ImageResource, QUrl(u"image1.png"_s)).value<QImage>();
        QCOMPARE(resource.pixelColor(0, 0), QColor(Qt::green));
    }

    void picturesWithoutAFileAreLeftOut() {
        QTextDocument original;
        QTextCursor cursor(&original);
        cursor.insertText(u"a"_s);
        QTextImageFormat image;
        image.setName(u"image1.png"_s);
        cursor.insertImage(image);
        const QByteArray rtf = notes::writeRtf(original);
        QVERIFY(!rtf.contains("INCLUDEPICTURE"));
        QTextDocument* back = readBack(rtf, this);
        QCOMPARE(back->toPlainText(), u"a"_s);
    }
};

VEXO_GUI_TEST_MAIN(RtfRoundTripTest)
#include "tst_rtfroundtrip.moc"
