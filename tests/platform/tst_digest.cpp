#include "platform/Digest.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <unistd.h>

using namespace vexo::platform;
using vexo::test::writeFile;

class DigestTest : public QObject {
    Q_OBJECT
private slots:
    void textDigestsMatchKnownValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digest");
        QTest::newRow("empty") << ""
                               << "D41D8CD98F00B204E9800998ECF8427E";
        QTest::newRow("abc") << "abc"
                             << "900150983CD24FB0D6963F7D28E17F72";
        QTest::newRow("utf-8") << QStringLiteral("密码 é") << "";
    }

    void textDigestsMatchKnownValues() {
        QFETCH(QString, text);
        QFETCH(QString, digest);
        const QString independent = QString::fromLatin1(
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex().toUpper());
        QCOMPARE(MD5_32BitUpper(text), independent);
        if (!digest.isEmpty())
            QCOMPARE(MD5_32BitUpper(text), digest);
    }

    void textDigestStopsAtTheFirstZero() {
        QCOMPARE(MD5_32BitUpper(QStringLiteral("abc") + QChar(0) + QStringLiteral("def")),
                 MD5_32BitUpper(QStringLiteral("abc")));
    }

    void fileDigestOfRegularFiles_data() {
        QTest::addColumn<qsizetype>("size");
        QTest::newRow("empty") << qsizetype(0);
        QTest::newRow("one byte") << qsizetype(1);
        QTest::newRow("one buffer") << qsizetype(1 << 20);
        QTest::newRow("past one buffer") << qsizetype((1 << 20) + 17);
    }

    void fileDigestOfRegularFiles() {
        QFETCH(qsizetype, size);
        const QByteArray content = vexo::test::randomBytes(size, 7);
        const QString path = dir_.filePath(QStringLiteral("f-%1").arg(size));
        writeFile(path, content);
        QCOMPARE(fileDigest(path),
                 QString::fromLatin1(
                     QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex().toUpper()));
    }

    void fileDigestIsEmptyForAnythingElse() {
        QCOMPARE(fileDigest(dir_.path()), QString());
        QCOMPARE(fileDigest(dir_.filePath(QStringLiteral("missing"))), QString());
        QCOMPARE(fileDigest(QString()), QString());
        const QString dangling = dir_.filePath(QStringLiteral("dangling"));
        QVERIFY(::symlink("nowhere", QFile::encodeName(dangling).constData()) == 0);
        QCOMPARE(fileDigest(dangling), QString());
    }

    void fileDigestFollowsALinkToAFile() {
        const QString target = dir_.filePath(QStringLiteral("target"));
        writeFile(target, "content");
        const QString link = dir_.filePath(QStringLiteral("link"));
        QVERIFY(::symlink("target", QFile::encodeName(link).constData()) == 0);
        QCOMPARE(fileDigest(link), fileDigest(target));
    }

private:
    QTemporaryDir dir_;
};

VEXO_TEST_MAIN(DigestTest)
#include "tst_digest.moc"
