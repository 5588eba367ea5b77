#include "DocumentShape.h"
#include "NotesTestMain.h"
#include "notes/NotePackage.h"
#include "notes/RtfReader.h"
#include "notes/RtfWriter.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QUrl>

using namespace vexo;
using namespace vexo::test;
using namespace Qt::StringLiterals;

namespace {

const QString kScripts =
    u"Ça déjà vu — naïve\nΚαλημέρα κόσμε\nСъешь ещё\nمرحبا بالعالم\n"
    u"שלום עולם\n你好，世界\nこんにちは、カタカナ\n😀 🇩🇪 👨‍👩‍👧 👍🏽 {\\}"_s;

const QString kFormats =
    u"<p align=\"center\"><b>bold</b> <i>italic</i> <u>under</u> <s>struck</s> "
    u"<span style=\"color:#ff0000\">red</span> <span "
    u"style=\"background-color:#ffff00\">marked</span></p>"
    u"<ul><li>dot one<ul><li>dot inner</li></ul></li><li>dot two</li></ul>"
    u"<ol><li>first</li><li>second</li></ol><p align=\"right\">right é中文😀</p>"_s;

// What LibreOffice is given to write as RTF: HTML as a person would make it.
const QByteArray kLibreOfficeInput =
    "<html><head><meta charset=\"utf-8\"></head><body>"
    "<p style=\"text-align:center\"><b>bold</b> <i>italic</i> <u>under</u> <s>struck</s> "
    "<span style=\"color:#ff0000\">red</span> <span "
    "style=\"background-color:#ffff00\">marked</span> "
    "<span style=\"font-size:20pt\">big</span></p>"
    "<ul><li>dot one<ul><li>dot inner</li></ul></li><li>dot two</li></ul>"
    "<ol><li>first</li><li>second</li></ol>"
    "<p style=\"text-align:right\">\xc3\xa9\xe4\xb8\xad\xe6\x96\x87\xf0\x9f\x98\x80 "
    "\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac "
    "\xd7\xa2\xd7\x91\xd7\xa8\xd7\x99\xd7\xaa</p>"
    "</body></html>";

QString lineOf(const QStringList& shape, const QString& run) {
    const QStringList found = shape.filter(u"\"%1\""_s.arg(run));
    return found.isEmpty() ? QString() : found.front();
}

} // namespace

// LibreOffice as an independent reader and writer of RTF: it shows what we
// write, and we read what it writes.
class LibreOfficeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        soffice_ = QStandardPaths::findExecutable(u"soffice"_s);
        QVERIFY2(
            !soffice_.isEmpty(),
            "LibreOffice (package libreoffice-writer-nogui) is needed; tools/dev test installs it");
        QVERIFY(dir_.isValid());

        QTextDocument scripts;
        scripts.setPlainText(kScripts);
        writeFile(path(u"ours/scripts.rtf"_s), notes::writeRtf(scripts));
        QTextDocument formats;
        formats.setHtml(kFormats);
        writeFile(path(u"ours/formats.rtf"_s), notes::writeRtf(formats));
        QTextDocument withPicture;
        QImage image(120, 60, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        withPicture.addResource(QTextDocument::ImageResource, QUrl(u"drawn"_s), image);
        QTextCursor cursor(&withPicture);
        cursor.insertText(u"picture:"_s);
        QTextImageFormat picture;
        picture.setName(u"drawn"_s);
        cursor.insertImage(picture);
        QVERIFY(notes::saveNotePackage(path(u"package"_s), withPicture));
        writeFile(path(u"input/written.html"_s), kLibreOfficeInput);

        // One run per output format keeps the test quick.
        convert(u"txt:Text (encoded):UTF8"_s, {path(u"ours/scripts.rtf"_s)}, path(u"txt"_s));
        convert(u"html"_s, {path(u"ours/formats.rtf"_s), path(u"package/TXT.rtf"_s)},
                path(u"html"_s));
        convert(u"rtf:Rich Text Format"_s, {path(u"input/written.html"_s)}, path(u"rtf"_s));
    }

    void libreOfficeShowsOurTextInEveryScript() {
        QString text = QString::fromUtf8(readFile(path(u"txt/scripts.txt"_s)));
        text.remove(QChar(0xFEFF));
        QCOMPARE(text.trimmed(), kScripts);
    }

    void libreOfficeShowsOurFormatting_data() {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("centred") << u"<p align=\"center\""_s;
        QTest::newRow("right") << u"<p align=\"right\""_s;
        QTest::newRow("bold") << u"<b>bold</b>"_s;
        QTest::newRow("italic") << u"<i>italic</i>"_s;
        QTest::newRow("underline") << u"<u>under</u>"_s;
        QTest::newRow("strike-through") << u"<strike>(<[^>]*>)*struck"_s;
        QTest::newRow("text colour") << u"color=\"#ff0000\">(<[^>]*>)*red"_s;
        QTest::newRow("background colour") << u"background: #ffff00\">marked"_s;
        QTest::newRow("nested bullets")
            << u"<ul>\\s*<li>.*dot\\s+one.*<ul>\\s*<li>.*dot\\s+inner.*</ul>.*dot\\s+two.*</ul>"_s;
        QTest::newRow("numbers") << u"<ol>\\s*<li>.*first.*<li>.*second.*</ol>"_s;
        QTest::newRow("unicode") << u"é(<[^>]*>|\\s)*中文😀"_s;
    }

    void libreOfficeShowsOurFormatting() {
        QFETCH(QString, pattern);
        const QString html = QString::fromUtf8(readFile(path(u"html/formats.html"_s)));
        QVERIFY2(html.contains(
                     QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)),
                 qPrintable(html));
    }

    void libreOfficeShowsOurPictureFromThePackage() {
        const QString html = QString::fromUtf8(readFile(path(u"html/TXT.html"_s)));
        QVERIFY2(
            html.contains(QRegularExpression(u"picture:<img [^>]*width=\"120\" height=\"60\""_s)),
            qPrintable(html));
    }

    void weReadWhatLibreOfficeWrites() {
        const QByteArray rtf = readFile(path(u"rtf/written.rtf"_s));
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QTextDocument document;
        QVERIFY(notes::readRtf(rtf, &document));
        QCOMPARE(
            document.toPlainText(),
            u"bold italic under struck red marked big\ndot one\ndot inner\ndot two\nfirst\nsecond\n"
            u"é中文😀 Ελληνικά עברית"_s);
        const QStringList shape = documentShape(document);
        QVERIFY(lineOf(shape, u"bold"_s).contains(u" bold"_s));
        QVERIFY(lineOf(shape, u"italic"_s).contains(u" italic"_s));
        QVERIFY(lineOf(shape, u"under"_s).contains(u"underline=1"_s));
        QVERIFY(lineOf(shape, u"struck"_s).contains(u"strike"_s));
        QVERIFY(lineOf(shape, u"red"_s).contains(u"color=#ff0000"_s));
        QVERIFY(lineOf(shape, u"marked"_s).contains(u"background=#ffff00"_s));
        QVERIFY(lineOf(shape, u"big"_s).contains(u"size=20"_s));
        const QStringList paragraphs = shape.filter(u"paragraph"_s);
        QVERIFY(paragraphs.value(0).contains(u"align=center"_s));
        QVERIFY(paragraphs.value(1).contains(u"list style=-1 indent=1"_s));
        QVERIFY(paragraphs.value(2).contains(u"indent=2"_s));
        QVERIFY(paragraphs.value(3).contains(u"list style=-1 indent=1"_s));
        QVERIFY(paragraphs.value(4).contains(u"list style=-4 indent=1"_s));
        QVERIFY(paragraphs.value(6).contains(u"align=right"_s));
        QCOMPARE(itemNumbers(document).mid(4, 2), (QStringList{u"1."_s, u"2."_s}));
    }

private:
    QString path(const QString& relative) const { return dir_.filePath(relative); }

    void convert(const QString& format, const QStringList& files, const QString& outputFolder) {
        QProcess soffice;
        soffice.setProcessChannelMode(QProcess::MergedChannels);
        soffice.start(soffice_, QStringList{u"-env:UserInstallation="_s +
                                                QUrl::fromLocalFile(path(u"profile"_s)).toString(),
                                            u"--headless"_s, u"--norestore"_s, u"--convert-to"_s,
                                            format, u"--outdir"_s, outputFolder} +
                                    files);
        QVERIFY2(soffice.waitForFinished(180000), "LibreOffice did not finish within 3 minutes");
        QVERIFY2(soffice.exitStatus() == QProcess::NormalExit && soffice.exitCode() == 0,
                 soffice.readAll().constData());
    }

    QString soffice_;
    QTemporaryDir dir_;
};

VEXO_GUI_TEST_MAIN(LibreOfficeTest)
#include "tst_libreoffice.moc"
