#include "DataRows.h"
#include "cipher/DateParts.h"
#include "cipher/FileTypes.h"
#include "cipher/Thumbnails.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <ctime>

using namespace vexo::cipher;
using namespace vexo::test;
namespace keys = vexo::platform::keys;
using vexo::platform::Settings;
using DateParts = QMap<QString, QString>;

namespace {

QString md5Name(const QString& text) {
    return QString::fromLatin1(
               QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex().toUpper()) +
           QStringLiteral(".jpg");
}

QString volumes() {
    return testVolumesRoot();
}

QString localVault() {
    return scratchRoot() + QStringLiteral("/Local Vault");
}

// "year month day hour minute second weekday" as date parts.
DateParts parts(const char* values) {
    static const QStringList keys = names("year month day hour minute second weekday");
    const QStringList texts = names(values);
    DateParts result;
    for (qsizetype i = 0; i < keys.size(); ++i)
        result.insert(keys.at(i), texts.value(i));
    return result;
}

void setTimeZone(const QString& zone) {
    qputenv("TZ", zone.toLatin1());
    tzset();
}

const QDateTime kMarchFifthUtc(QDate(2024, 3, 5), QTime(7, 8, 9), Qt::UTC);

} // namespace

class FileInfoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Settings::setValue(keys::AppLanguage, 0);
        vexo::platform::setLanguage();
    }

    void init() { Settings::setValue(keys::kRootDirKey, localVault()); }
    void cleanup() { setTimeZone(QStringLiteral("UTC")); }

    void textLikeFilesGoByTheLastExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("textLike");
        addRow("upper-case pdf counts as text", "/home/u/a.PDF", true);
        addRow("bare file name", "main.cpp", true);
        addRow("only the last extension", "/home/u/archive.tar.gz", false);
        addRow("no extension", "/home/u/README", false);
        addRow("inside a dot folder", "/home/u/.config/settings", false);
        addRow("folder named like a text file", "/home/u/notes.txt/data", false);
        addRow("longer than a known kind", "/home/u/a.txtx", false);
        addRow("trailing dot", "/home/u/trailing.", false);
        addRow("empty", "", false);
    }
    void textLikeFilesGoByTheLastExtension() {
        QFETCH(QString, path);
        QFETCH(bool, textLike);
        QCOMPARE(iswenbenwenjian(path), textLike);
    }

    void localThumbnailsLiveInTheVaultRoot_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        const QString cat = QStringLiteral("/Users/u/Pictures/cat.PNG");
        const QString scan = QStringLiteral("/home/u/scan.tiff");
        addRow("image by the digest of its path, any case", cat, md5Name(cat));
        addRow("tiff is an image", scan, md5Name(scan));
        addRow("other kinds by extension as written", "/Users/u/Documents/a.PDF", "PDF.jpg");
        addRow("tif is no image", "/home/u/scan.tif", "tif.jpg");
        addRow("no extension", "/Users/u/Documents/README", ".jpg");
        addRow("a folder next to the volumes root", volumes() + QStringLiteral("X/KEY/a.pdf"),
               "pdf.jpg");
    }
    void localThumbnailsLiveInTheVaultRoot() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        const QString folder = localVault() + QStringLiteral("/Thumb");
        QCOMPARE(getFileThumbImagePath(path, QStringLiteral("Vault.vlt")), folder + u'/' + name);
        QCOMPARE(unixMode(folder), 0700);
        QVERIFY(!QFileInfo::exists(folder + u'/' + name));
    }

    // The thumbnail folder of a drive's own vault, named by the caller.
    void driveThumbnailsLiveInTheDriveVault_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("vault");
        QTest::addColumn<QString>("name");
        const char* vault = "Vault.vlt";
        addRow("other kinds by extension as written, no dot", "KEY/Vault.vlt/docs/a.PDF", vault,
               "PDFjpg");
        addRow("only the last extension", "KEY/Vault.vlt/archive.tar.gz", vault, "gzjpg");
        addRow("no extension", "KEY/Vault.vlt/README", vault, "jpg");
        addRow("image by its path inside the vault folder", "KEY/Vault.vlt/photos/Y.JPEG", vault,
               md5Name(QStringLiteral("photos/Y.JPEG")));
        addRow("image outside the vault folder", "KEY/Other/z.png", vault,
               md5Name(volumes() + QStringLiteral("/KEY/Other/z.png")));
        addRow("another drive and vault", "USB 2/Mine.vlt/a.png", "Mine.vlt",
               md5Name(QStringLiteral("a.png")));
    }
    void driveThumbnailsLiveInTheDriveVault() {
        QFETCH(QString, relative);
        QFETCH(QString, vault);
        QFETCH(QString, name);
        const QString folder = volumes() + u'/' + relative.section(u'/', 0, 0) + u'/' + vault +
                               QStringLiteral("/Thumb");
        QCOMPARE(getFileThumbImagePath(volumes() + u'/' + relative, vault), folder + u'/' + name);
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(!QFileInfo::exists(folder + u'/' + name));
    }

    void aFolderThatCannotBeMadeStillGivesThePath() {
        const QString blocker = volumes() + QStringLiteral("/RO/Vault.vlt/Thumb");
        writeFile(blocker, "a file where the folder belongs");
        QCOMPARE(getFileThumbImagePath(volumes() + QStringLiteral("/RO/Vault.vlt/a.doc"),
                                       QStringLiteral("Vault.vlt")),
                 blocker + QStringLiteral("/docjpg"));
        QVERIFY(QFileInfo(blocker).isFile());
    }

    void noVaultRootMeansNoLocalThumbnail() {
        Settings::remove(keys::kRootDirKey);
        QTemporaryDir workingDir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workingDir.path()));
        const QString path = getFileThumbImagePath(QStringLiteral("/home/u/a.pdf"), QString());
        QDir::setCurrent(previous);
        QCOMPARE(path, QString());
        QCOMPARE(QDir(workingDir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void datePartsInTheLocalTimeZone_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<DateParts>("expected");
        const QDateTime march5 = kMarchFifthUtc;
        addRow("UTC", "UTC", march5, parts("2024 March 05 07 08 09 Tuesday"));
        addRow("eight hours west: the day before", "PST8", march5,
               parts("2024 March 04 23 08 09 Monday"));
        addRow("half-hour zone east", "<+0530>-5:30", march5,
               parts("2024 March 05 12 38 09 Tuesday"));
        addRow("wall-clock time of the zone", "PST8",
               QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9), Qt::LocalTime),
               parts("2024 March 05 07 08 09 Tuesday"));
        addRow("two-digit fields at their top", "UTC",
               QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59), Qt::UTC),
               parts("2024 December 31 23 59 59 Tuesday"));
        addRow("midnight on a Sunday", "UTC", QDateTime(QDate(2024, 3, 3), QTime(0, 0), Qt::UTC),
               parts("2024 March 03 00 00 00 Sunday"));
    }
    void datePartsInTheLocalTimeZone() {
        QFETCH(QString, zone);
        QFETCH(QDateTime, date);
        QFETCH(DateParts, expected);
        setTimeZone(zone);
        QCOMPARE(getTimeInThisTimeZoneAfter(date), expected);
    }

    void noDateMeansNow() {
        vexo::platform::setClockForTesting([] { return kMarchFifthUtc.toMSecsSinceEpoch(); });
        const DateParts now = getTimeInThisTimeZoneAfter(std::nullopt);
        const DateParts invalid = getTimeInThisTimeZoneAfter(QDateTime());
        vexo::platform::setClockForTesting({});
        QCOMPARE(now, parts("2024 March 05 07 08 09 Tuesday"));
        QCOMPARE(invalid, now);
    }

    void monthAndWeekdayNames_data() {
        QTest::addColumn<bool>("month");
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("name");
        addRow("month 1", true, 1ll, "January");
        addRow("month 12", true, 12ll, "December");
        addRow("month 13", true, 13ll, "December");
        addRow("month 0", true, 0ll, "December");
        addRow("negative month", true, -1ll, "December");
        addRow("weekday 1 is Sunday", false, 1ll, "Sunday");
        addRow("weekday 7 is Saturday", false, 7ll, "Saturday");
        addRow("weekday 0", false, 0ll, "");
        addRow("weekday 8", false, 8ll, "");
    }
    void monthAndWeekdayNames() {
        QFETCH(bool, month);
        QFETCH(qint64, number);
        QFETCH(QString, name);
        QCOMPARE(month ? monthWithNum(number) : weekDay(number), name);
    }

    void namesFollowTheInterfaceLanguage() {
        Settings::setValue(keys::AppLanguage, 1);
        vexo::platform::setLanguage();
        const QString month = monthWithNum(13);
        const QString weekday = weekDay(3);
        Settings::setValue(keys::AppLanguage, 0);
        vexo::platform::setLanguage();
        QCOMPARE(month, QStringLiteral("12月"));
        QCOMPARE(weekday, QStringLiteral("星期二"));
    }
};

VEXO_TEST_MAIN(FileInfoTest)
#include "tst_fileinfo.moc"
