#include "DocumentShape.h"
#include "NotesTestMain.h"
#include "notes/NotePackage.h"
#include "notes/PackageFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QUrl>

#include <sys/stat.h>

using namespace vexo;
using namespace vexo::test;
using namespace Qt::StringLiterals;

namespace {

QImage picture(QSize size, QColor color) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    image.setPixelColor(0, 0, Qt::blue); // not a plain fill, so pixels are compared for real
    return image;
}

void insertPicture(QTextCursor& cursor, const QString& name, QSizeF size = {}) {
    QTextImageFormat format;
    format.setName(name);
    if (size.isValid()) {
        format.setWidth(size.width());
        format.setHeight(size.height());
    }
    cursor.insertImage(format);
}

QImage resourceOf(const QTextDocument& document, const QString& name) {
    return document.resource(QTextDocument::ImageResource, QUrl(name))
        .value<QImage>()
        .convertToFormat(QImage::Format_ARGB32);
}

QStringList pictureNames(const QTextDocument& document) {
    QStringList names;
    for (const QString& line : documentShape(document)) {
        if (line.startsWith(u"  picture "_s))
            names << line.section(u' ', 3, 3);
    }
    return names;
}

QHash<QString, QByteArray> contentsBelow(const QString& folder) {
    QHash<QString, QByteArray> contents;
    for (const QString& file : filesBelow(folder))
        contents.insert(file, readFile(folder + u'/' + file));
    return contents;
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info.st_ino;
}

} // namespace

// A note package on disk: written whole and in one step, read back with its
// pictures, never reaching outside itself.
class NotePackageTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_.emplace();
        QVERIFY(dir_->isValid());
    }

    void savedPackageLoadsWithTextAndPictures() {
        const QString onDisk = dir_->filePath(u"outside photo.png"_s);
        QVERIFY(picture({30, 20}, Qt::red).save(onDisk));
        QTextDocument original;
        original.addResource(QTextDocument::ImageResource, QUrl(u"pasted"_s),
                             picture({16, 8}, Qt::green));
        QTextCursor cursor(&original);
        cursor.insertText(u"Übersicht 😀 "_s);
        insertPicture(cursor, u"pasted"_s, QSizeF(64, 32));
        cursor.insertBlock();
        insertPicture(cursor, QUrl::fromLocalFile(onDisk).toString());
        insertPicture(cursor, u"pasted"_s);

        QString error;
        QVERIFY2(notes::saveNotePackage(package(), original, &error), qPrintable(error));
        QCOMPARE(filesBelow(package()),
                 (QStringList{u"TXT.rtf"_s, u"image1.png"_s, u"image2.png"_s}));
        QCOMPARE(unixMode(package()), 0700);
        QCOMPARE(unixMode(package() + u"/TXT.rtf"_s), 0600);
        QCOMPARE(hiddenEntriesBeside(), QStringList());

        QTextDocument loaded;
        QVERIFY(notes::loadNotePackage(package(), &loaded));
        QCOMPARE(loaded.toPlainText(), original.toPlainText());
        QCOMPARE(pictureNames(loaded),
                 (QStringList{u"image1.png"_s, u"image2.png"_s, u"image1.png"_s}));
        QStringList expected = documentShape(original);
        expected.replaceInStrings(u"picture pasted"_s, u"picture image1.png"_s);
        expected.replaceInStrings(QUrl::fromLocalFile(onDisk).toString(), u"image2.png"_s);
        QCOMPARE(documentShape(loaded), expected);
        QCOMPARE(resourceOf(loaded, u"image1.png"_s), picture({16, 8}, Qt::green));
        QCOMPARE(resourceOf(loaded, u"image2.png"_s), picture({30, 20}, Qt::red));
        QVERIFY(!loaded.isModified());
    }

    void resavingKeepsUsedPicturesAndDropsUnusedOnes() {
        QTextDocument original;
        original.addResource(QTextDocument::ImageResource, QUrl(u"a"_s), picture({4, 4}, Qt::red));
        original.addResource(QTextDocument::ImageResource, QUrl(u"b"_s),
                             picture({5, 5}, Qt::green));
        QTextCursor cursor(&original);
        insertPicture(cursor, u"a"_s);
        insertPicture(cursor, u"b"_s);
        QVERIFY(notes::saveNotePackage(package(), original));
        const QByteArray keptBytes = readFile(package() + u"/image2.png"_s);

        QTextDocument loaded;
        QVERIFY(notes::loadNotePackage(package(), &loaded));
        QTextCursor editing(&loaded);
        editing.deleteChar(); // the first picture
        editing.movePosition(QTextCursor::End);
        loaded.addResource(QTextDocument::ImageResource, QUrl(u"new"_s), picture({6, 6}, Qt::blue));
        insertPicture(editing, u"new"_s);
        const ino_t keptInode = inodeOf(package() + u"/image2.png"_s);
        QVERIFY(notes::saveNotePackage(package(), loaded));

        QCOMPARE(filesBelow(package()),
                 (QStringList{u"TXT.rtf"_s, u"image1.png"_s, u"image2.png"_s}));
        QCOMPARE(readFile(package() + u"/image2.png"_s), keptBytes);
        QCOMPARE(inodeOf(package() + u"/image2.png"_s), keptInode); // kept, not written again
        QTextDocument again;
        QVERIFY(notes::loadNotePackage(package(), &again));
        QCOMPARE(pictureNames(again), (QStringList{u"image2.png"_s, u"image1.png"_s}));
        QCOMPARE(resourceOf(again, u"image1.png"_s), picture({6, 6}, Qt::blue));
        QCOMPARE(hiddenEntriesBeside(), QStringList());
    }

    void aChangedPictureIsWrittenAgain() {
        QTextDocument original;
        original.addResource(QTextDocument::ImageResource, QUrl(u"a"_s), picture({4, 4}, Qt::red));
        QTextCursor cursor(&original);
        insertPicture(cursor, u"a"_s);
        QVERIFY(notes::saveNotePackage(package(), original));
        QTextDocument loaded;
        QVERIFY(notes::loadNotePackage(package(), &loaded));
        loaded.addResource(QTextDocument::ImageResource, QUrl(u"image1.png"_s),
                           picture({7, 3}, Qt::yellow));
        QVERIFY(notes::saveNotePackage(package(), loaded));
        QTextDocument again;
        QVERIFY(notes::loadNotePackage(package(), &again));
        QCOMPARE(resourceOf(again, u"image1.png"_s), picture({7, 3}, Qt::yellow));
    }

    // A picture stored once keeps its file at later saves, in place and
    // after the package was moved whole.
    void aStoredPictureIsNotEncodedAgain() {
        QTextDocument document;
        document.addResource(QTextDocument::ImageResource, QUrl(u"pasted.png"_s),
                             picture({40, 30}, Qt::green));
        QTextCursor cursor(&document);
        insertPicture(cursor, u"pasted.png"_s);
        QVERIFY(notes::saveNotePackage(package(), document));
        const ino_t stored = inodeOf(package() + u"/pasted.png"_s);
        cursor.insertText(u"more"_s);
        QVERIFY(notes::saveNotePackage(package(), document));
        QCOMPARE(inodeOf(package() + u"/pasted.png"_s), stored);

        const QString moved = dir_->filePath(u"Holiday"_s);
        QVERIFY(QDir().rename(package(), moved));
        notes::notePackageMoved(moved, &document);
        QVERIFY(notes::saveNotePackage(moved, document));
        QCOMPARE(inodeOf(moved + u"/pasted.png"_s), stored);
    }

    // A picture larger than the image reader takes whole shows scaled down;
    // its file stays whole.
    void aPictureTooLargeToReadWholeKeepsItsFile() {
        const QSize huge(6000, 6000);
        QTextDocument original;
        original.addResource(QTextDocument::ImageResource, QUrl(u"huge.png"_s),
                             picture(huge, Qt::red));
        QTextCursor cursor(&original);
        insertPicture(cursor, u"huge.png"_s, QSizeF(600, 600));
        QVERIFY(notes::saveNotePackage(package(), original));
        const QString file = package() + u"/huge.png"_s;
        const ino_t stored = inodeOf(file);

        QTextDocument loaded;
        QVERIFY(notes::loadNotePackage(package(), &loaded));
        QCOMPARE(pictureNames(loaded), QStringList{u"huge.png"_s});
        const QImage shown =
            loaded.resource(QTextDocument::ImageResource, QUrl(u"huge.png"_s)).value<QImage>();
        QVERIFY(!shown.isNull());
        QVERIFY(shown.width() < huge.width());
        QTextCursor(&loaded).insertText(u"typed "_s);
        QVERIFY(notes::saveNotePackage(package(), loaded));
        QCOMPARE(inodeOf(file), stored);
        QCOMPARE(QImageReader(file).size(), huge);
    }

    void aFailedSaveLeavesTheOldPackageWhole_data() {
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<QString>("failingFile");
        QTest::newRow("the picture is cut short") << qint64(100) << u"image1.png"_s;
        QTest::newRow("the text is cut short") << qint64(4000) << u"TXT.rtf"_s;
    }

    void aFailedSaveLeavesTheOldPackageWhole() {
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, failingFile);
        QTextDocument old;
        old.setPlainText(u"the old note"_s);
        QVERIFY(notes::saveNotePackage(package(), old));
        const QHash<QString, QByteArray> before = contentsBelow(package());

        QTextDocument bigger;
        bigger.addResource(QTextDocument::ImageResource, QUrl(u"p"_s),
                           QImage(randomPixels(8, 8))); // about 300 bytes as PNG
        QTextCursor cursor(&bigger);
        insertPicture(cursor, u"p"_s);
        cursor.insertText(QString(10000, u'x') + u"中"_s.repeated(2000)); // over 20 kB of RTF
        bool saved = true;
        QString error;
        {
            ScopedFileSizeLimit limit(sizeLimit);
            saved = notes::saveNotePackage(package(), bigger, &error);
        }
        QVERIFY(!saved);
        QVERIFY2(error.startsWith(failingFile), qPrintable(error));
        QCOMPARE(contentsBelow(package()), before);
        QCOMPARE(hiddenEntriesBeside(), QStringList());
    }

    void aFullDiskLeavesTheOldPackageWhole() {
        const QString small = dir_->filePath(u"small"_s);
        TmpfsMount mount(small, 64 * 1024);
        QVERIFY2(mount.mounted(), qPrintable(mount.whyNot()));
        const QString path = small + u"/Note0_1"_s;
        QTextDocument old;
        old.setPlainText(u"fits"_s);
        QVERIFY(notes::saveNotePackage(path, old));
        QTextDocument huge;
        huge.setPlainText(u"日本語"_s.repeated(20000));
        QString error;
        QVERIFY(!notes::saveNotePackage(path, huge, &error));
        QVERIFY(!error.isEmpty());
        QTextDocument loaded;
        QVERIFY(notes::loadNotePackage(path, &loaded));
        QCOMPARE(loaded.toPlainText(), u"fits"_s);
        QCOMPARE(QDir(small).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"Note0_1"_s});
    }

    void savingWorksWhereFoldersCannotBeSwapped() {
        notes::setRenameExchangeMissingForTesting(true);
        QTextDocument first;
        first.setPlainText(u"first"_s);
        QTextDocument second;
        second.setPlainText(u"second"_s);
        const bool saved =
            notes::saveNotePackage(package(), first) && notes::saveNotePackage(package(), second);
        notes::setRenameExchangeMissingForTesting(false);
        QVERIFY(saved);
        QTextDocument loaded;
        QVERIFY(notes::loadNotePackage(package(), &loaded));
        QCOMPARE(loaded.toPlainText(), u"second"_s);
        QCOMPARE(hiddenEntriesBeside(), QStringList());
    }

    void aSaveIntoAMissingFolderFails() {
        QTextDocument document;
        QString error;
        QVERIFY(!notes::saveNotePackage(dir_->filePath(u"no/such/Note"_s), document, &error));
        QVERIFY(!error.isEmpty());
    }

    void unreadablePackagesLoadEmpty_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("no package") << u"missing"_s;
        QTest::newRow("no main file") << u"no TXT.rtf"_s;
        QTest::newRow("main file is a folder") << u"folder"_s;
        QTest::newRow("main file is a dangling link") << u"dangling"_s;
        QTest::newRow("main file is not RTF") << u"not rtf"_s;
        QTest::newRow("package is a link") << u"linked package"_s;
        QTest::newRow("main file is a link") << u"linked file"_s;
    }

    void unreadablePackagesLoadEmpty() {
        QFETCH(QString, damage);
        const QString outside = dir_->filePath(u"outside"_s);
        writeFile(outside + u"/TXT.rtf"_s, "{\\rtf1 secret}");
        if (damage != u"missing"_s && damage != u"linked package"_s)
            QVERIFY(QDir().mkpath(package()));
        const QString main = package() + u"/TXT.rtf"_s;
        if (damage == u"folder"_s)
            QVERIFY(QDir().mkpath(main));
        else if (damage == u"dangling"_s)
            QVERIFY(QFile::link(dir_->filePath(u"gone"_s), main));
        else if (damage == u"not rtf"_s)
            writeFile(main, "plain words");
        else if (damage == u"linked package"_s)
            QVERIFY(QFile::link(outside, package()));
        else if (damage == u"linked file"_s)
            QVERIFY(QFile::link(outside + u"/TXT.rtf"_s, main));

        QTextDocument document;
        document.setPlainText(u"left over from the last note"_s);
        QVERIFY(!notes::loadNotePackage(package(), &document));
        QVERIFY(document.isEmpty());
    }

    void anEmptyMainFileIsAnEmptyNote() {
        writeFile(package() + u"/TXT.rtf"_s, {});
        QTextDocument document;
        document.setPlainText(u"old"_s);
        QVERIFY(notes::loadNotePackage(package(), &document));
        QVERIFY(document.isEmpty());
    }

    void pictureReferencesOutsideThePackageAreRefused() {
        const QString secret = dir_->filePath(u"secret.png"_s);
        QVERIFY(picture({3, 3}, Qt::black).save(secret));
        QVERIFY(QDir().mkpath(package() + u"/sub"_s));
        QVERIFY(picture({3, 3}, Qt::black).save(package() + u"/sub/inner.png"_s));
        QVERIFY(QFile::link(secret, package() + u"/link.png"_s));
        QByteArray rtf = "{\\rtf1 text";
        for (const QByteArray& target :
             {QByteArray("../secret.png"), QFile::encodeName(secret), QByteArray("sub/inner.png"),
              QByteArray("link.png"), QByteArray("..\\\\secret.png"),
              "file://" + QFile::encodeName(secret)})
            rtf += "{\\field{\\*\\fldinst{INCLUDEPICTURE \"" + target + "\" \\\\d}}{\\fldrslt}}";
        writeFile(package() + u"/TXT.rtf"_s, rtf + " end}");
        QTextDocument document;
        QVERIFY(notes::loadNotePackage(package(), &document));
        QCOMPARE(document.toPlainText(), u"text end"_s);
        QCOMPARE(pictureNames(document), QStringList());
    }

    void savingOverALinkedPackageNeverWritesThroughIt() {
        const QString outside = dir_->filePath(u"outside"_s);
        writeFile(outside + u"/TXT.rtf"_s, "{\\rtf1 theirs}");
        writeFile(outside + u"/keep.txt"_s, "keep");
        QVERIFY(QFile::link(outside, package()));
        QTextDocument document;
        document.setPlainText(u"mine"_s);
        QVERIFY(notes::saveNotePackage(package(), document));
        QVERIFY(!QFileInfo(package()).isSymLink());
        QCOMPARE(readFile(outside + u"/TXT.rtf"_s), QByteArray("{\\rtf1 theirs}"));
        QCOMPARE(readFile(outside + u"/keep.txt"_s), QByteArray("keep"));
    }

    void removingTheOldPackageNeverFollowsLinks() {
        QTextDocument document;
        document.setPlainText(u"first"_s);
        QVERIFY(notes::saveNotePackage(package(), document));
        const QString outside = dir_->filePath(u"outside"_s);
        writeFile(outside + u"/precious.txt"_s, "precious");
        QVERIFY(QFile::link(outside, package() + u"/folder link"_s));
        QVERIFY(QFile::link(outside + u"/precious.txt"_s, package() + u"/file link"_s));
        QVERIFY(notes::saveNotePackage(package(), document));
        QCOMPARE(filesBelow(package()), QStringList{u"TXT.rtf"_s});
        QCOMPARE(readFile(outside + u"/precious.txt"_s), QByteArray("precious"));
    }

private:
    QString package() const { return dir_->filePath(u"Note0_1700000000"_s); }

    QStringList hiddenEntriesBeside() const {
        return QDir(dir_->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .filter(QRegularExpression(u"^\\."_s));
    }

    static QImage randomPixels(int width, int height) {
        const QByteArray noise = randomBytes(qsizetype(width) * height * 4, 7);
        QImage image(width, height, QImage::Format_ARGB32);
        std::memcpy(image.bits(), noise.constData(), size_t(noise.size()));
        return image;
    }

    std::optional<QTemporaryDir> dir_;
};

VEXO_GUI_TEST_MAIN(NotePackageTest)
#include "tst_notepackage.moc"
