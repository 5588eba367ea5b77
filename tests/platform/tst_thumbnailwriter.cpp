#include "platform/gui/ThumbnailWriter.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QImageReader>

using namespace vexo;

namespace {

QString scratch(const char* name) {
    return test::scratchRoot() + u'/' + QString::fromLatin1(name);
}

} // namespace

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
        QImage image(original, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(scratch("picture.png")));
        QVERIFY(platform::writeItemThumbnail(scratch("picture.png"), scratch("picture.jpg"), true));
        QImageReader written(scratch("picture.jpg"));
        QCOMPARE(written.format(), QByteArray("tiff"));
        QCOMPARE(written.size(), thumbnail);
    }

    void aKindIconIsWrittenOnlyOnce() {
        test::writeFile(scratch("report.pdf"), "%PDF-1.4");
        QVERIFY(platform::writeItemThumbnail(scratch("report.pdf"), scratch("pdfjpg.jpg"), false));
        QCOMPARE(QImageReader(scratch("pdfjpg.jpg")).format(), QByteArray("tiff"));
        test::writeFile(scratch("pdfjpg.jpg"), "kept");
        QVERIFY(platform::writeItemThumbnail(scratch("report.pdf"), scratch("pdfjpg.jpg"), false));
        QCOMPARE(test::readFile(scratch("pdfjpg.jpg")), QByteArray("kept"));
    }

    void aPictureThatCannotBeReadWritesNothing() {
        test::writeFile(scratch("broken.jpg"), "not a picture");
        QVERIFY(!platform::writeItemThumbnail(scratch("broken.jpg"), scratch("broken-thumb.jpg"),
                                              true));
        QVERIFY(!QFile::exists(scratch("broken-thumb.jpg")));
    }
};

VEXO_TEST_MAIN(ThumbnailWriterTest)
#include "tst_thumbnailwriter.moc"
