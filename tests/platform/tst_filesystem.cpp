#include "platform/FileSystem.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace vexo::platform;
using vexo::test::readFile;

class FileSystemTest : public QObject {
    Q_OBJECT
private slots:
    void madeFoldersAreOwnerOnly() {
        const QString deep = dir_.filePath(QStringLiteral("a/b/c"));
        QVERIFY(makePrivatePath(deep));
        for (const QString& folder :
             {QStringLiteral("a"), QStringLiteral("a/b"), QStringLiteral("a/b/c")}) {
            QVERIFY(QFileInfo(dir_.filePath(folder)).isDir());
            QCOMPARE(vexo::test::unixMode(dir_.filePath(folder)), 0700);
        }
        QVERIFY(makePrivatePath(deep)); // already there
    }

    void aFileInTheWayIsNotAFolder() {
        const QString file = dir_.filePath(QStringLiteral("plain"));
        vexo::test::writeFile(file, "x");
        QVERIFY(!makePrivatePath(file));
        QVERIFY(!makePrivatePath(file + QStringLiteral("/below")));
        QVERIFY(!makePrivatePath(QString()));
    }

    void atomicWritesReplaceWholeWithOwnerOnlyMode() {
        const QString path = dir_.filePath(QStringLiteral("list.plist"));
        QVERIFY(writeFileAtomically(path, "first"));
        QVERIFY(writeFileAtomically(path, "second, longer"));
        QCOMPARE(readFile(path), QByteArray("second, longer"));
        QCOMPARE(vexo::test::unixMode(path), 0600);
        QCOMPARE(vexo::test::filesBelow(dir_.path()).filter(QStringLiteral("list.plist")),
                 QStringList{QStringLiteral("list.plist")});
    }

    void aFailedAtomicWriteKeepsTheOldFile() {
        const QString path = dir_.filePath(QStringLiteral("keep.plist"));
        QVERIFY(writeFileAtomically(path, "old"));
        QString error;
        bool written = true;
        {
            // A write that stops part way, as on a full disk.
            vexo::test::ScopedFileSizeLimit limit(4);
            written = writeFileAtomically(path, "much too long for the limit", &error);
        }
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path), QByteArray("old"));
        QCOMPARE(vexo::test::filesBelow(dir_.path()).filter(QStringLiteral("keep.plist")),
                 QStringList{QStringLiteral("keep.plist")});
        QVERIFY(!writeFileAtomically(dir_.filePath(QStringLiteral("no/such/folder/f")), "x"));
    }

    void executeBitIsAdded() {
        const QString path = dir_.filePath(QStringLiteral("exec"));
        QVERIFY(writeFileAtomically(path, "x"));
        addExecuteBits(path);
        QVERIFY(QFileInfo(path).permissions() & QFileDevice::ExeOwner);
        addExecuteBits(dir_.filePath(QStringLiteral("missing"))); // no effect, no failure
    }

    void syncingAFileSystem() {
        QVERIFY(syncFileSystemOf(dir_.path()));
        QVERIFY(!syncFileSystemOf(dir_.filePath(QStringLiteral("missing"))));
    }

private:
    QTemporaryDir dir_;
};

VEXO_TEST_MAIN(FileSystemTest)
#include "tst_filesystem.moc"
