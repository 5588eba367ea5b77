#include "platform/gui/ThumbnailWriter.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QImageReader>

using namespace vexo;

// The list's pictures of added items: fitted, never enlarged, in TIFF.
class ThumbnailWriterTest : public QObject {
    Q_OBJECT
private slots:
    void aPictureIsFittedInto200Square_data() {
        QTest::addColumn<QSize>("original");
        QTest::addColumn<QSize>("thumbnail");
        QTest::newRow("wide") << QSize(1000, 500) << QSize(200, 100);
        QTest::newRow("tall") << QSize(300, 600) << QSize(100, 200);
        QTest::newRow("small stays small") << QSize(50, 30) << QSize(50, 30);
    }

    void aPictureIsFittedInto200Square() {
        QFETCH(QSize, original);
        QFETCH(QSize, thumbnail);
        const QString source = test::scratchRoot() + QStringLiteral("/picture.png");
        QImage image(original, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(source));
        const QString out = test::scratchRoot() + QStringLiteral("/picture.jpg");
        QVERIFY(platform::writeItemThumbnail(source, out, true));
        QImageReader written(out);
        QCOMPARE(written.format(), QByteArray("tiff"));
        QCOMPARE(written.size(), thumbnail);
    }

    void aKindIconIsWrittenOnlyOnce() {
        const QString source = test::scratchRoot() + QStringLiteral("/report.pdf");
        test::writeFile(source, "%PDF-1.4");
        const QString out = test::scratchRoot() + QStringLiteral("/pdfjpg.jpg");
        QVERIFY(platform::writeItemThumbnail(source, out, false));
        QCOMPARE(QImageReader(out).format(), QByteArray("tiff"));
        test::writeFile(out, "kept");
        QVERIFY(platform::writeItemThumbnail(source, out, false));
        QCOMPARE(test::readFile(out), QByteArray("kept"));
    }

    void aPictureThatCannotBeReadWritesNothing() {
        const QString source = test::scratchRoot() + QStringLiteral("/broken.jpg");
        test::writeFile(source, "not a picture");
        const QString out = test::scratchRoot() + QStringLiteral("/broken-thumb.jpg");
        QVERIFY(!platform::writeItemThumbnail(source, out, true));
        QVERIFY(!QFile::exists(out));
    }
};

VEXO_TEST_MAIN(ThumbnailWriterTest)
#include "tst_thumbnailwriter.moc"
