#include "access/PasswordStore.h"
#include "platform/Settings.h"
#include "support/TestEnvironment.h"

#include <QSettings>

using namespace vexo::access;
namespace keys = vexo::platform::keys;
using vexo::platform::Settings;

class PasswordStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vexo::test::clearSettings(); }

    void noPasswordBeforeTheGuideFinishes() {
        QCOMPARE(storedPassword(), std::nullopt);
        QVERIFY(!hasFinishedFirstRun());
        QVERIFY(!matchesStoredPassword(QString()));
        QVERIFY(!matchesStoredPassword(QStringLiteral("anything")));
    }

    void anEmptyStoredEntryUnlocksNothing() {
        Settings::setValue(keys::kSOUREPASSWORD, QString());
        QCOMPARE(storedPassword(), std::nullopt);
        QVERIFY(!matchesStoredPassword(QString()));
        QVERIFY(!matchesStoredPassword(QStringLiteral("")));
    }

    void anEmptyPasswordIsNeverStored() {
        QVERIFY(replaceStoredPassword(QStringLiteral("first")));
        QVERIFY(!replaceStoredPassword(QString()));
        QCOMPARE(storedPassword(), QStringLiteral("first"));
    }

    void thePasswordIsKeptExactlyAsTyped_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("blanks at both ends") << "  two words  ";
        QTest::newRow("tab and newline") << "a\tb\n";
        QTest::newRow("non-ASCII") << "Pässwörd 密码 😀";
        QTest::newRow("decomposed accent") << "Pa\u0301ss";
    }

    void thePasswordIsKeptExactlyAsTyped() {
        QFETCH(QString, password);
        QVERIFY(replaceStoredPassword(password));
        QCOMPARE(storedPassword(), password);
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), password);
        QVERIFY(matchesStoredPassword(password));
    }

    void matchingIsLiteral_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same") << "Secret 1"
                              << "Secret 1" << true;
        QTest::newRow("one letter's case") << "Secret 1"
                                           << "secret 1" << false;
        QTest::newRow("trailing blank typed") << "Secret 1"
                                              << "Secret 1 " << false;
        QTest::newRow("trailing blank missing") << " Secret 1 "
                                                << " Secret 1" << false;
        QTest::newRow("prefix") << "Secret 1"
                                << "Secret" << false;
        QTest::newRow("composed vs decomposed") << "P\u00e1ss"
                                                << "Pa\u0301ss" << false;
        QTest::newRow("empty typed") << "Secret 1"
                                     << "" << false;
    }

    void matchingIsLiteral() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        QVERIFY(replaceStoredPassword(stored));
        QCOMPARE(matchesStoredPassword(typed), matches);
    }

    void aChangeLeavesOnlyTheNewPasswordAndHint() {
        QVERIFY(replaceStoredPassword(QStringLiteral("old one")));
        replacePasswordHint(QStringLiteral("old hint"));
        QVERIFY(replaceStoredPassword(QStringLiteral("new one")));
        replacePasswordHint(QStringLiteral("new hint"));
        QVERIFY(!matchesStoredPassword(QStringLiteral("old one")));
        QVERIFY(matchesStoredPassword(QStringLiteral("new one")));
        QCOMPARE(passwordHint(), QStringLiteral("new hint"));
    }

    void anAbsentHintReadsEmpty() { QCOMPARE(passwordHint(), QString()); }

    void theRememberCopyTouchesOnlyItsOwnEntry() {
        writeRememberedPasswordCopy(QStringLiteral(" typed "));
        QSettings raw(Settings::fileName(), QSettings::IniFormat);
        QCOMPARE(raw.allKeys(), QStringList{QStringLiteral("remmenberBtn.state")});
        QCOMPARE(raw.value(QStringLiteral("remmenberBtn.state")).toString(),
                 QStringLiteral(" typed "));
        QCOMPARE(storedPassword(), std::nullopt);
        QVERIFY(!matchesStoredPassword(QStringLiteral(" typed ")));
    }

    void theFinishedGuideIsRemembered() {
        markFirstRunFinished();
        QVERIFY(hasFinishedFirstRun());
        QCOMPARE(Settings::value(keys::FirstRun), true);
    }

    void digestsAreUpperCaseMd5OfUtf8() {
        QCOMPARE(passwordDigest(QStringLiteral("abc")),
                 QStringLiteral("900150983CD24FB0D6963F7D28E17F72"));
        QCOMPARE(passwordDigest(QString()), QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
        QVERIFY(passwordDigest(QStringLiteral("abc ")) != passwordDigest(QStringLiteral("abc")));
        QVERIFY(passwordDigest(QStringLiteral("Abc")) != passwordDigest(QStringLiteral("abc")));
    }
};

VEXO_TEST_MAIN(PasswordStoreTest)
#include "tst_passwordstore.moc"
