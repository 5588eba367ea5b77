#include "platform/Localization.h"
#include "platform/Settings.h"
#include "platform/gui/ImageLookup.h"
#include "support/TestEnvironment.h"

using namespace vexo::platform;
using namespace Qt::StringLiterals;

class LocalizationTest : public QObject {
    Q_OBJECT
private slots:
    void languageIndexesAreClamped_data() {
        QTest::addColumn<qint64>("index");
        QTest::addColumn<QString>("code");
        QTest::newRow("negative") << qint64(-5) << "en";
        QTest::newRow("0") << qint64(0) << "en";
        QTest::newRow("1") << qint64(1) << "zh-Hans";
        QTest::newRow("2") << qint64(2) << "en";
        QTest::newRow("3") << qint64(3) << "zh-Hant";
        QTest::newRow("4") << qint64(4) << "fr";
        QTest::newRow("5") << qint64(5) << "de";
        QTest::newRow("6") << qint64(6) << "ja";
        QTest::newRow("7") << qint64(7) << "es";
        QTest::newRow("8") << qint64(8) << "pt-PT";
        QTest::newRow("12") << qint64(12) << "pt-PT";
    }

    void languageIndexesAreClamped() {
        QFETCH(qint64, index);
        QFETCH(QString, code);
        QCOMPARE(languageCodeForIndex(index), code);
    }

    void theStoredLanguageServesBeforeAnySwitch() {
        // The very first lookup of the process reads AppLanguage.
        Settings::setValue(keys::AppLanguage, 1);
        QCOMPARE(localizedStringForKey(QStringLiteral("group_AllFiles")),
                 QStringLiteral("所有文件"));
    }

    void aSwitchChangesEveryLaterLookup() {
        Settings::setValue(keys::AppLanguage, 2);
        setLanguage();
        QCOMPARE(localizedStringForKey(QStringLiteral("group_AllFiles")),
                 QStringLiteral("All Files"));
        Settings::setValue(keys::AppLanguage, 1);
        setLanguage();
        QCOMPARE(localizedStringForKey(QStringLiteral("weekItem1.stringValue")),
                 QStringLiteral("星期日"));
    }

    void aKeyWithoutTextComesBackAsTheKey() {
        Settings::setValue(keys::AppLanguage, 0);
        setLanguage();
        QCOMPARE(localizedStringForKey(QStringLiteral("no.such.key")),
                 QStringLiteral("no.such.key"));
        QCOMPARE(localizedStringForKey(QStringLiteral("no.such.key"), QStringLiteral("Fallback")),
                 QStringLiteral("Fallback"));
        QCOMPARE(localizedStringForKey(QString()), QString());
    }

    void aLanguageWithoutTableShowsKeys() {
        Settings::setValue(keys::AppLanguage, 6);
        setLanguage();
        QCOMPARE(localizedStringForKey(QStringLiteral("group_AllFiles")),
                 QStringLiteral("group_AllFiles"));
        Settings::setValue(keys::AppLanguage, 0);
        setLanguage();
    }

    void picturesAreFoundWithTheirFallbacks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");
        QTest::addColumn<int>("width");
        QTest::newRow("full name") << "testpics/plain.png"
                                   << "testpics/plain.png" << 1;
        QTest::newRow("without type") << "testpics/plain"
                                      << "testpics/plain.png" << 1;
        QTest::newRow("only @2x") << "testpics/onlyretina"
                                  << "testpics/onlyretina@2x.png" << 2;
        QTest::newRow("only @2x, named with type") << "testpics/onlyretina.png"
                                                   << "testpics/onlyretina@2x.png" << 2;
        QTest::newRow("@3x before @2x") << "testpics/both"
                                        << "testpics/both@3x.png" << 3;
        QTest::newRow("missing") << "testpics/none"
                                 << "" << 0;
    }

    void picturesAreFoundWithTheirFallbacks() {
        QFETCH(QString, name);
        QFETCH(QString, found);
        QFETCH(int, width);
        const QString expected =
            found.isEmpty() ? QString() : QStringLiteral(":/Settings.bundle/") + found;
        QCOMPARE(imagePathWithfileName(name), expected);
        QCOMPARE(imageWithfileName(name).width(), width);
    }

    void placeholdersAreFilledInOrderInOnePass_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("text");
        QTest::newRow("translated key") << "addMessage.string" << QStringList{u"STICK"_s}
                                        << "The drive “STICK” has no vault yet. Create one to "
                                           "hide these items on the drive?";
        QTest::newRow("in order") << "%1 then %2" << QStringList{u"a"_s, u"b"_s} << "a then b";
        QTest::newRow("lowest number first")
            << "%3 and %2" << QStringList{u"x"_s, u"y"_s} << "y and x";
        QTest::newRow("repeated") << "%1-%1" << QStringList{u"z"_s} << "z-z";
        QTest::newRow("argument not searched again")
            << "%1 %2" << QStringList{u"%2"_s, u"b"_s} << "%2 b";
        QTest::newRow("too few arguments") << "%1 %2" << QStringList{u"a"_s} << "a %2";
        QTest::newRow("no placeholders") << "plain" << QStringList{u"a"_s} << "plain";
        QTest::newRow("percent sign kept") << "100% of %1" << QStringList{u"it"_s} << "100% of it";
    }

    void placeholdersAreFilledInOrderInOnePass() {
        QFETCH(QString, key);
        QFETCH(QStringList, arguments);
        QFETCH(QString, text);
        QCOMPARE(localizedText(key, arguments), text);
    }
};

VEXO_TEST_MAIN(LocalizationTest)
#include "tst_localization.moc"
