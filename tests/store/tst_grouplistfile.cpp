#include "BinaryPlist.h"
#include "platform/VolumesRoot.h"
#include "store/GroupListFile.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <plist/plist.h>

using namespace vexo::store;
using vexo::test::kTestMacAddress;

Q_DECLARE_METATYPE(ListKind)

namespace {

const QString kDriveKey = QStringLiteral("NEW/MyVault.vlt");

QString groupNameOf(ListKind kind) {
    switch (kind) {
    case ListKind::Local:
        return kSystemDevicName;
    case ListKind::Notes:
        return kSystemDevicNoteName;
    case ListKind::Drive:
        return kDriveKey;
    }
    return {};
}

std::optional<GroupList> parse(const QByteArray& data, ListKind kind) {
    return parseGroupList(data, kind, groupNameOf(kind), QStringLiteral("NEW"));
}

QString driveFolder(const QString& drive) {
    return vexo::platform::volumePath(drive);
}

// A header, a group with a full and a bare item, and the add row. Items lie
// below itemRoot.
GroupList sampleList(const QString& itemRoot) {
    auto header = std::make_shared<GroupModel>();
    header->name = QStringLiteral("FILES");
    header->isHeader = header->isGroupDir = true;
    header->password = QStringLiteral("5F4DCC3B5AA765D61D8327DEB882CF99");
    header->macAddress = QStringLiteral("aa:bb:cc:dd:ee:ff");

    auto full = std::make_shared<FileModel>();
    full->path = itemRoot + QStringLiteral("/Docs/a & <b>.txt");
    full->name = QStringLiteral("a & <b>.txt");
    full->encryptedPath = QStringLiteral("247696276022519890-1700000000/6186852287238119208");
    full->macAddress = QStringLiteral("11:22:33:44:55:66");
    full->md5CodePath = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    full->createDate = -86400; // a file dated before 1970
    full->addDate = 1700000000;
    full->fileSize = 5'000'000'000;
    full->isEncrtypt = true;
    full->groupIndex = 1;
    auto bare = std::make_shared<FileModel>();
    bare->path = itemRoot + QStringLiteral("/Docs/密码");
    bare->name = QStringLiteral("密码");
    bare->groupIndex = 1;
    bare->fileIndex = 1;

    auto group = std::make_shared<GroupModel>();
    group->name = QStringLiteral("Docs \"2\"");
    group->path = QStringLiteral("247696276022519890-1700000000");
    group->index = 1;
    group->isGroupDir = true;
    group->fileModels = {full, bare};

    auto add = std::make_shared<GroupModel>();
    add->index = 2;
    add->isAddItem = add->isGroupDir = true;
    return {header, group, add};
}

QStringList describe(const FileModel& item) {
    return {QStringLiteral("path=") + item.path,
            QStringLiteral("name=") + item.name,
            QStringLiteral("encryptedPath=") + item.encryptedPath,
            QStringLiteral("macAddress=") + item.macAddress,
            QStringLiteral("md5CodePath=") + item.md5CodePath,
            QStringLiteral("groupName=") + item.groupName,
            QStringLiteral("dates=%1,%2").arg(item.createDate).arg(item.addDate),
            QStringLiteral("fileSize=%1").arg(item.fileSize),
            QStringLiteral("isEncrtypt=%1").arg(item.isEncrtypt.load()),
            QStringLiteral("position=%1,%2").arg(item.groupIndex).arg(item.fileIndex)};
}

QStringList describe(const GroupModel& group) {
    QStringList lines = {QStringLiteral("name=") + group.name,
                         QStringLiteral("path=") + group.path,
                         QStringLiteral("groupName=") + group.groupName,
                         QStringLiteral("password=") + group.password,
                         QStringLiteral("macAddress=") + group.macAddress,
                         QStringLiteral("index=%1").arg(group.index),
                         QStringLiteral("flags=%1%2%3%4")
                             .arg(group.isHeader)
                             .arg(group.isAddItem)
                             .arg(group.isNotes)
                             .arg(group.isGroupDir)};
    for (const FileModelPtr& item : group.fileModels)
        lines += describe(*item);
    return lines;
}

QStringList describe(const GroupList& groups) {
    QStringList lines;
    for (const GroupModelPtr& group : groups)
        lines += describe(*group);
    return lines;
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

QByteArray plistDocument(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body +
           "</plist>\n";
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
            groupListData(sampleList(QStringLiteral("/home/u")), ListKind::Local);
        const auto fromXml = parse(xml, ListKind::Local);
        const auto fromBinary = parse(vexo::test::binaryFromXml(xml), ListKind::Local);
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
        const GroupModel& bare = *read->at(0);
        QCOMPARE(describe(bare).join(u' '),
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
        const auto row = [](const QByteArray& content) {
            return plistDocument("<array><dict>" + content + "</dict></array>");
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a list at all");
        QTest::newRow("binary garbage") << QByteArray("bplist00") + vexo::test::randomBytes(200);
        QTest::newRow("truncated xml") << written.left(written.size() / 2);
        QTest::newRow("truncated binary") << vexo::test::binaryFromXml(written).chopped(9);
        QTest::newRow("root dictionary")
            << plistDocument("<dict><key>name</key><string>x</string></dict>");
        QTest::newRow("row string") << plistDocument("<array><string>x</string></array>");
        QTest::newRow("FileModel not an array")
            << row("<key>FileModel</key><dict><key>a</key><string>b</string></dict>");
        QTest::newRow("item not a dictionary")
            << row("<key>FileModel</key><array><string>x</string></array>");
        QTest::newRow("isHeader string") << row("<key>isHeader</key><string>true</string>");
        QTest::newRow("name integer") << row("<key>name</key><integer>1</integer>");
        QTest::newRow("fileSize string")
            << row("<key>FileModel</key><array><dict><key>fileSize</key>"
                   "<string>12</string></dict></array>");
        QTest::newRow("isEncrtypt integer")
            << row("<key>FileModel</key><array><dict><key>isEncrtypt</key>"
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
        QCOMPARE(vexo::test::unixMode(path), 0600);
        const auto read = readGroupList(path, ListKind::Local, kSystemDevicName);
        QVERIFY(read);
        QCOMPARE(describe(*read), describe(*parse(vexo::test::readFile(path), ListKind::Local)));
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
        const QByteArray old = vexo::test::readFile(path);
        bool written = true;
        {
            vexo::test::ScopedFileSizeLimit limit(64);
            written = writeGroupList(path, sampleList(QStringLiteral("/home/u")), ListKind::Local);
        }
        QVERIFY(!written);
        QCOMPARE(vexo::test::readFile(path), old);
        QVERIFY(!writeGroupList(dir_.filePath(QStringLiteral("no/folder/x.plist")), {},
                                ListKind::Local));
    }

private:
    QTemporaryDir dir_;
};

VEXO_TEST_MAIN(GroupListFileTest)
#include "tst_grouplistfile.moc"
