#include "platform/Localization.h"
#include "platform/Settings.h"
#include "platform/gui/ImageLookup.h"
#include "support/TestEnvironment.h"

#include <QPainter>

using namespace vexo::platform;
using namespace Qt::StringLiterals;

class LocalizationTest : public QObject {
    Q_OBJECT
private slots:
    // Runs first: the very first lookup of the process reads AppLanguage.
    void theStoredLanguageServesBeforeAnySwitch() {
        Settings::setValue(keys::AppLanguage, 1);
        QCOMPARE(localizedStringForKey(u"group_AllFiles"_s), u"所有文件"_s);
    }

    void aSwitchChangesEveryLaterLookup() {
        const auto switchTo = [](int index) {
            Settings::setValue(keys::AppLanguage, index);
            setLanguage();
        };
        switchTo(2);
        QCOMPARE(localizedStringForKey(u"group_AllFiles"_s), u"All Files"_s);
        switchTo(1);
        QCOMPARE(localizedStringForKey(u"weekItem1.stringValue"_s), u"星期日"_s);
        switchTo(6);
        QCOMPARE(localizedStringForKey(u"group_AllFiles"_s), u"すべてのファイル"_s);
        setLanguageCode(u"xx"_s); // no table: the keys show
        QCOMPARE(localizedStringForKey(u"group_AllFiles"_s), u"group_AllFiles"_s);
        switchTo(0);
        QCOMPARE(localizedStringForKey(u"no.such.key"_s), u"no.such.key"_s);
        QCOMPARE(localizedStringForKey(u"no.such.key"_s, u"Fallback"_s), u"Fallback"_s);
        QCOMPARE(localizedStringForKey(QString()), QString());
    }

    void theDesktopsLanguageServesWhileNoneIsStored_data() {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("code");
        QTest::newRow("French") << QStringList{u"fr-FR"_s, u"fr"_s} << u"fr"_s;
        QTest::newRow("mainland Chinese") << QStringList{u"zh-CN"_s} << u"zh-Hans"_s;
        QTest::newRow("Taiwanese Chinese") << QStringList{u"zh-TW"_s} << u"zh-Hant"_s;
        QTest::newRow("traditional script") << QStringList{u"zh-Hant-HK"_s} << u"zh-Hant"_s;
        QTest::newRow("Brazilian Portuguese") << QStringList{u"pt-BR"_s} << u"pt-PT"_s;
        QTest::newRow("first shipped wins")
            << QStringList{u"nl-NL"_s, u"de-DE"_s, u"ja"_s} << u"de"_s;
        QTest::newRow("none shipped") << QStringList{u"nl-NL"_s, u"C"_s} << u"en"_s;
        QTest::newRow("nothing") << QStringList{} << u"en"_s;
    }
    void theDesktopsLanguageServesWhileNoneIsStored() {
        QFETCH(QStringList, desktop);
        QFETCH(QString, code);
        QCOMPARE(languageCodeForLocales(desktop), code);
    }

    void aStoredLanguageWinsOverTheDesktops() {
        vexo::test::clearSettings();
        QCOMPARE(chosenLanguageCode(), u"en"_s); // the tests' desktop is English
        Settings::setValue(keys::AppLanguage, 5);
        QCOMPARE(chosenLanguageCode(), u"de"_s);
        Settings::setValue(keys::AppLanguage, 0);
        QCOMPARE(chosenLanguageCode(), u"en"_s);
    }

    void languageIndexesAreClamped() {
        const QStringList codes{u"en"_s, u"en"_s, u"zh-Hans"_s, u"en"_s,    u"zh-Hant"_s, u"fr"_s,
                                u"de"_s, u"ja"_s, u"es"_s,      u"pt-PT"_s, u"pt-PT"_s};
        const QList<qint64> indexes{-5, 0, 1, 2, 3, 4, 5, 6, 7, 8, 12};
        for (qsizetype i = 0; i < indexes.size(); ++i)
            QCOMPARE(languageCodeForIndex(indexes.at(i)), codes.at(i));
    }

    void picturesAreFoundWithTheirFallbacks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");
        QTest::addColumn<int>("width");
        QTest::newRow("full name") << u"plain.png"_s << u"plain.png"_s << 1;
        QTest::newRow("without type") << u"plain"_s << u"plain.png"_s << 1;
        QTest::newRow("only @2x") << u"onlyretina"_s << u"onlyretina@2x.png"_s << 2;
        QTest::newRow("only @2x, with type") << u"onlyretina.png"_s << u"onlyretina@2x.png"_s << 2;
        QTest::newRow("@3x before @2x") << u"both"_s << u"both@3x.png"_s << 3;
        QTest::newRow("missing") << u"none"_s << QString() << 0;
    }

    void picturesAreFoundWithTheirFallbacks() {
        QFETCH(QString, name);
        QFETCH(QString, found);
        QFETCH(int, width);
        const QString folder = u":/Settings.bundle/testpics/"_s;
        QCOMPARE(imagePathWithfileName(u"testpics/"_s + name),
                 found.isEmpty() ? QString() : folder + found);
        QCOMPARE(imageWithfileName(u"testpics/"_s + name).width(), width);
    }

    // A picture of three bands (red, green, blue from the top, or from the
    // left when it stands upright) scaled to fit a size; the colours seen
    // near the start, in the middle and near the end across the bands.
    void resizingKeepsTheMiddleOfWhatNoLongerFits_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSizeF>("maxSize");
        QTest::addColumn<QSize>("resized");
        QTest::addColumn<QList<QRgb>>("bands"); // at the top, middle and bottom row
        const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
        QTest::newRow("wide into a square")
            << QSize(240, 120) << QSizeF(60, 60) << QSize(60, 30) << QList<QRgb>{red, green, blue};
        QTest::newRow("tall into a square")
            << QSize(120, 240) << QSizeF(60, 60) << QSize(30, 60) << QList<QRgb>{red, green, blue};
        QTest::newRow("square") << QSize(90, 90) << QSizeF(30, 30) << QSize(30, 30)
                                << QList<QRgb>{red, green, blue};
        // The longer side takes the larger bound, the shorter keeps the
        // proportion of the width: a band across the middle remains.
        QTest::newRow("wide into a tall bound")
            << QSize(240, 120) << QSizeF(60, 120) << QSize(120, 30)
            << QList<QRgb>{green, green, green};
    }
    void resizingKeepsTheMiddleOfWhatNoLongerFits() {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, maxSize);
        QFETCH(QSize, resized);
        QFETCH(QList<QRgb>, bands);
        const bool upright = picture.height() > picture.width();
        QImage image(picture, QImage::Format_RGB32);
        QPainter painter(&image);
        // A quarter red, a half green, a quarter blue.
        const QList<std::pair<QColor, std::pair<int, int>>> parts{
            {Qt::red, {0, 1}}, {Qt::green, {1, 3}}, {Qt::blue, {3, 4}}};
        const int length = upright ? picture.width() : picture.height();
        for (const auto& [colour, quarters] : parts) {
            const int from = quarters.first * length / 4;
            const int size = (quarters.second - quarters.first) * length / 4;
            painter.fillRect(upright ? QRect(from, 0, size, picture.height())
                                     : QRect(0, from, picture.width(), size),
                             colour);
        }
        painter.end();
        const QImage result = resizeImage(image, maxSize);
        QCOMPARE(result.size(), resized);
        const int across = upright ? result.width() : result.height();
        const QList<int> places{1, across / 2, across - 2};
        for (int i = 0; i < 3; ++i) {
            const QPoint at = upright ? QPoint(places[i], result.height() / 2)
                                      : QPoint(result.width() / 2, places[i]);
            QCOMPARE(result.pixel(at), bands[i]);
        }
    }

    void nothingIsResizedFromOrIntoNothing() {
        QVERIFY(resizeImage(QImage(), QSizeF(10, 10)).isNull());
        QVERIFY(resizeImage(QImage(4, 4, QImage::Format_RGB32), QSizeF(0, 10)).isNull());
    }

    void placeholdersAreFilledInOrderInOnePass() {
        QCOMPARE(localizedText(u"addMessage.string"_s, {u"STICK"_s}),
                 u"The drive “STICK” has no vault yet. Create one to hide these items on the "
                 "drive?"_s);
        QCOMPARE(localizedText(u"%1 then %2"_s, {u"a"_s, u"b"_s}), u"a then b"_s);
        QCOMPARE(localizedText(u"%3 and %2"_s, {u"x"_s, u"y"_s}), u"y and x"_s); // lowest first
        QCOMPARE(localizedText(u"%1-%1"_s, {u"z"_s}), u"z-z"_s);
        QCOMPARE(localizedText(u"%1 %2"_s, {u"%2"_s, u"b"_s}), u"%2 b"_s); // not filled again
        QCOMPARE(localizedText(u"%1 %2"_s, {u"a"_s}), u"a %2"_s);
        QCOMPARE(localizedText(u"plain"_s, {u"a"_s}), u"plain"_s);
        QCOMPARE(localizedText(u"100% of %1"_s, {u"it"_s}), u"100% of it"_s);
    }
};

VEXO_TEST_MAIN(LocalizationTest)
#include "tst_localization.moc"
