#include "platform/Digest.h"
#include "platform/FileSystem.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace vexo::platform;
using namespace vexo::test;
using namespace Qt::StringLiterals;

namespace {

QString md5Of(const QByteArray& bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toUpper());
}

} // namespace

// Private folders, atomic writes and digests.
class FileSystemTest : public QObject {
    Q_OBJECT
private slots:
    void madeFoldersAreOwnerOnly() {
        QVERIFY(makePrivatePath(path("a/b/c")));
        for (const char* folder : {"a", "a/b", "a/b/c"}) {
            QVERIFY(QFileInfo(path(folder)).isDir());
            QCOMPARE(unixMode(path(folder)), 0700);
        }
        QVERIFY(makePrivatePath(path("a/b/c"))); // already there
        writeFile(path("plain"), "x");
        QVERIFY(!makePrivatePath(path("plain")));
        QVERIFY(!makePrivatePath(path("plain/below")));
        QVERIFY(!makePrivatePath(QString()));
    }

    void atomicWritesReplaceWholeWithOwnerOnlyMode() {
        QVERIFY(writeFileAtomically(path("list.plist"), "first"));
        QVERIFY(writeFileAtomically(path("list.plist"), "second, longer"));
        QCOMPARE(readFile(path("list.plist")), QByteArray("second, longer"));
        QCOMPARE(unixMode(path("list.plist")), 0600);
        QCOMPARE(filesBelow(dir_.path()).filter(u"list"_s), QStringList{u"list.plist"_s});
    }

    void aFailedAtomicWriteKeepsTheOldFile() {
        QVERIFY(writeFileAtomically(path("keep.plist"), "old"));
        QString error;
        bool written = true;
        {
            ScopedFileSizeLimit limit(4); // a write that stops part way, as on a full disk
            written = writeFileAtomically(path("keep.plist"), "much too long", &error);
        }
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path("keep.plist")), QByteArray("old"));
        QCOMPARE(filesBelow(dir_.path()).filter(u"keep"_s), QStringList{u"keep.plist"_s});
        QVERIFY(!writeFileAtomically(path("no/such/folder/f"), "x"));
    }

    void executeBitsAndSync() {
        QVERIFY(writeFileAtomically(path("exec"), "x"));
        addExecuteBits(path("exec"));
        QVERIFY(QFileInfo(path("exec")).permissions() & QFileDevice::ExeOwner);
        addExecuteBits(path("missing")); // no effect, no failure
        QVERIFY(syncFileSystemOf(dir_.path()));
        QVERIFY(!syncFileSystemOf(path("missing")));
    }

    void textDigests() {
        QCOMPARE(MD5_32BitUpper(QString()), u"D41D8CD98F00B204E9800998ECF8427E"_s);
        QCOMPARE(MD5_32BitUpper(u"abc"_s), u"900150983CD24FB0D6963F7D28E17F72"_s);
        QCOMPARE(MD5_32BitUpper(u"密码 é"_s), md5Of("密码 é"));
        QCOMPARE(MD5_32BitUpper(u"abc\0def"_s), md5Of("abc")); // stops at the first zero
    }

    void onlyRegularFilesHaveADigest() {
        for (const qsizetype size : {0, 1, 1 << 20, (1 << 20) + 17}) { // around the 1 MiB buffer
            const QByteArray content = randomBytes(size, 7);
            writeFile(path("file"), content);
            QCOMPARE(fileDigest(path("file")), md5Of(content));
        }
        QVERIFY(QFile::link(path("file"), path("link")));
        QCOMPARE(fileDigest(path("link")), fileDigest(path("file")));
        QVERIFY(QFile::link(path("nowhere"), path("dangling")));
        for (const QString& other : {dir_.path(), path("missing"), path("dangling"), QString()})
            QCOMPARE(fileDigest(other), QString());
    }

private:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
};

VEXO_TEST_MAIN(FileSystemTest)
#include "tst_filesystem.moc"
