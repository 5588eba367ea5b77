#include "platform/Localization.h"
#include "platform/Settings.h"
#include "platform/gui/ImageLookup.h"
#include "support/TestEnvironment.h"

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
