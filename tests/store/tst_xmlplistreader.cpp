#include "BinaryPlist.h"
#include "GroupListSamples.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <limits>

using namespace vexo::store;
using namespace vexo::test;

namespace {

// One group with one item whose texts are all text and numbers all number.
GroupList listWith(const QString& text, qint64 number) {
    auto item = std::make_shared<FileModel>();
    item->path = QStringLiteral("/home/u/") + text;
    item->name = item->encryptedPath = item->macAddress = item->md5CodePath = text;
    item->createDate = item->addDate = item->fileSize = number;
    item->isEncrtypt = true;
    item->groupName = kSystemDevicName;
    auto group = std::make_shared<GroupModel>();
    group->name = group->path = text;
    group->groupName = kSystemDevicName;
    group->isGroupDir = true;
    group->fileModels = {item};
    return {group};
}

// The one item of a list read from data; nullptr when it is unreadable.
FileModelPtr onlyItem(const QByteArray& data) {
    const auto read = parse(data);
    return read ? read->at(0)->fileModels.at(0) : nullptr;
}

// A row with an unknown key whose value is depth nested containers around
// inner.
QByteArray rowNesting(int depth, const QByteArray& open, const QByteArray& close,
                      const QByteArray& inner = {}) {
    return rowDocument("<key>extra</key>" + open.repeated(depth) + inner + close.repeated(depth) +
                       "<key>name</key><string>x</string>");
}

const QByteArray kCanonical =
    "<array><dict><key>name</key><string>Docs</string><key>FileModel</key><array><dict>"
    "<key>path</key><string>/home/u/a</string><key>fileSize</key><integer>3</integer>"
    "<key>isEncrtypt</key><true/></dict></array></dict></array>";

} // namespace

class XmlPlistReaderTest : public QObject {
    Q_OBJECT
private slots:
    void writtenListsReadBackInBothForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("number");
        QTest::newRow("plain") << QStringLiteral("IMG_0001.jpg") << qint64(1'700'000'000);
        QTest::newRow("markup characters")
            << QStringLiteral("a & b <c> \"d\" 'e' ]]> &amp; &#65;") << qint64(-1);
        QTest::newRow("empty") << QString() << qint64(0);
        QTest::newRow("many scripts")
            << QStringLiteral("Ελληνικά Русский العربية עברית हिन्दी 中文 日本語 한국어 😀 e\u0301")
            << std::numeric_limits<qint64>::max();
        QTest::newRow("controls and line ends")
            << QStringLiteral("a\tb\r\nc\u0001") << std::numeric_limits<qint64>::min();
        QTest::newRow("beyond 32 bits") << QStringLiteral("big") << qint64(5'000'000'000'000);
    }

    void writtenListsReadBackInBothForms() {
        QFETCH(QString, text);
        QFETCH(qint64, number);
        const GroupList written = listWith(text, number);
        const QByteArray xml = groupListData(written, ListKind::Local);
        const auto fromXml = parse(xml);
        const auto fromBinary = parse(binaryFromXml(xml));
        QVERIFY(fromXml && fromBinary);
        QCOMPARE(describe(*fromXml), describe(written));
        QCOMPARE(describe(*fromBinary), describe(*fromXml));
    }

    void textIsDecoded_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("name");
        QTest::newRow("entities") << QByteArray("<key>name</key><string>&lt;&gt;&amp;&quot;&apos;"
                                                "</string>")
                                  << QStringLiteral("<>&\"'");
        QTest::newRow("character references")
            << QByteArray("<key>name</key><string>&#233;&#x4E2D;&#x1F600;&#9;</string>")
            << QStringLiteral("é中😀\t");
        QTest::newRow("reference in the key")
            << QByteArray("<key>n&#x61;me</key><string>x</string>") << QStringLiteral("x");
        QTest::newRow("CDATA section")
            << QByteArray("<key>name</key><string>a<![CDATA[<b> & ]]>c</string>")
            << QStringLiteral("a<b> & c");
        QTest::newRow("comment inside")
            << QByteArray("<key>name</key><string>a<!-- x -->b</string>") << QStringLiteral("ab");
        QTest::newRow("empty element") << QByteArray("<key>name</key><string/>") << QString();
        QTest::newRow("written out empty")
            << QByteArray("<key>name</key><string></string>") << QString();
        QTest::newRow("whitespace kept") << QByteArray("<key>name</key><string> a \r\n b </string>")
                                         << QStringLiteral(" a \r\n b ");
        QTest::newRow("raw UTF-8") << QByteArray("<key>name</key><string>Ελληνικά 中文 😀</string>")
                                   << QStringLiteral("Ελληνικά 中文 😀");
    }

    void textIsDecoded() {
        QFETCH(QByteArray, entry);
        QFETCH(QString, name);
        const FileModelPtr item = onlyItem(itemDocument(entry));
        QVERIFY(item);
        QCOMPARE(item->name, name);
    }

    // "-" in expected marks content that makes the list unreadable.
    void integersAndBooleans_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("expected");
        const auto integer = [](const QByteArray& content) {
            return "<integer>" + content + "</integer>";
        };
        QTest::newRow("zero") << integer("0") << QStringLiteral("0");
        QTest::newRow("negative") << integer("-86400") << QStringLiteral("-86400");
        QTest::newRow("plus sign") << integer("+7") << QStringLiteral("7");
        QTest::newRow("whitespace around") << integer(" \n\t42\t\n") << QStringLiteral("42");
        QTest::newRow("largest") << integer("9223372036854775807")
                                 << QStringLiteral("9223372036854775807");
        QTest::newRow("smallest") << integer("-9223372036854775808")
                                  << QStringLiteral("-9223372036854775808");
        QTest::newRow("unsigned 64 bits keep their bits")
            << integer("18446744073709551615") << QStringLiteral("-1");
        QTest::newRow("hexadecimal") << integer("0x1F") << QStringLiteral("31");
        QTest::newRow("empty") << integer("") << QStringLiteral("0");
        QTest::newRow("empty element") << QByteArray("<integer/>") << QStringLiteral("0");
        QTest::newRow("beyond 64 bits") << integer("18446744073709551616") << QStringLiteral("-");
        QTest::newRow("below the signed range")
            << integer("-9223372036854775809") << QStringLiteral("-");
        QTest::newRow("trailing letters") << integer("12abc") << QStringLiteral("-");
        QTest::newRow("two signs") << integer("--1") << QStringLiteral("-");
        QTest::newRow("sign only") << integer("-") << QStringLiteral("-");
        QTest::newRow("prefix only") << integer("0x") << QStringLiteral("-");
        QTest::newRow("fraction") << integer("1.5") << QStringLiteral("-");
        QTest::newRow("true") << QByteArray("<true/>") << QStringLiteral("true");
        QTest::newRow("true written out") << QByteArray("<true></true>") << QStringLiteral("true");
        QTest::newRow("false with whitespace")
            << QByteArray("<false> </false>") << QStringLiteral("false");
        QTest::newRow("true with text") << QByteArray("<true>yes</true>") << QStringLiteral("-");
    }

    void integersAndBooleans() {
        QFETCH(QByteArray, value);
        QFETCH(QString, expected);
        const bool boolean = value.startsWith("<true") || value.startsWith("<false");
        const QByteArray key = boolean ? "isEncrtypt" : "fileSize";
        const FileModelPtr item = onlyItem(itemDocument("<key>" + key + "</key>" + value));
        if (expected == u'-') {
            QVERIFY(!item);
        } else {
            QVERIFY(item);
            QCOMPARE(boolean ? QVariant(item->isEncrtypt.load()).toString()
                             : QString::number(item->fileSize),
                     expected);
        }
    }

    void documentsOfOtherWritersRead_data() {
        QTest::addColumn<QByteArray>("document");
        QByteArray apple = kCanonical;
        apple.replace("><", ">\n\t<");
        QTest::newRow("declaration, document type and tabs")
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD "
               "PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist "
               "version=\"1.0\">\n" +
                   apple + "\n</plist>\n";
        QByteArray crlf = plistDocument(kCanonical);
        crlf.replace("><", ">\r\n<");
        QTest::newRow("byte order mark and CRLF") << "\xEF\xBB\xBF" + crlf;
        QTest::newRow("no declaration, leading space")
            << " \n<plist version='1.0'>" + kCanonical + "</plist>";
        QTest::newRow("bare root") << kCanonical;
        QByteArray noted = kCanonical;
        noted.replace("><", "><!-- note --><");
        QTest::newRow("comments and instructions everywhere")
            << "<!-- a --><?xml-stylesheet href=\"x\"?><!DOCTYPE plist SYSTEM 'x.dtd'>"
               "<plist><!-- b -->" +
                   noted + "<?pi data?></plist><!-- c -->\n";
        QByteArray spaced = plistDocument(kCanonical);
        spaced.replace("<dict>", "<dict\n>").replace("</dict>", "</dict >");
        QTest::newRow("spaces inside tags") << spaced;
        QByteArray unknown = kCanonical;
        unknown.replace("<key>path</key>",
                        "<key>r</key><real>1.5</real><key>d</key><date>2020-01-01T00:00:00Z</date>"
                        "<key>b</key><data>\n\tAAEC\n</data><key>n</key><dict><key>a</key><array>"
                        "<integer>1</integer><dict/><array/><false/></array></dict>"
                        "<key>path</key>");
        QTest::newRow("unknown keys of every type") << plistDocument(unknown);
    }

    void documentsOfOtherWritersRead() {
        QFETCH(QByteArray, document);
        const auto read = parse(document);
        QVERIFY(read);
        QCOMPARE(describe(*read), describe(*parse(plistDocument(kCanonical))));
    }

    void malformedDocumentsAreUnreadable_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray named = "<key>name</key><string>x</string>";
        QTest::newRow("unclosed string") << rowDocument("<key>name</key><string>x</dict>");
        QTest::newRow("unclosed dict") << plistDocument("<array><dict></array>");
        QTest::newRow("mismatched end") << plistDocument("<array><dict></array></dict>");
        QTest::newRow("unknown element") << rowDocument("<key>a</key><foo/>");
        QTest::newRow("text between elements") << rowDocument(named + "stray");
        QTest::newRow("text after the root") << plistDocument("<array/>x");
        QTest::newRow("text after the document") << plistDocument("<array/>") + "x";
        QTest::newRow("second root value") << plistDocument("<array/><array/>");
        QTest::newRow("empty plist") << plistDocument("");
        QTest::newRow("plist inside a value") << plistDocument("<array><plist/></array>");
        QTest::newRow("unknown entity") << rowDocument("<key>name</key><string>&nbsp;</string>");
        QTest::newRow("reference without semicolon")
            << rowDocument("<key>name</key><string>&amp</string>");
        QTest::newRow("reference to zero") << rowDocument("<key>name</key><string>&#0;</string>");
        QTest::newRow("reference to a surrogate")
            << rowDocument("<key>name</key><string>&#xD800;</string>");
        QTest::newRow("reference beyond Unicode")
            << rowDocument("<key>name</key><string>&#x110000;</string>");
        QTest::newRow("reference with sign")
            << rowDocument("<key>name</key><string>&#-65;</string>");
        QTest::newRow("zero byte")
            << rowDocument(QByteArray("<key>name</key><string>a\0b</string>", 35));
        QTest::newRow("not UTF-8") << rowDocument("<key>name</key><string>\xC3\x28</string>");
        QTest::newRow("key without value") << rowDocument(named + "<key>path</key>");
        QTest::newRow("two keys in a row")
            << rowDocument("<key>name</key><key>path</key><string>x</string>");
        QTest::newRow("value without key") << rowDocument("<string>x</string>");
        QTest::newRow("key in an array") << plistDocument("<array><key>a</key></array>");
        QTest::newRow("name is an integer") << rowDocument("<key>name</key><integer>1</integer>");
        QTest::newRow("name is a real") << rowDocument("<key>name</key><real>1</real>");
        QTest::newRow("createDate is a date")
            << itemDocument("<key>createDate</key><date>2020-01-01T00:00:00Z</date>");
        QTest::newRow("path is data") << itemDocument("<key>path</key><data>AAAA</data>");
        QTest::newRow("isEncrtypt is a string")
            << itemDocument("<key>isEncrtypt</key><string>true</string>");
        QTest::newRow("FileModel is a dict") << rowDocument("<key>FileModel</key><dict/>");
        QTest::newRow("internal subset")
            << QByteArray("<!DOCTYPE plist [<!ENTITY x \"y\">]><plist><array/></plist>");
        QTest::newRow("document type inside") << plistDocument("<array><!DOCTYPE x></array>");
        QTest::newRow("unterminated comment") << plistDocument("<array/><!-- x");
        QTest::newRow("unterminated CDATA")
            << rowDocument("<key>name</key><string><![CDATA[x</string>");
        QTest::newRow("attribute without quotes")
            << QByteArray("<plist version=1.0><array/></plist>");
        QTest::newRow("slash inside a tag") << plistDocument("<array/ >");
        QTest::newRow("garbage in the declaration")
            << QByteArray("<?xml version=\"1.0\" garbage?><plist><array/></plist>");
        QTest::newRow("declaration without end") << QByteArray("<?xml version=\"1.0\"");
        QTest::newRow("garbage") << randomBytes(300);
    }

    void malformedDocumentsAreUnreadable() {
        QFETCH(QByteArray, data);
        QVERIFY(!parse(data));
    }

    void nestingIsLimitedWithoutRecursion_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("readable");
        // plist, rows and row take three of the sixteen levels.
        QTest::newRow("13 arrays") << rowNesting(13, "<array>", "</array>") << true;
        QTest::newRow("14 arrays") << rowNesting(14, "<array>", "</array>") << false;
        QTest::newRow("a string in 12 arrays")
            << rowNesting(12, "<array>", "</array>", "<string/>") << true;
        QTest::newRow("a string in 13 arrays")
            << rowNesting(13, "<array>", "</array>", "<string/>") << false;
        QTest::newRow("12 dictionaries")
            << rowNesting(12, "<dict><key>a</key>", "</dict>", "<true/>") << true;
        QTest::newRow("13 dictionaries")
            << rowNesting(13, "<dict><key>a</key>", "</dict>", "<true/>") << false;
        QTest::newRow("100000 arrays") << rowNesting(100'000, "<array>", "</array>") << false;
        QTest::newRow("100000 dictionaries")
            << rowNesting(100'000, "<dict><key>a</key>", "</dict>", "<true/>") << false;
    }

    void nestingIsLimitedWithoutRecursion() {
        QFETCH(QByteArray, data);
        QFETCH(bool, readable);
        QCOMPARE(parse(data).has_value(), readable);
    }

    // Cutting a list short anywhere must never give a different list.
    void everyTruncatedPrefixIsUnreadable_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray written =
            groupListData(sampleList(QStringLiteral("/home/u")), ListKind::Local);
        QTest::newRow("written") << written;
        QTest::newRow("binary") << binaryFromXml(written);
        QByteArray decorated = plistDocument(kCanonical);
        decorated.replace("<string>/home/u/a</string>",
                          "<string>/home/<![CDATA[u]]>/&#x61;</string><!-- c -->");
        QTest::newRow("decorated") << decorated;
    }

    void everyTruncatedPrefixIsUnreadable() {
        QFETCH(QByteArray, data);
        const auto whole = parse(data);
        QVERIFY(whole);
        const QStringList expected = describe(*whole);
        for (qsizetype length = 0; length < data.size(); ++length) {
            const auto read = parse(data.left(length));
            if (read)
                QCOMPARE(describe(*read), expected);
        }
    }
};

VEXO_TEST_MAIN(XmlPlistReaderTest)
#include "tst_xmlplistreader.moc"
