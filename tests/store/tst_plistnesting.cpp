#include "BinaryPlist.h"
#include "store/GroupListFile.h"
#include "store/PlistNesting.h"
#include "support/TestEnvironment.h"

#include <QtEndian>

#include <plist/plist.h>

using namespace vexo::store;
using namespace vexo::test;

namespace {

// A real writer's binary form of a list with more entries than fit in a
// marker's count bits.
QByteArray libplistBinaryList() {
    auto group = std::make_shared<GroupModel>();
    group->name = QStringLiteral("Docs");
    for (int i = 0; i < 20; ++i) {
        auto item = std::make_shared<FileModel>();
        item->path = QStringLiteral("/home/u/%1").arg(i);
        group->fileModels.append(item);
    }
    const QByteArray xml = groupListData({group}, ListKind::Local);
    return vexo::test::binaryFromXml(xml);
}

QByteArray withTableOffset(QByteArray data, quint64 offset) {
    char bytes[8];
    qToBigEndian(offset, bytes);
    data.replace(data.size() - 8, 8, QByteArray(bytes, 8));
    return data;
}

} // namespace

class PlistNestingTest : public QObject {
    Q_OBJECT
private slots:
    // Whatever the check refuses must never reach libplist: the list reader
    // refuses it too.
    void nestingIsBoundedAndStructureChecked_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("accepted");
        const QByteArray aString("\x51"
                                 "a",
                                 2);
        QTest::newRow("binary from libplist") << libplistBinaryList() << true;
        QTest::newRow("binary at the limit") << nestedBinaryArrays(16) << true;
        QTest::newRow("binary one level deeper") << nestedBinaryArrays(17) << false;
        QTest::newRow("binary a million levels deep") << nestedBinaryArrays(1'000'000) << false;
        QTest::newRow("binary leaf shared by two entries")
            << binaryPlist({binaryArray({1, 1}), aString}) << true;
        QTest::newRow("binary container in itself") << binaryPlist({binaryArray({0})}) << false;
        QTest::newRow("binary container shared")
            << binaryPlist({binaryArray({1, 1}), binaryArray({})}) << false;
        QTest::newRow("binary reference past the table")
            << binaryPlist({binaryArray({5})}) << false;
        QTest::newRow("binary top object past the table")
            << binaryPlist({binaryArray({})}, 3) << false;
        QTest::newRow("binary offset table past the end")
            << withTableOffset(nestedBinaryArrays(3), 1u << 30) << false;
        QTest::newRow("binary without objects") << QByteArray("bplist00").append(32, '\0') << false;
        QTest::newRow("binary header only") << QByteArray("bplist00") << false;
    }

    void nestingIsBoundedAndStructureChecked() {
        QFETCH(QByteArray, data);
        QFETCH(bool, accepted);
        QCOMPARE(plistNestingWithin(data, 16), accepted);
        if (!accepted)
            QVERIFY(!parseGroupList(data, ListKind::Local, kSystemDevicName));
    }
};

VEXO_TEST_MAIN(PlistNestingTest)
#include "tst_plistnesting.moc"
