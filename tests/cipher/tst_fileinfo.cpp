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
namespace keys = vexo::platform::keys;
using vexo::platform::Settings;

namespace {

QString md5Name(const QString& text) {
    return QString::fromLatin1(
               QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex().toUpper()) +
           QStringLiteral(".jpg");
}

QString volumes() {
    return vexo::test::testVolumesRoot();
}

QString localVault() {
    return vexo::test::scratchRoot() + QStringLiteral("/Local Vault");
}

// Switches the process's local time zone for one test and back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : previous_(qgetenv("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone() {
        qputenv("TZ", previous_);
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    QByteArray previous_;
};

using DateParts = QMap<QString, QString>;

DateParts parts(const char* year, const char* month, const char* day, const char* hour,
                const char* minute, const char* second, const char* weekday) {
    return {{QStringLiteral("year"), QString::fromUtf8(year)},
            {QStringLiteral("month"), QString::fromUtf8(month)},
            {QStringLiteral("day"), QString::fromUtf8(day)},
            {QStringLiteral("hour"), QString::fromUtf8(hour)},
            {QStringLiteral("minute"), QString::fromUtf8(minute)},
            {QStringLiteral("second"), QString::fromUtf8(second)},
            {QStringLiteral("weekday"), QString::fromUtf8(weekday)}};
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

    void textLikeFilesGoByTheLastExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("textLike");
        QTest::newRow("upper-case pdf counts as text") << "/home/u/a.PDF" << true;
        QTest::newRow("bare file name") << "main.cpp" << true;
        QTest::newRow("only the last extension") << "/home/u/archive.tar.gz" << false;
        QTest::newRow("no extension") << "/home/u/README" << false;
        QTest::newRow("inside a dot folder") << "/home/u/.config/settings" << false;
        QTest::newRow("folder named like a text file") << "/home/u/notes.txt/data" << false;
        QTest::newRow("longer than a known kind") << "/home/u/a.txtx" << false;
        QTest::newRow("trailing dot") << "/home/u/trailing." << false;
        QTest::newRow("empty") << "" << false;
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
        QTest::newRow("image by the digest of its path, any case") << cat << md5Name(cat);
        QTest::newRow("tiff is an image") << scan << md5Name(scan);
        QTest::newRow("other kinds by extension as written") << "/Users/u/Documents/a.PDF"
                                                             << "PDF.jpg";
        QTest::newRow("tif is no image") << "/home/u/scan.tif"
                                         << "tif.jpg";
        QTest::newRow("no extension") << "/Users/u/Documents/README"
                                      << ".jpg";
        QTest::newRow("a folder next to the volumes root")
            << volumes() + QStringLiteral("X/KEY/a.pdf") << "pdf.jpg";
    }

    void localThumbnailsLiveInTheVaultRoot() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        const QString folder = localVault() + QStringLiteral("/Thumb");
        QCOMPARE(getFileThumbImagePath(path, QStringLiteral("Vault.vlt")), folder + u'/' + name);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(vexo::test::unixMode(folder), 0700);
        QVERIFY(!QFileInfo::exists(folder + u'/' + name));
    }

    void driveThumbnailsLiveInTheDriveVault_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("name");
        QTest::newRow("other kinds by extension as written, no dot") << "KEY/Vault.vlt/docs/a.PDF"
                                                                     << "PDFjpg";
        QTest::newRow("only the last extension") << "KEY/Vault.vlt/archive.tar.gz"
                                                 << "gzjpg";
        QTest::newRow("no extension") << "KEY/Vault.vlt/README"
                                      << "jpg";
        QTest::newRow("image by its path inside the vault folder")
            << "KEY/Vault.vlt/photos/Y.JPEG" << md5Name(QStringLiteral("photos/Y.JPEG"));
        QTest::newRow("image outside the vault folder")
            << "KEY/Other/z.png" << md5Name(volumes() + QStringLiteral("/KEY/Other/z.png"));
    }

    void driveThumbnailsLiveInTheDriveVault() {
        QFETCH(QString, relative);
        QFETCH(QString, name);
        const QString folder = volumes() + QStringLiteral("/KEY/Vault.vlt/Thumb");
        QCOMPARE(getFileThumbImagePath(volumes() + u'/' + relative, QStringLiteral("Vault.vlt")),
                 folder + u'/' + name);
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(!QFileInfo::exists(folder + u'/' + name));
    }

    void eachDriveHasItsOwnThumbnailFolder() {
        const QString path = volumes() + QStringLiteral("/USB 2/Mine.vlt/a.png");
        QCOMPARE(getFileThumbImagePath(path, QStringLiteral("Mine.vlt")),
                 volumes() + QStringLiteral("/USB 2/Mine.vlt/Thumb/") +
                     md5Name(QStringLiteral("a.png")));
        QVERIFY(QFileInfo(volumes() + QStringLiteral("/USB 2/Mine.vlt/Thumb")).isDir());
    }

    void aFolderThatCannotBeMadeStillGivesThePath() {
        const QString blocker = volumes() + QStringLiteral("/RO/Vault.vlt/Thumb");
        vexo::test::writeFile(blocker, "a file where the folder belongs");
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
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<DateParts>("expected");
        QTest::newRow("UTC") << QByteArray("UTC") << kMarchFifthUtc
                             << parts("2024", "March", "05", "07", "08", "09", "Tuesday");
        QTest::newRow("eight hours west: the day before")
            << QByteArray("PST8") << kMarchFifthUtc
            << parts("2024", "March", "04", "23", "08", "09", "Monday");
        QTest::newRow("half-hour zone east")
            << QByteArray("<+0530>-5:30") << kMarchFifthUtc
            << parts("2024", "March", "05", "12", "38", "09", "Tuesday");
        QTest::newRow("wall-clock time of the zone")
            << QByteArray("PST8") << QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9), Qt::LocalTime)
            << parts("2024", "March", "05", "07", "08", "09", "Tuesday");
        QTest::newRow("two-digit fields at their top")
            << QByteArray("UTC") << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59), Qt::UTC)
            << parts("2024", "December", "31", "23", "59", "59", "Tuesday");
        QTest::newRow("midnight on a Sunday")
            << QByteArray("UTC") << QDateTime(QDate(2024, 3, 3), QTime(0, 0, 0), Qt::UTC)
            << parts("2024", "March", "03", "00", "00", "00", "Sunday");
    }

    void datePartsInTheLocalTimeZone() {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, date);
        QFETCH(DateParts, expected);
        const ScopedTimeZone timeZone(zone.constData());
        QCOMPARE(getTimeInThisTimeZoneAfter(date), expected);
    }

    void noDateMeansNow() {
        vexo::platform::setClockForTesting([] { return kMarchFifthUtc.toMSecsSinceEpoch(); });
        const DateParts now = getTimeInThisTimeZoneAfter(std::nullopt);
        const DateParts invalid = getTimeInThisTimeZoneAfter(QDateTime());
        vexo::platform::setClockForTesting({});
        const DateParts expected = parts("2024", "March", "05", "07", "08", "09", "Tuesday");
        QCOMPARE(now, expected);
        QCOMPARE(invalid, expected);
    }

    void monthNames_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << qint64(1) << "January";
        QTest::newRow("12") << qint64(12) << "December";
        QTest::newRow("13") << qint64(13) << "December";
        QTest::newRow("0") << qint64(0) << "December";
        QTest::newRow("negative") << qint64(-1) << "December";
    }

    void monthNames() {
        QFETCH(qint64, number);
        QFETCH(QString, name);
        QCOMPARE(monthWithNum(number), name);
    }

    void weekdayNames_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("1 is Sunday") << qint64(1) << "Sunday";
        QTest::newRow("7 is Saturday") << qint64(7) << "Saturday";
        QTest::newRow("0") << qint64(0) << "";
        QTest::newRow("8") << qint64(8) << "";
    }

    void weekdayNames() {
        QFETCH(qint64, number);
        QFETCH(QString, name);
        QCOMPARE(weekDay(number), name);
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
