#include "GroupListSamples.h"
#include "platform/VolumesRoot.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>

using namespace vexo::test;
using vexo::platform::volumePath;

Q_DECLARE_METATYPE(ListKind)

namespace {

// sampleList("/home/u") as written, libplist's line breaks and tabs left out.
const QByteArray kSampleXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST "
    "1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\"><plist version=\"1.0\"><array>"
    "<dict><key>name</key><string>FILES</string><key>index</key><integer>0</integer>"
    "<key>isHeader</key><true/><key>isAddItem</key><false/><key>isNotes</key><false/>"
    "<key>isGroupDir</key><true/><key>password</key><string>5F4DCC3B5AA765D61D8327DEB882CF99"
    "</string><key>macAddress</key><string>aa:bb:cc:dd:ee:ff</string>"
    "<key>FileModel</key><array/></dict>"
    "<dict><key>name</key><string>Docs \"2\"</string>"
    "<key>path</key><string>247696276022519890-1700000000</string>"
    "<key>index</key><integer>1</integer><key>isHeader</key><false/>"
    "<key>isAddItem</key><false/><key>isNotes</key><false/><key>isGroupDir</key><true/>"
    "<key>FileModel</key><array>"
    "<dict><key>path</key><string>/home/u/Docs/a &amp; &lt;b&gt;.txt</string>"
    "<key>md5CodePath</key><string>0123456789ABCDEF0123456789ABCDEF</string>"
    "<key>name</key><string>a &amp; &lt;b&gt;.txt</string><key>encryptedPath</key>"
    "<string>247696276022519890-1700000000/6186852287238119208</string>"
    "<key>macAddress</key><string>11:22:33:44:55:66</string>"
    "<key>createDate</key><integer>-86400</integer><key>addDate</key><integer>1700000000</integer>"
    "<key>groupIndex</key><integer>1</integer><key>fileSize</key><integer>5000000000</integer>"
    "<key>isEncrtypt</key><true/></dict>"
    "<dict><key>path</key><string>/home/u/Docs/密码</string>"
    "<key>name</key><string>密码</string><key>macAddress</key><string></string>"
    "<key>createDate</key><integer>0</integer><key>addDate</key><integer>0</integer>"
    "<key>groupIndex</key><integer>1</integer><key>fileSize</key><integer>0</integer>"
    "<key>isEncrtypt</key><false/></dict></array></dict>"
    "<dict><key>name</key><string></string><key>index</key><integer>2</integer>"
    "<key>isHeader</key><false/><key>isAddItem</key><true/><key>isNotes</key><false/>"
    "<key>isGroupDir</key><true/><key>FileModel</key><array/></dict></array></plist>";

// The elements of an XML document in order, without the layout between them.
QByteArrayList elements(QByteArray xml) {
    return xml.replace('\n', "").replace('\t', "").split('<');
}

} // namespace

class GroupListFileTest : public QObject {
    Q_OBJECT
private slots:
    void theListFormatIsKept_data() {
        QTest::addColumn<ListKind>("kind");
        QTest::newRow("local") << ListKind::Local;
        QTest::newRow("notes") << ListKind::Notes;
        QTest::newRow("drive") << ListKind::Drive;
    }

    void theListFormatIsKept() {
        QFETCH(ListKind, kind);
        QByteArray expected = kSampleXml;
        if (kind == ListKind::Notes) // the notes list never holds digests
            expected.replace("<key>md5CodePath</key><string>0123456789ABCDEF0123456789ABCDEF"
                             "</string>",
                             "");
        GroupList groups = sampleList(u"/home/u"_s);
        groups.insert(1, nullptr); // missing records are left out
        groups[2]->fileModels.insert(1, nullptr);
        const QByteArrayList written = elements(groupListData(groups, kind));
        const QByteArrayList wanted = elements(expected);
        for (qsizetype i = 0; i < std::min(written.size(), wanted.size()); ++i)
            QCOMPARE(written.at(i), wanted.at(i)); // shows the first element that differs
        QCOMPARE(written.size(), wanted.size());
    }

    // The group's and the full item's texts are text, the item's numbers number.
    void roundTripKeepsWhatEachKindReads_data() {
        QTest::addColumn<ListKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("number");
        QTest::newRow("local") << ListKind::Local << u"IMG_0001.jpg"_s << qint64(1'700'000'000);
        QTest::newRow("notes") << ListKind::Notes << u"a & b <c> \"d\" 'e' ]]> &amp; &#65;"_s
                               << qint64(-1);
        QTest::newRow("drive")
            << ListKind::Drive
            << u"Ελληνικά Русский العربية עברית हिन्दी 中文 日本語 한국어 😀 e\u0301"_s
            << std::numeric_limits<qint64>::max();
        // Characters XML has no place for: libplist keeps them raw.
        QTest::newRow("controls") << ListKind::Local << u"a\tb\r\nc\u0001\u001F\uFFFF"_s
                                  << std::numeric_limits<qint64>::min();
        QTest::newRow("empty") << ListKind::Local << QString() << qint64(0);
    }

    // In XML and binary form alike.
    void roundTripKeepsWhatEachKindReads() {
        QFETCH(ListKind, kind);
        QFETCH(QString, text);
        QFETCH(qint64, number);
        const bool drive = kind == ListKind::Drive;
        const auto sample = [&](const char* volume) {
            GroupList groups =
                sampleList(volume ? volumePath(QString::fromLatin1(volume)) : u"/home/u"_s);
            FileModel& full = *groups[1]->fileModels[0];
            groups[1]->name = full.name = full.encryptedPath = full.md5CodePath = text;
            full.createDate = full.addDate = full.fileSize = number;
            return groups;
        };
        const QByteArray xml = groupListData(sample(drive ? "OLD" : nullptr), kind);
        const GroupList expected = sample(drive ? "NEW" : nullptr);
        for (const GroupModelPtr& group : expected) {
            group->groupName = groupNameOf(kind);
            if (!drive)
                group->password = group->macAddress = QString();
            for (const FileModelPtr& item : group->fileModels) {
                item->groupName = groupNameOf(kind);
                if (drive)
                    item->macAddress.clear();
                if (kind == ListKind::Notes)
                    item->md5CodePath.clear();
            }
        }
        for (const QByteArray& data : {xml, binaryFromXml(xml)}) {
            const auto read = parse(data, kind);
            QVERIFY(read);
            QCOMPARE(describe(*read), describe(expected));
        }
    }

    void storedPositionsAndKeyOrderCarryNoMeaning() {
        const auto read = parse(plistDocument(
            "<array><dict/><dict/><dict><key>FileModel</key><array><dict><key>isEncrtypt</key>"
            "<true/><key>fileSize</key><integer>42</integer><key>groupIndex</key><integer>9"
            "</integer><key>name</key><string>a.txt</string><key>path</key><string>/home/u/a.txt"
            "</string></dict><dict><key>groupIndex</key><integer>9</integer></dict></array>"
            "<key>index</key><integer>7</integer><key>isGroupDir</key><true/><key>name</key>"
            "<string>Docs</string></dict></array>"));
        QVERIFY(read);
        QCOMPARE(describe(*read),
                 (QStringList{
                     u"||systemDevicName|||0|false|false|false|false"_s,
                     u"||systemDevicName|||1|false|false|false|false"_s,
                     u"Docs||systemDevicName|||2|false|false|false|true"_s,
                     u"  /home/u/a.txt|a.txt||3c:22:fb:01:02:03||systemDevicName|0|0|42|true|2|0"_s,
                     u"  |||3c:22:fb:01:02:03||systemDevicName|0|0|0|false|2|1"_s}));
    }

    void absentKeysReadAsEmptyZeroOrFalse() {
        const auto read = parse(plistDocument("<array><dict/><dict><key>FileModel</key>"
                                              "<array><dict/></array></dict></array>"),
                                ListKind::Drive);
        QVERIFY(read);
        const QString none = u"||NEW/MyVault.vlt|||%1|false|false|false|false"_s;
        QCOMPARE(describe(*read),
                 (QStringList{none.arg(0), none.arg(1),
                              u"  |||||NEW/MyVault.vlt|0|0|0|false|1|0"_s})); // path not moved
        const auto empty = parse(plistDocument("<array/>"));
        QVERIFY(empty && empty->isEmpty());
    }

    void anItemWithoutAddressGetsThisComputersAndKeepsIt() {
        const QByteArray list = itemDocument("<key>path</key><string>/home/u/a</string>");
        const QByteArray address = "<string>" + kTestMacAddress.toLatin1() + "</string>";
        for (const ListKind kind : {ListKind::Local, ListKind::Notes}) {
            const auto read = parse(list, kind);
            QVERIFY(read);
            QCOMPARE(read->at(0)->fileModels.at(0)->macAddress, kTestMacAddress);
            QVERIFY(groupListData(*read, kind).contains(address));
        }
        // Drive lists never read the items' addresses.
        const auto drive = parse(list, ListKind::Drive);
        QVERIFY(drive);
        QCOMPARE(drive->at(0)->fileModels.at(0)->macAddress, QString());
        QVERIFY(!groupListData(*drive, ListKind::Drive).contains(address));
        // A stored empty address is an address, not a missing one.
        const auto empty = parse(itemDocument("<key>macAddress</key><string></string>"));
        QCOMPARE(empty->at(0)->fileModels.at(0)->macAddress, QString());
    }

    void aPasswordOverrideGoesOnEveryRowButNotIntoMemory() {
        const GroupList groups = sampleList(volumePath(u"OLD"_s));
        const QString digest = u"0CC175B9C0F1B6A831C399E269772661"_s;
        const auto read = parse(groupListData(groups, ListKind::Drive, digest), ListKind::Drive);
        QVERIFY(read);
        for (const GroupModelPtr& group : *read)
            QCOMPARE(group->password, digest);
        QCOMPARE(groups[0]->password, u"5F4DCC3B5AA765D61D8327DEB882CF99"_s);
        QCOMPARE(groups[1]->password + groups[2]->password, QString());
    }

    void listFilesAreReplacedWholeOwnerOnlyAndReadSafely() {
        const QString path = dir_.filePath(u"GroupDirlist.plist"_s);
        QVERIFY(writeGroupList(path, sampleList(u"/home/u"_s), ListKind::Local));
        QCOMPARE(unixMode(path), 0600);
        const QByteArray written = readFile(path);
        QCOMPARE(describe(*readGroupList(path, ListKind::Local, kSystemDevicName)),
                 describe(*parse(written)));
        bool rewritten = true;
        {
            ScopedFileSizeLimit limit(64); // a disk that fills up part way
            rewritten = writeGroupList(path, {}, ListKind::Local);
        }
        QVERIFY(!rewritten);
        QCOMPARE(readFile(path), written);
        QVERIFY(!writeGroupList(dir_.filePath(u"no/folder/x.plist"_s), {}, ListKind::Local));
        QVERIFY(QDir().mkpath(dir_.filePath(u"folder.plist"_s)));
        QVERIFY(QFile::link(dir_.filePath(u"gone"_s), dir_.filePath(u"dangling.plist"_s)));
        for (const char* name : {"missing.plist", "folder.plist", "dangling.plist"})
            QVERIFY2(!readGroupList(dir_.filePath(QString::fromLatin1(name)), ListKind::Local,
                                    kSystemDevicName),
                     name);
    }

private:
    QTemporaryDir dir_;
};

VEXO_TEST_MAIN(GroupListFileTest)
#include "tst_grouplistfile.moc"
