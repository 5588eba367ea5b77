#include "VaultFixture.h"
#include "cipher/Sizes.h"
#include "support/TestEnvironment.h"

using namespace vexo::cipher;
using namespace vexo::test;

class SizesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vault_ = std::make_unique<VaultFixture>(); }

    void fileAndFolderSizes() {
        writeFile(vault_->path(QStringLiteral("tree/a")), QByteArray(100, 'a'));
        writeFile(vault_->path(QStringLiteral("tree/sub/deeper/b")), QByteArray(50, 'b'));
        QDir().mkpath(vault_->path(QStringLiteral("tree/empty")));
        QCOMPARE(folderSizeAtPath(vault_->path(QStringLiteral("tree"))), 150);
        QCOMPARE(fileSizeAtPath(vault_->path(QStringLiteral("tree/a"))), 100);
        QCOMPARE(fileSizeAtPath(vault_->path(QStringLiteral("missing"))), 0);
        QCOMPARE(folderSizeAtPath(vault_->path(QStringLiteral("missing"))), 0);
        // A link counts as itself, not as what it points to.
        const QString link = vault_->path(QStringLiteral("link"));
        const QString target = vault_->path(QStringLiteral("tree/a"));
        QVERIFY(QFile::link(target, link));
        QCOMPARE(fileSizeAtPath(link), QFile::encodeName(target).size());
    }

    void singleFileItemsCountTheFileAndPrepareTheStore() {
        const auto item = VaultFixture::itemFor(vault_->path(QStringLiteral("one.bin")));
        writeFile(item->path, QByteArray(1000, 'x'));
        QList<QPair<qint64, float>> reports;
        const auto record = [&](qint64 index, float value) { reports << qMakePair(index, value); };
        QCOMPARE(FileSizeAtFilemodel(*item, QString(), 0, 0, record), 1000);
        QCOMPARE(reports, (QList<QPair<qint64, float>>{{1, 1000.0f}}));
        const QString store = vault_->storeOf(item);
        QVERIFY(QFileInfo(store).isDir());
        QVERIFY(QDir(store).isEmpty());
        // Sizes only ever add up: a second walk doubles the count.
        QCOMPARE(fileSizeAtFilemodel(*item), 2000);
    }

    // The store gets the scrambled folder of every folder that holds a file,
    // also when the item's own name has an extension.
    void folderItemsLayOutTheirStoredFolders_data() {
        QTest::addColumn<QString>("name");
        addRow("plain name", "Docs");
        addRow("name with an extension", "photos.2020");
    }
    void folderItemsLayOutTheirStoredFolders() {
        QFETCH(QString, name);
        const auto item = VaultFixture::itemFor(vault_->path(name));
        writeFile(item->path + QStringLiteral("/top.jpg"), QByteArray(10, 'x'));
        writeFile(item->path + QStringLiteral("/trip/day1/a.jpg"), QByteArray(20, 'x'));
        QDir().mkpath(item->path + QStringLiteral("/trip/empty"));
        // A link inside the item is kept as a link and stores no bytes.
        QVERIFY(QFile::link(item->path + QStringLiteral("/top.jpg"),
                            item->path + QStringLiteral("/trip/link")));
        QCOMPARE(fileSizeAtFilemodel(*item), 30);
        const QString storedTop = storedPathOf(*item, QString());
        QVERIFY(QFileInfo(storedTop + QStringLiteral("/rtpi/ad1y")).isDir());
        QVERIFY(!QFileInfo::exists(storedTop + QStringLiteral("/rtpi/metpy")));
        QCOMPARE(unixMode(storedTop), 0700);
        QCOMPARE(filesBelow(storedTop), QStringList());
    }

    void fileSystemCapacityAndFreeSpace() {
        const QString drive = testVolumesRoot() + QStringLiteral("/USB2");
        TmpfsMount mount(drive, 2 * 1024 * 1024);
        if (!mount.mounted())
            QSKIP(qPrintable(mount.whyNot()));
        QCOMPARE(getUSBDiskTotalSize(drive), 2 * 1024 * 1024);
        const qint64 freeBefore = getUSBDiskFreeSize(drive);
        QCOMPARE(freeBefore, 2 * 1024 * 1024);
        writeFile(drive + QStringLiteral("/half"), QByteArray(1024 * 1024, 'x'));
        QCOMPARE(getUSBDiskFreeSize(drive), freeBefore - 1024 * 1024);
        QCOMPARE(getUSBDiskTotalSize(drive + QStringLiteral("/missing")), 0);
        QCOMPARE(getUSBDiskFreeSize(drive + QStringLiteral("/missing")), 0);
    }

private:
    std::unique_ptr<VaultFixture> vault_;
};

VEXO_TEST_MAIN(SizesTest)
#include "tst_sizes.moc"
