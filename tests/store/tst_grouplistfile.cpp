#include "BinaryPlist.h"
#include "GroupListSamples.h"
#include "platform/VolumesRoot.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace vexo::store;
using namespace vexo::test;

Q_DECLARE_METATYPE(ListKind)

namespace {

QString driveFolder(const QString& drive) {
    return vexo::platform::volumePath(drive);
}

// Each written row's keys with the XML element of their values ("string",
// "integer", "true", "array", ...), and the same for its items; read with
// Qt's own XML reader.
struct WrittenRow {
    QMap<QString, QString> keys;
    QList<QMap<QString, QString>> items;
};

QList<WrittenRow> writtenRows(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    QList<WrittenRow> rows;
    QString key;
    int depth = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QString element = reader.name().toString();
        if (depth == 1 && reader.attributes().value(QStringLiteral("version")) != u"1.0") {
            return {};
        } else if (depth == 3 && element == QStringLiteral("dict")) {
            rows.append(WrittenRow{});
        } else if (depth == 5 && element == QStringLiteral("dict")) {
            rows.last().items.append(QMap<QString, QString>{});
        } else if (element == QStringLiteral("key")) {
            key = reader.readElementText(); // consumes the end of the key element
            --depth;
        } else if (depth == 4) {
            rows.last().keys.insert(key, element);
        } else if (depth == 6) {
            rows.last().items.last().insert(key, element);
        }
    }
    if (reader.hasError())
        qWarning("%s", qPrintable(reader.errorString()));
    return reader.hasError() ? QList<WrittenRow>() : rows;
}

QMap<QString, QString> rowKeys(std::initializer_list<std::pair<QString, QString>> pairs) {
    QMap<QString, QString> keys{{QStringLiteral("name"), QStringLiteral("string")},
                                {QStringLiteral("index"), QStringLiteral("integer")},
                                {QStringLiteral("isHeader"), QStringLiteral("false")},
                                {QStringLiteral("isAddItem"), QStringLiteral("false")},
                                {QStringLiteral("isNotes"), QStringLiteral("false")},
                                {QStringLiteral("isGroupDir"), QStringLiteral("true")},
                                {QStringLiteral("FileModel"), QStringLiteral("array")}};
    for (const auto& [key, element] : pairs)
        keys.insert(key, element);
    return keys;
}

QMap<QString, QString> itemKeys(bool withOptionalTexts, bool withDigest) {
    QMap<QString, QString> keys;
    for (const char* key : {"path", "name", "macAddress"})
        keys.insert(QString::fromLatin1(key), QStringLiteral("string"));
    for (const char* key : {"createDate", "addDate", "groupIndex", "fileSize"})
        keys.insert(QString::fromLatin1(key), QStringLiteral("integer"));
    keys.insert(QStringLiteral("isEncrtypt"),
                withOptionalTexts ? QStringLiteral("true") : QStringLiteral("false"));
    if (withOptionalTexts)
        keys.insert(QStringLiteral("encryptedPath"), QStringLiteral("string"));
    if (withOptionalTexts && withDigest)
        keys.insert(QStringLiteral("md5CodePath"), QStringLiteral("string"));
    return keys;
}

void addKindRows() {
    QTest::addColumn<ListKind>("kind");
    QTest::newRow("local") << ListKind::Local;
    QTest::newRow("notes") << ListKind::Notes;
    QTest::newRow("drive") << ListKind::Drive;
}

} // namespace

class GroupListFileTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsWhatEachKindReads_data() { addKindRows(); }

    void roundTripKeepsWhatEachKindReads() {
        QFETCH(ListKind, kind);
        const bool drive = kind == ListKind::Drive;
        const QString root = drive ? driveFolder(QStringLiteral("OLD")) : QStringLiteral("/home/u");
        const auto read = parse(groupListData(sampleList(root), kind), kind);
        QVERIFY(read);

        // What the reader of this kind gives back for the sample.
        const GroupList expected =
            sampleList(drive ? driveFolder(QStringLiteral("NEW")) : QStringLiteral("/home/u"));
        for (const GroupModelPtr& group : expected) {
            group->groupName = groupNameOf(kind);
            if (!drive) {
                group->password.clear();
                group->macAddress.clear();
            }
            for (const FileModelPtr& item : group->fileModels) {
                item->groupName = groupNameOf(kind);
                if (drive)
                    item->macAddress.clear();
                if (kind == ListKind::Notes)
                    item->md5CodePath.clear();
            }
        }
        QCOMPARE(describe(*read), describe(expected));
    }

    void writtenKeysAndTypesFollowTheFormat_data() { addKindRows(); }

    void writtenKeysAndTypesFollowTheFormat() {
        QFETCH(ListKind, kind);
        const QByteArray xml = groupListData(sampleList(QStringLiteral("/home/u")), kind);
        const QList<WrittenRow> rows = writtenRows(xml);
        QCOMPARE(rows.size(), 3);
        const QString string = QStringLiteral("string");
        QCOMPARE(rows[0].keys, rowKeys({{QStringLiteral("isHeader"), QStringLiteral("true")},
                                        {QStringLiteral("password"), string},
                                        {QStringLiteral("macAddress"), string}}));
        QCOMPARE(rows[1].keys, rowKeys({{QStringLiteral("path"), string}}));
        QCOMPARE(rows[2].keys, rowKeys({{QStringLiteral("isAddItem"), QStringLiteral("true")}}));
        QCOMPARE(rows[0].items.size(), 0);
        QCOMPARE(rows[1].items.size(), 2);
        QCOMPARE(rows[1].items[0], itemKeys(true, kind != ListKind::Notes));
        QCOMPARE(rows[1].items[1], itemKeys(false, false));
        QCOMPARE(xml.contains("md5CodePath"), kind != ListKind::Notes);
    }

    void aBinaryListReadsLikeItsXmlForm() {
        const QByteArray xml =
            groupListData(sampleList(QStringLiteral("/home/u")), ListKind::Drive);
        const auto fromXml = parse(xml, ListKind::Drive);
        const auto fromBinary = parse(binaryFromXml(xml), ListKind::Drive);
        QVERIFY(fromXml && fromBinary);
        QCOMPARE(describe(*fromBinary), describe(*fromXml));
    }

    void positionsReplaceStoredIndexes() {
        const QByteArray body = "<array><dict/><dict/>"
                                "<dict><key>index</key><integer>7</integer><key>FileModel</key>"
                                "<array><dict><key>groupIndex</key><integer>9</integer></dict>"
                                "<dict><key>groupIndex</key><integer>9</integer></dict></array>"
                                "</dict></array>";
        const auto read = parse(plistDocument(body), ListKind::Local);
        QVERIFY(read);
        QCOMPARE(read->size(), 3);
        QCOMPARE(read->at(0)->index, 0);
        QCOMPARE(read->at(2)->index, 2);
        QCOMPARE(read->at(2)->fileModels.at(0)->groupIndex, 2);
        QCOMPARE(read->at(2)->fileModels.at(1)->groupIndex, 2);
        QCOMPARE(read->at(2)->fileModels.at(1)->fileIndex, 1);
    }

    void keyOrderCarriesNoMeaning() {
        const QByteArray body =
            "<array><dict><key>FileModel</key><array><dict>"
            "<key>isEncrtypt</key><true/><key>fileSize</key><integer>42</integer>"
            "<key>name</key><string>a.txt</string><key>path</key><string>/home/u/a.txt</string>"
            "</dict></array><key>isGroupDir</key><true/><key>name</key><string>Docs</string>"
            "</dict></array>";
        const auto read = parse(plistDocument(body), ListKind::Local);
        QVERIFY(read);
        const GroupModel& group = *read->at(0);
        QCOMPARE(group.name, QStringLiteral("Docs"));
        QVERIFY(group.isGroupDir);
        const FileModel& item = *group.fileModels.at(0);
        QCOMPARE(item.path, QStringLiteral("/home/u/a.txt"));
        QCOMPARE(item.name, QStringLiteral("a.txt"));
        QCOMPARE(item.fileSize, 42);
        QVERIFY(item.isEncrtypt);
    }

    void absentKeysReadAsEmptyZeroOrFalse() {
        const auto read = parse(plistDocument("<array><dict/><dict><key>FileModel</key>"
                                              "<array><dict/></array></dict></array>"),
                                ListKind::Drive);
        QVERIFY(read);
        QCOMPARE(describe({read->at(0)}).join(u' '),
                 QStringLiteral("name= path= groupName=%1 password= macAddress= index=0 flags=0000")
                     .arg(kDriveKey));
        const FileModel& item = *read->at(1)->fileModels.at(0);
        QCOMPARE(item.path, QString()); // not moved onto the drive
        QCOMPARE(item.createDate + item.addDate + item.fileSize, 0);
        QVERIFY(!item.isEncrtypt);

        const auto empty = parse(plistDocument("<array/>"), ListKind::Local);
        QVERIFY(empty);
        QVERIFY(empty->isEmpty());
    }

    void anItemWithoutAddressGetsThisComputersAndKeepsIt() {
        const QByteArray body = "<array><dict><key>FileModel</key><array><dict>"
                                "<key>path</key><string>/home/u/a</string>"
                                "</dict></array></dict></array>";
        for (const ListKind kind : {ListKind::Local, ListKind::Notes}) {
            const auto read = parse(plistDocument(body), kind);
            QVERIFY(read);
            QCOMPARE(read->at(0)->fileModels.at(0)->macAddress, kTestMacAddress);
            const QList<WrittenRow> saved = writtenRows(groupListData(*read, kind));
            QCOMPARE(saved.at(0).items.at(0).value(QStringLiteral("macAddress")),
                     QStringLiteral("string"));
            const auto reread = parse(groupListData(*read, kind), kind);
            QCOMPARE(reread->at(0)->fileModels.at(0)->macAddress, kTestMacAddress);
        }
        // Drive lists never read the items' addresses.
        const auto drive = parse(plistDocument(body), ListKind::Drive);
        QCOMPARE(drive->at(0)->fileModels.at(0)->macAddress, QString());
        QVERIFY(groupListData(*drive, ListKind::Drive).contains("<key>macAddress</key>"));

        // A stored empty address is an address, not a missing one.
        const QByteArray emptyAddress = "<array><dict><key>FileModel</key><array><dict>"
                                        "<key>macAddress</key><string></string>"
                                        "</dict></array></dict></array>";
        QCOMPARE(parse(plistDocument(emptyAddress), ListKind::Local)
                     ->at(0)
                     ->fileModels.at(0)
                     ->macAddress,
                 QString());
    }

    void aPasswordOverrideGoesOnEveryRowButNotIntoMemory() {
        const GroupList groups = sampleList(driveFolder(QStringLiteral("OLD")));
        const QString digest = QStringLiteral("0CC175B9C0F1B6A831C399E269772661");
        const auto read = parse(groupListData(groups, ListKind::Drive, digest), ListKind::Drive);
        QVERIFY(read);
        for (const GroupModelPtr& group : *read)
            QCOMPARE(group->password, digest);
        QCOMPARE(groups[0]->password, QStringLiteral("5F4DCC3B5AA765D61D8327DEB882CF99"));
        QCOMPARE(groups[1]->password, QString());
        QCOMPARE(groups[2]->password, QString());
    }

    // Linux names may hold characters XML has no place for; libplist keeps
    // them raw and the list must still read back.
    void namesWithControlCharactersRoundTrip() {
        auto item = std::make_shared<FileModel>();
        item->name = QStringLiteral("a") + QChar(0x01) + QChar(0x1F) + QChar(0xFFFF) + u'\t';
        item->path = QStringLiteral("/home/u/") + item->name;
        auto group = std::make_shared<GroupModel>();
        group->fileModels = {item};
        const auto read = parse(groupListData({group}, ListKind::Local), ListKind::Local);
        QVERIFY(read);
        QCOMPARE(read->at(0)->fileModels.at(0)->name, item->name);
        QCOMPARE(read->at(0)->fileModels.at(0)->path, item->path);
    }

    void emptyAndMissingRecordsAreWrittenSafely() {
        auto group = std::make_shared<GroupModel>();
        group->fileModels = {std::make_shared<FileModel>(), nullptr};
        const auto read =
            parse(groupListData({nullptr, group, nullptr}, ListKind::Local), ListKind::Local);
        QVERIFY(read);
        QCOMPARE(read->size(), 1);
        QCOMPARE(read->at(0)->name, QString());
        QCOMPARE(read->at(0)->fileModels.size(), 1);
        QCOMPARE(read->at(0)->fileModels.at(0)->path, QString());
        QCOMPARE(read->at(0)->fileModels.at(0)->macAddress, QString());
    }

    void damagedDataIsUnreadable_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray written =
            groupListData(sampleList(QStringLiteral("/home/u")), ListKind::Local);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a list at all");
        QTest::newRow("binary garbage") << QByteArray("bplist00") + randomBytes(200);
        QTest::newRow("truncated xml") << written.left(written.size() / 2);
        QTest::newRow("truncated binary") << binaryFromXml(written).chopped(9);
        QTest::newRow("root dictionary")
            << plistDocument("<dict><key>name</key><string>x</string></dict>");
        QTest::newRow("row string") << plistDocument("<array><string>x</string></array>");
        QTest::newRow("FileModel not an array")
            << rowDocument("<key>FileModel</key><dict><key>a</key><string>b</string></dict>");
        QTest::newRow("item not a dictionary")
            << rowDocument("<key>FileModel</key><array><string>x</string></array>");
        QTest::newRow("isHeader string") << rowDocument("<key>isHeader</key><string>true</string>");
        QTest::newRow("name integer") << rowDocument("<key>name</key><integer>1</integer>");
        QTest::newRow("fileSize string")
            << rowDocument("<key>FileModel</key><array><dict><key>fileSize</key>"
                           "<string>12</string></dict></array>");
        QTest::newRow("isEncrtypt integer")
            << rowDocument("<key>FileModel</key><array><dict><key>isEncrtypt</key>"
                           "<integer>1</integer></dict></array>");
    }

    void damagedDataIsUnreadable() {
        QFETCH(QByteArray, data);
        for (const ListKind kind : {ListKind::Local, ListKind::Notes, ListKind::Drive})
            QVERIFY(!parse(data, kind));
    }

    void listFilesOnDisk() {
        const QString path = dir_.filePath(QStringLiteral("GroupDirlist.plist"));
        const GroupList groups = sampleList(QStringLiteral("/home/u"));
        QVERIFY(writeGroupList(path, groups, ListKind::Local));
        QCOMPARE(unixMode(path), 0600);
        const auto read = readGroupList(path, ListKind::Local, kSystemDevicName);
        QVERIFY(read);
        QCOMPARE(describe(*read), describe(*parse(readFile(path), ListKind::Local)));
    }

    void unreadableFilesReadAsNothing() {
        const QString folder = dir_.filePath(QStringLiteral("folder.plist"));
        QVERIFY(QDir().mkpath(folder));
        const QString dangling = dir_.filePath(QStringLiteral("dangling.plist"));
        QVERIFY(QFile::link(dir_.filePath(QStringLiteral("gone")), dangling));
        for (const QString& path :
             {dir_.filePath(QStringLiteral("missing.plist")), folder, dangling})
            QVERIFY2(!readGroupList(path, ListKind::Local, kSystemDevicName), qPrintable(path));
    }

    void aFailedWriteKeepsTheOldFile() {
        const QString path = dir_.filePath(QStringLiteral("keep.plist"));
        QVERIFY(writeGroupList(path, {}, ListKind::Local));
        const QByteArray old = readFile(path);
        bool written = true;
        {
            ScopedFileSizeLimit limit(64);
            written = writeGroupList(path, sampleList(QStringLiteral("/home/u")), ListKind::Local);
        }
        QVERIFY(!written);
        QCOMPARE(readFile(path), old);
        QVERIFY(!writeGroupList(dir_.filePath(QStringLiteral("no/folder/x.plist")), {},
                                ListKind::Local));
    }

private:
    QTemporaryDir dir_;
};

VEXO_TEST_MAIN(GroupListFileTest)
#include "tst_grouplistfile.moc"
