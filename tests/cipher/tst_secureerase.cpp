#include "cipher/HiddenFile.h"
#include "cipher/PosixFiles.h"
#include "cipher/SecureErase.h"
#include "platform/UniqueFd.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vexo;
using cipher::EraseMethod;
using platform::UniqueFd;

namespace {

// A file held open by the test: what it reads after the erase is what the
// erase left in the file's data, whatever became of its name.
struct HeldFile {
    explicit HeldFile(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {}

    qint64 size() const {
        struct stat info {};
        return ::fstat(fd.get(), &info) == 0 ? info.st_size : -1;
    }
    QByteArray bytes() const {
        QByteArray content(size(), '\0');
        const ssize_t got = ::pread(fd.get(), content.data(), content.size(), 0);
        return got == content.size() ? content : QByteArray("unreadable");
    }

    UniqueFd fd;
};

bool allBytesAre(const QByteArray& bytes, char value) {
    return std::all_of(bytes.begin(), bytes.end(), [value](char c) { return c == value; });
}

// Random bytes in place of the original: neither it nor a constant fill.
bool looksOverwrittenWithRandomData(const QByteArray& now, const QByteArray& original) {
    return now.size() == original.size() && now != original && !allBytesAre(now, '\0') &&
           !allBytesAre(now, '\xFF');
}

void makeSymbolicLink(const QString& target, const QString& link) {
    QVERIFY(QFile::link(target, link));
}

} // namespace

class SecureEraseTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void eachMethodOverwritesTheWholeFileInPlace_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<qint64>("size");
        const qint64 chunk = cipher::kChunkSize;
        for (const qint64 size : {qint64(1000), chunk - 1, chunk, chunk + 1, 3 * chunk + 17}) {
            const QByteArray bytes = QByteArray::number(size);
            QTest::newRow("zeros " + bytes) << int(EraseMethod::Zeros) << size;
            QTest::newRow("random " + bytes) << int(EraseMethod::RandomData) << size;
            QTest::newRow("three passes " + bytes) << int(EraseMethod::ThreePasses) << size;
        }
    }

    // The file's own data is overwritten, not a new copy under its name:
    // what the held descriptor reads has changed, at the same length.
    void eachMethodOverwritesTheWholeFileInPlace() {
        QFETCH(int, method);
        QFETCH(qint64, size);
        const QByteArray original = test::randomBytes(size, 5);
        const QString path = test::placeFile(dir_->path(), QStringLiteral("secret.bin"), original);
        const HeldFile held(path);

        const cipher::EraseReport report = cipher::eraseTree(path, EraseMethod(method));

        QVERIFY(report.removed);
        QCOMPARE(report.overwritten, 1);
        QVERIFY(report.failures.isEmpty());
        QVERIFY(!cipher::somethingExistsAt(path));
        QCOMPARE(held.size(), size);
        const QByteArray now = held.bytes();
        if (EraseMethod(method) == EraseMethod::Zeros)
            QVERIFY(allBytesAre(now, '\0'));
        else
            QVERIFY(looksOverwrittenWithRandomData(now, original));
    }

    void aFolderTreeIsOverwrittenAtEveryDepthAndRemoved() {
        const QString tree = dir_->filePath(QStringLiteral("Photos"));
        const QByteArray top = test::randomBytes(70'000, 1);
        const QByteArray deep = test::randomBytes(600'000, 2);
        const HeldFile topFile(test::placeFile(tree, QStringLiteral("top.jpg"), top));
        const HeldFile deepFile(test::placeFile(tree, QStringLiteral("2019/summer/sea.jpg"), deep));
        test::placeFile(tree, QStringLiteral("2019/empty.txt"), {});
        QVERIFY(QDir(tree).mkpath(QStringLiteral("2020/nothing yet")));

        const cipher::EraseReport report = cipher::eraseTree(tree, EraseMethod::RandomData);

        QVERIFY(report.removed);
        QVERIFY(report.failures.isEmpty());
        QCOMPARE(report.overwritten, 3);
        QVERIFY(!cipher::somethingExistsAt(tree));
        QVERIFY(looksOverwrittenWithRandomData(topFile.bytes(), top));
        QVERIFY(looksOverwrittenWithRandomData(deepFile.bytes(), deep));
    }

    void symbolicLinksAreRemovedNeverFollowed_data() {
        QTest::addColumn<QString>("linkInTree"); // empty: the tree itself is the link
        QTest::addColumn<bool>("toFolder");
        QTest::newRow("link to a file") << QStringLiteral("album/cover.jpg") << false;
        QTest::newRow("link to a folder") << QStringLiteral("album/more") << true;
        QTest::newRow("the item is a link to a file") << QString() << false;
        QTest::newRow("the item is a link to a folder") << QString() << true;
    }

    // What a link leads to lies outside the tree and keeps every byte.
    void symbolicLinksAreRemovedNeverFollowed() {
        QFETCH(QString, linkInTree);
        QFETCH(bool, toFolder);
        const QByteArray outsideBytes = test::randomBytes(50'000, 3);
        const QString outsideFolder = dir_->filePath(QStringLiteral("elsewhere"));
        const QString outsideFile =
            test::placeFile(outsideFolder, QStringLiteral("keep.jpg"), outsideBytes);
        const QString tree = dir_->filePath(QStringLiteral("album"));
        test::placeFile(tree, QStringLiteral("own.jpg"), "own");
        const QString link = linkInTree.isEmpty() ? dir_->filePath(QStringLiteral("item"))
                                                  : dir_->filePath(linkInTree);
        makeSymbolicLink(toFolder ? outsideFolder : outsideFile, link);

        const QString erased = linkInTree.isEmpty() ? link : tree;
        const cipher::EraseReport report = cipher::eraseTree(erased, EraseMethod::ThreePasses);

        QVERIFY(report.removed);
        QVERIFY(report.failures.isEmpty());
        QCOMPARE(report.overwritten, linkInTree.isEmpty() ? 0 : 1);
        QVERIFY(!cipher::somethingExistsAt(link));
        QCOMPARE(test::readFile(outsideFile), outsideBytes);
        QCOMPARE(test::filesBelow(outsideFolder), QStringList{QStringLiteral("keep.jpg")});
    }

    // The data of a file with another name lives on under that name.
    void aHardLinkedFileIsOnlyUnlinked() {
        const QByteArray bytes = test::randomBytes(80'000, 4);
        const QString tree = dir_->filePath(QStringLiteral("docs"));
        const QString inside = test::placeFile(tree, QStringLiteral("shared.pdf"), bytes);
        const QString otherName = dir_->filePath(QStringLiteral("shared-elsewhere.pdf"));
        QCOMPARE(
            ::link(QFile::encodeName(inside).constData(), QFile::encodeName(otherName).constData()),
            0);

        const cipher::EraseReport report = cipher::eraseTree(tree, EraseMethod::Zeros);

        QVERIFY(report.removed);
        QCOMPARE(report.overwritten, 0);
        QCOMPARE(test::readFile(otherName), bytes);
    }

    // A pipe is never opened: opening one for writing would wait for a reader.
    void aPipeIsUnlinkedWithoutBeingOpened() {
        const QString tree = dir_->filePath(QStringLiteral("project"));
        test::placeFile(tree, QStringLiteral("notes.txt"), "notes");
        const QString pipe = tree + QStringLiteral("/feed");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        const cipher::EraseReport report = cipher::eraseTree(tree, EraseMethod::Zeros);

        QVERIFY(report.removed);
        QVERIFY(report.failures.isEmpty());
        QCOMPARE(report.overwritten, 1);
    }

    void anEmptyFileIsRemoved() {
        const QString path = test::placeFile(dir_->path(), QStringLiteral("empty"), {});
        const HeldFile held(path);
        const cipher::EraseReport report = cipher::eraseTree(path, EraseMethod::ThreePasses);
        QVERIFY(report.removed);
        QVERIFY(report.failures.isEmpty());
        QCOMPARE(held.size(), 0);
    }

    // A write that fails part way is reported, and the file still goes.
    void aFileThatCannotBeOverwrittenIsStillRemoved() {
        const QString tree = dir_->filePath(QStringLiteral("big"));
        const QString path =
            test::placeFile(tree, QStringLiteral("large.bin"), test::randomBytes(900'000, 6));
        cipher::EraseReport report;
        {
            const test::ScopedFileSizeLimit limit(600'000);
            report = cipher::eraseTree(tree, EraseMethod::Zeros);
        }
        QVERIFY(report.removed);
        QCOMPARE(report.overwritten, 0);
        QCOMPARE(report.failures.size(), 1);
        QVERIFY2(report.failures.constFirst().startsWith(path), qPrintable(report.failures[0]));
        QVERIFY(!cipher::somethingExistsAt(tree));
    }

    void pathsWithoutANameOfTheirOwnAreRefused_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QString();
        QTest::newRow("root") << QStringLiteral("/");
        QTest::newRow("dot") << QStringLiteral("{dir}/.");
        QTest::newRow("dot dot") << QStringLiteral("{dir}/sub/..");
    }

    void pathsWithoutANameOfTheirOwnAreRefused() {
        QFETCH(QString, path);
        test::placeFile(dir_->path(), QStringLiteral("sub/kept"), "kept");
        const cipher::EraseReport report = cipher::eraseTree(
            path.replace(QStringLiteral("{dir}"), dir_->path()), EraseMethod::Zeros);
        QVERIFY(!report.removed);
        QCOMPARE(report.failures.size(), 1);
        QCOMPARE(test::readFile(dir_->filePath(QStringLiteral("sub/kept"))), QByteArray("kept"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

VEXO_TEST_MAIN(SecureEraseTest)
#include "tst_secureerase.moc"
