#include "support/TestEnvironment.h"
#include "vault/ProgressText.h"

using namespace vexo;
using vault::ProgressThinner;

class ProgressTextTest : public QObject {
    Q_OBJECT
private slots:
    void sizeTextsSwitchUnitAtTheirBoundaries_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "0.00 B,";
        QTest::newRow("1024") << qint64(1024) << "1024.00 B,";
        QTest::newRow("1025") << qint64(1025) << "1.00 KB,";
        QTest::newRow("1 MiB") << qint64(1048576) << "1024.00 KB,";
        QTest::newRow("1 MiB + 1") << qint64(1048577) << "1.00 MB,";
        QTest::newRow("1 GiB") << qint64(1073741824) << "1024.00 MB,";
        QTest::newRow("1.5 GiB") << qint64(1610612736) << "1.50 GB,";
    }

    void sizeTextsSwitchUnitAtTheirBoundaries() {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        store::FileModel item;
        item.fileSize = bytes;
        QVERIFY2(vault::contentSizeForPath(item).startsWith(text),
                 qPrintable(vault::contentSizeForPath(item)));
    }

    void secondsLeftFollowTheRateSoFar() {
        store::FileModel item;
        item.fileSize = 1000;
        item.startEncryptDate = 10'000;
        item.encryptDuration = 12'000; // 250 bytes took 2 s: 750 more take 6 s
        const auto progress = vault::progressOf(item, 250);
        QCOMPARE(progress.fraction, 0.25f);
        QCOMPARE(progress.secondsLeft, 6.0);
    }

    void progressWithoutAnythingToMeasure() {
        store::FileModel empty;
        QCOMPARE(vault::progressOf(empty, 0).fraction, 1.0f); // nothing to do is done
        store::FileModel started;
        started.fileSize = 100;
        QCOMPARE(vault::progressOf(started, 0).secondsLeft, 0.0); // no rate yet
        QCOMPARE(vault::progressStateText({0.0f, 0.0}), QStringLiteral("Processing…"));
        QVERIFY(vault::progressStateText({0.5f, 5.2}).contains(QStringLiteral("6")));
    }

    void thinningPassesOneReportInSixAndAlwaysTheLast() {
        ProgressThinner thinner;
        QList<bool> passed;
        for (int i = 0; i < 12; ++i)
            passed << thinner.shouldReport(0.5f);
        QCOMPARE(passed.count(true), 2);
        QCOMPARE(passed.at(5), true);
        QCOMPARE(thinner.shouldReport(1.0f), true);
    }
};

VEXO_TEST_MAIN(ProgressTextTest)
#include "tst_progresstext.moc"
