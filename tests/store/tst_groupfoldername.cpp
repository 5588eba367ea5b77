#include "platform/Clock.h"
#include "store/GroupFolderName.h"
#include "support/TestEnvironment.h"

using namespace vexo::store;

class GroupFolderNameTest : public QObject {
    Q_OBJECT
private slots:
    // Fixed values: names written by one process must be found by the next.
    void theHashIsFnv1aOverUtf8_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint64>("hash");
        QTest::newRow("empty") << "" << Q_UINT64_C(14695981039346656037);
        QTest::newRow("a") << "a" << Q_UINT64_C(12638187200555641996);
        QTest::newRow("foobar") << "foobar" << Q_UINT64_C(9625390261332436968);
        QTest::newRow("non-ASCII path")
            << QStringLiteral("/home/u/密码 é.txt") << Q_UINT64_C(6186852287238119208);
    }

    void theHashIsFnv1aOverUtf8() {
        QFETCH(QString, text);
        QFETCH(quint64, hash);
        QCOMPARE(stableHash(text), hash);
    }

    void namesPrintTheHashInDecimal() {
        vexo::platform::setClockForTesting([] { return qint64(1'700'000'000'999); });
        QCOMPARE(groupFolderName(QStringLiteral("Docs")),
                 QStringLiteral("247696276022519890-1700000000"));
        QCOMPARE(groupFolderName(QString()), QStringLiteral("14695981039346656037-1700000000"));
        vexo::platform::setClockForTesting({});
        QCOMPARE(itemStoreName(QStringLiteral("/home/u/密码 é.txt")),
                 QStringLiteral("6186852287238119208"));
    }
};

VEXO_TEST_MAIN(GroupFolderNameTest)
#include "tst_groupfoldername.moc"
