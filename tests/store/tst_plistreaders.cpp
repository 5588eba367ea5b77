#include "GroupListSamples.h"
#include "store/PlistNesting.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QtEndian>

using namespace vexo::test;

// The XML reader and the binary checks before libplist, given what other
// writers make and what no writer makes.
namespace {

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

QByteArray bigEndian(quint64 value, int width) {
    QByteArray bytes(8, '\0');
    qToBigEndian(value, bytes.data());
    return bytes.right(width);
}

// Hand-built binary property lists ("bplist00", 4-byte offsets and
// references) for input no writer makes. An array refers to objects by number.
QByteArray binaryArray(const QList<quint32>& references) {
    QByteArray object(1, static_cast<char>(0xA0 | references.size()));
    for (const quint32 reference : references)
        object += bigEndian(reference, 4);
    return object;
}

QByteArray binaryPlist(const QList<QByteArray>& objects, quint64 topObject = 0) {
    QByteArray data("bplist00");
    QByteArray offsets;
    for (const QByteArray& object : objects) {
        offsets += bigEndian(static_cast<quint64>(data.size()), 4);
        data += object;
    }
    const auto tableOffset = static_cast<quint64>(data.size());
    return data + offsets + QByteArray(6, '\0') + "\x04\x04" +
           bigEndian(static_cast<quint64>(objects.size()), 8) + bigEndian(topObject, 8) +
           bigEndian(tableOffset, 8);
}

// Arrays nested depth deep, each holding the next.
QByteArray nestedBinaryArrays(int depth) {
    QList<QByteArray> objects;
    for (int i = 1; i < depth; ++i)
        objects.append(binaryArray({static_cast<quint32>(i)}));
    objects.append(binaryArray({}));
    return binaryPlist(objects);
}

// libplist's binary form of a group with more items than fit in a marker's
// count bits.
QByteArray libplistBinaryList() {
    auto group = std::make_shared<GroupModel>();
    for (int i = 0; i < 20; ++i) {
        group->fileModels.append(std::make_shared<FileModel>());
        group->fileModels.last()->path = QString::number(i); // no two items alike
    }
    return binaryFromXml(groupListData({group}, ListKind::Local));
}

} // namespace

class PlistReadersTest : public QObject {
    Q_OBJECT
private slots:
    // An item entry and the item's name|fileSize|isEncrtypt, "-" when the
    // list is unreadable.
    void valuesAreDecoded_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* tag, const QByteArray& entry, const QString& expected) {
            QTest::newRow(tag) << entry << expected;
        };
        const auto name = [](const QByteArray& text) {
            return "<key>name</key><string>" + text + "</string>";
        };
        const auto size = [](const QByteArray& text) {
            return "<key>fileSize</key><integer>" + text + "</integer>";
        };
        add("entities", name("&lt;&gt;&amp;&quot;&apos;"), u"<>&\"'|0|false"_s);
        add("character references", name("&#233;&#x4E2D;&#x1F600;&#9;"), u"é中😀\t|0|false"_s);
        add("CDATA section", name("a<![CDATA[<b> & ]]>c"), u"a<b> & c|0|false"_s);
        add("comment inside", name("a<!-- x -->b"), u"ab|0|false"_s);
        add("whitespace kept", name(" a \r\n b "), u" a \r\n b |0|false"_s);
        add("empty string element", "<key>name</key><string/>", u"|0|false"_s);
        add("reference in the key", "<key>n&#x61;me</key><string>x</string>", u"x|0|false"_s);
        add("plus sign", size("+7"), u"|7|false"_s);
        add("whitespace around", size(" \n\t42\t\n"), u"|42|false"_s);
        add("unsigned 64 bits keep their bits", size("18446744073709551615"), u"|-1|false"_s);
        add("hexadecimal", size("0x1F"), u"|31|false"_s);
        add("empty", size(""), u"|0|false"_s);
        add("empty integer element", "<key>fileSize</key><integer/>", u"|0|false"_s);
        add("beyond 64 bits", size("18446744073709551616"), u"-"_s);
        add("below the signed range", size("-9223372036854775809"), u"-"_s);
        add("trailing letters", size("12abc"), u"-"_s);
        add("two signs", size("--1"), u"-"_s);
        add("sign only", size("-"), u"-"_s);
        add("prefix only", size("0x"), u"-"_s);
        add("fraction", size("1.5"), u"-"_s);
        add("true written out", "<key>isEncrtypt</key><true></true>", u"|0|true"_s);
        add("false with whitespace", "<key>isEncrtypt</key><false> </false>", u"|0|false"_s);
        add("true with text", "<key>isEncrtypt</key><true>yes</true>", u"-"_s);
    }

    void valuesAreDecoded() {
        QFETCH(QByteArray, entry);
        QFETCH(QString, expected);
        const auto read = parse(itemDocument(entry));
        QCOMPARE(read.has_value(), expected != u"-"_s);
        if (read) {
            const FileModel& item = *read->at(0)->fileModels.at(0);
            QCOMPARE(fieldsLine({item.name, item.fileSize, item.isEncrtypt.load()}), expected);
        }
    }

    void documentsOfOtherWritersRead_data() {
        QTest::addColumn<QByteArray>("document");
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

    // Hostile or damaged input, and values of a type the key does not hold.
    void unreadableLists_data() {
        QTest::addColumn<QByteArray>("data");
        const auto add = [](const char* tag, const QByteArray& data) {
            QTest::newRow(tag) << data;
        };
        const auto name = [](const QByteArray& text) {
            return rowDocument("<key>name</key><string>" + text + "</string>");
        };
        add("unclosed string", rowDocument("<key>name</key><string>x</dict>"));
        add("unclosed dict", plistDocument("<array><dict></array>"));
        add("mismatched end", plistDocument("<array><dict></array></dict>"));
        add("unknown element", rowDocument("<key>a</key><foo/>"));
        add("text between elements", rowDocument("<key>name</key><string>x</string>stray"));
        add("text after the root", plistDocument("<array/>x"));
        add("text after the document", plistDocument("<array/>") + "x");
        add("second root value", plistDocument("<array/><array/>"));
        add("empty plist", plistDocument(""));
        add("plist inside a value", plistDocument("<array><plist/></array>"));
        add("unknown entity", name("&nbsp;"));
        add("reference without semicolon", name("&amp"));
        add("reference to zero", name("&#0;"));
        add("reference to a surrogate", name("&#xD800;"));
        add("reference beyond Unicode", name("&#x110000;"));
        add("reference with sign", name("&#-65;"));
        add("zero byte", name(QByteArray("a\0b", 3)));
        add("not UTF-8", name("\xC3\x28"));
        add("key without value", rowDocument("<key>name</key><string>x</string><key>path</key>"));
        add("two keys in a row", rowDocument("<key>name</key><key>path</key><string>x</string>"));
        add("value without key", rowDocument("<string>x</string>"));
        add("key in an array", plistDocument("<array><key>a</key></array>"));
        add("internal subset", "<!DOCTYPE plist [<!ENTITY x \"y\">]><plist><array/></plist>");
        add("document type inside", plistDocument("<array><!DOCTYPE x></array>"));
        add("unterminated comment", plistDocument("<array/><!-- x"));
        add("unterminated CDATA", name("<![CDATA[x"));
        add("attribute without quotes", "<plist version=1.0><array/></plist>");
        add("slash inside a tag", plistDocument("<array/ >"));
        add("garbage in the declaration", "<?xml version=\"1.0\" garbage?><plist><array/></plist>");
        add("declaration without end", "<?xml version=\"1.0\"");
        add("garbage", randomBytes(300));
        add("empty", QByteArray());
        add("binary garbage", QByteArray("bplist00") + randomBytes(200));
        add("root dictionary", plistDocument("<dict><key>a</key><string>x</string></dict>"));
        add("row string", plistDocument("<array><string>x</string></array>"));
        add("FileModel dict", rowDocument("<key>FileModel</key><dict/>"));
        add("item string", rowDocument("<key>FileModel</key><array><string>x</string></array>"));
        add("isHeader string", rowDocument("<key>isHeader</key><string>true</string>"));
        add("name integer", rowDocument("<key>name</key><integer>1</integer>"));
        add("name real", rowDocument("<key>name</key><real>1</real>"));
        add("path data", itemDocument("<key>path</key><data>AAAA</data>"));
        add("fileSize string", itemDocument("<key>fileSize</key><string>12</string>"));
        add("createDate date",
            itemDocument("<key>createDate</key><date>2020-01-01T00:00:00Z</date>"));
        add("isEncrtypt integer", itemDocument("<key>isEncrtypt</key><integer>1</integer>"));
        add("isEncrtypt string", itemDocument("<key>isEncrtypt</key><string>true</string>"));
    }

    void unreadableLists() {
        QFETCH(QByteArray, data);
        for (const ListKind kind : {ListKind::Local, ListKind::Notes, ListKind::Drive})
            QVERIFY(!parse(data, kind));
    }

    // plist, rows and row take three of the sixteen levels.
    void nestingIsLimitedWithoutRecursion_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("readable");
        const QByteArray array = "<array>", arrayEnd = "</array>";
        const QByteArray dict = "<dict><key>a</key>", dictEnd = "</dict>";
        QTest::newRow("13 arrays") << rowNesting(13, array, arrayEnd) << true;
        QTest::newRow("14 arrays") << rowNesting(14, array, arrayEnd) << false;
        QTest::newRow("a string in 12 arrays")
            << rowNesting(12, array, arrayEnd, "<string/>") << true;
        QTest::newRow("a string in 13 arrays")
            << rowNesting(13, array, arrayEnd, "<string/>") << false;
        QTest::newRow("12 dictionaries") << rowNesting(12, dict, dictEnd, "<true/>") << true;
        QTest::newRow("13 dictionaries") << rowNesting(13, dict, dictEnd, "<true/>") << false;
        QTest::newRow("100000 arrays") << rowNesting(100'000, array, arrayEnd) << false;
        QTest::newRow("100000 dictionaries")
            << rowNesting(100'000, dict, dictEnd, "<true/>") << false;
    }

    void nestingIsLimitedWithoutRecursion() {
        QFETCH(QByteArray, data);
        QFETCH(bool, readable);
        QCOMPARE(parse(data).has_value(), readable);
    }

    // Cutting a list short anywhere never gives a different list.
    void everyTruncatedPrefixIsUnreadable_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray written = groupListData(sampleList(u"/home/u"_s), ListKind::Local);
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

    // Whatever the check refuses never reaches libplist: the list reader
    // refuses it too.
    void nestingIsBoundedAndStructureChecked_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("from libplist") << libplistBinaryList() << true;
        QTest::newRow("at the limit") << nestedBinaryArrays(16) << true;
        QTest::newRow("one level deeper") << nestedBinaryArrays(17) << false;
        QTest::newRow("a million levels deep") << nestedBinaryArrays(1'000'000) << false;
        QTest::newRow("leaf shared by two entries")
            << binaryPlist({binaryArray({1, 1}), QByteArray(1, '\x51') + 'a'}) << true;
        QTest::newRow("container in itself") << binaryPlist({binaryArray({0})}) << false;
        QTest::newRow("container shared")
            << binaryPlist({binaryArray({1, 1}), binaryArray({})}) << false;
        QTest::newRow("reference past the table") << binaryPlist({binaryArray({5})}) << false;
        QTest::newRow("top object past the table") << binaryPlist({binaryArray({})}, 3) << false;
        QTest::newRow("offset table past the end")
            << nestedBinaryArrays(3).chopped(8) + bigEndian(1u << 30, 8) << false;
        QTest::newRow("without objects") << QByteArray("bplist00").append(32, '\0') << false;
        QTest::newRow("header only") << QByteArray("bplist00") << false;
    }

    void nestingIsBoundedAndStructureChecked() {
        QFETCH(QByteArray, data);
        QFETCH(bool, accepted);
        QCOMPARE(plistNestingWithin(data, 16), accepted);
        if (!accepted)
            QVERIFY(!parse(data));
    }
};

VEXO_TEST_MAIN(PlistReadersTest)
#include "tst_plistreaders.moc"
