#include "platform/DesktopTraces.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>

using namespace vexo;
using namespace Qt::StringLiterals;

namespace {

QString thumbnailsFolder() {
    return qEnvironmentVariable("XDG_CACHE_HOME") + u"/thumbnails"_s;
}

QString recentlyUsed() {
    return qEnvironmentVariable("XDG_DATA_HOME") + u"/recently-used.xbel"_s;
}

QString thumbnailName(const QString& uri) {
    return QString::fromLatin1(
               QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex()) +
           u".png"_s;
}

// A thumbnail of the file named by uri in each folder, as thumbnailers
// leave them.
QStringList placeThumbnails(const QString& uri) {
    QStringList placed;
    for (const QString& folder :
         {u"normal"_s, u"large"_s, u"x-large"_s, u"fail/gnome-thumbnail-factory"_s})
        placed << test::placeFile(thumbnailsFolder(), folder + u'/' + thumbnailName(uri), "PNG");
    return placed;
}

QString bookmark(const QString& uri) {
    return QStringLiteral("  <bookmark href=\"%1\" added=\"2026-12-01T10:00:00Z\">\n"
                          "    <info>\n"
                          "      <metadata owner=\"http://freedesktop.org\">\n"
                          "        <mime:mime-type type=\"image/png\"/>\n"
                          "        <bookmark:applications>\n"
                          "          <bookmark:application name=\"Image Viewer\" exec=\"&apos;eog "
                          "%u&apos;\" count=\"1\"/>\n"
                          "        </bookmark:applications>\n"
                          "      </metadata>\n"
                          "    </info>\n"
                          "  </bookmark>\n")
        .arg(uri);
}

void writeRecentlyUsed(const QStringList& uris) {
    QString list = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<xbel version=\"1.0\"\n"
        "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
        "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n");
    for (const QString& uri : uris)
        list += bookmark(uri);
    list += QStringLiteral("</xbel>\n");
    test::writeFile(recentlyUsed(), list.toUtf8());
}

// The hrefs the recently used list holds, in order.
QStringList recentUris() {
    QXmlStreamReader reader(test::readFile(recentlyUsed()));
    QStringList uris;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"bookmark")
            uris << reader.attributes().value(QLatin1String("href")).toString();
    }
    return reader.hasError() ? QStringList{u"unreadable"_s} : uris;
}

} // namespace

class DesktopTracesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QDir(thumbnailsFolder()).removeRecursively();
        QFile::remove(recentlyUsed());
    }

    // The URI of a path as GLib writes it, which names the thumbnails GNOME
    // makes, and as Qt writes it, which names KDE's.
    void aPathIsNamedAsTheDesktopsNameIt_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("uris");
        QTest::newRow("plain") << u"/home/u/photo.png"_s
                               << QStringList{u"file:///home/u/photo.png"_s};
        QTest::newRow("space and letters beyond ASCII")
            << u"/home/u/My Photo é.png"_s
            << QStringList{u"file:///home/u/My%20Photo%20%C3%A9.png"_s};
        QTest::newRow("kept punctuation") << u"/t/a&b=c@d,e+f!$'()*~_-.txt"_s
                                          << QStringList{u"file:///t/a&b=c@d,e+f!$'()*~_-.txt"_s};
        QTest::newRow("escaped punctuation")
            << u"/t/a;b#c?d%e[f].txt"_s
            << QStringList{u"file:///t/a%3Bb%23c%3Fd%25e%5Bf%5D.txt"_s,
                           u"file:///t/a;b%23c%3Fd%25e[f].txt"_s};
    }
    void aPathIsNamedAsTheDesktopsNameIt() {
        QFETCH(QString, path);
        QFETCH(QStringList, uris);
        QCOMPARE(platform::fileUrisOf(path), uris);
    }

    void theTracesOfTheGivenFilesGoAndOthersStay() {
        const QString hidden = u"/home/u/Pictures/secret photo.png"_s;
        const QString other = u"/home/u/Pictures/holiday.png"_s;
        const QStringList hiddenThumbnails =
            placeThumbnails(platform::fileUrisOf(hidden).constFirst());
        const QStringList otherThumbnails =
            placeThumbnails(platform::fileUrisOf(other).constFirst());
        writeRecentlyUsed(
            {platform::fileUrisOf(other).constFirst(), platform::fileUrisOf(hidden).constFirst()});

        QVERIFY(platform::forgetDesktopTraces({hidden}));
        for (const QString& thumbnail : hiddenThumbnails)
            QVERIFY2(!QFileInfo::exists(thumbnail), qPrintable(thumbnail));
        for (const QString& thumbnail : otherThumbnails)
            QVERIFY2(QFileInfo::exists(thumbnail), qPrintable(thumbnail));
        QCOMPARE(recentUris(), QStringList{platform::fileUrisOf(other).constFirst()});
        // The entry that stays keeps its application and type.
        const QByteArray list = test::readFile(recentlyUsed());
        QVERIFY(list.contains("bookmark:application name=\"Image Viewer\""));
        QVERIFY(list.contains("mime:mime-type type=\"image/png\""));
    }

    void anUnreadableOrMissingListIsLeftAlone() {
        QVERIFY(platform::forgetDesktopTraces({u"/home/u/a.png"_s}));
        QVERIFY(!QFileInfo::exists(recentlyUsed()));
        const QByteArray broken = "<xbel><bookmark href=\"file:///home/u/a.png\">";
        test::writeFile(recentlyUsed(), broken);
        platform::forgetDesktopTraces({u"/home/u/a.png"_s});
        QCOMPARE(test::readFile(recentlyUsed()), broken);
    }

    void aFolderBringsEverythingInIt() {
        const QString folder = test::scratchRoot() + u"/album"_s;
        test::writeFile(folder + u"/one.png"_s, "1");
        test::writeFile(folder + u"/deeper/two.png"_s, "2");
        QStringList within = platform::pathsWithin(folder);
        within.sort();
        QCOMPARE(within, (QStringList{folder, folder + u"/deeper"_s, folder + u"/deeper/two.png"_s,
                                      folder + u"/one.png"_s}));
    }
};

VEXO_TEST_MAIN(DesktopTracesTest)
#include "tst_desktoptraces.moc"
