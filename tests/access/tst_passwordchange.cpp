#include "access/PasswordChange.h"
#include "access/PasswordStore.h"
#include "support/TestEnvironment.h"

using namespace vexo::access;

Q_DECLARE_METATYPE(vexo::access::PasswordChangeRefusal)

namespace {

PasswordChangeRequest typed(const char* old, const char* fresh, const char* verify,
                            const char* hint) {
    return {QString::fromUtf8(old), QString::fromUtf8(fresh), QString::fromUtf8(verify),
            QString::fromUtf8(hint)};
}

} // namespace

class PasswordChangeTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vexo::test::clearSettings(); }

    // Each row breaks one more rule than the checks before it look at, so the
    // first refusal in the order is the one reported.
    void refusalsComeInTheirOrder_data() {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("verify");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<PasswordChangeRefusal>("refusal");
        using R = PasswordChangeRefusal;
        QTest::newRow("wrong old, all else empty") << "Secret"
                                                   << ""
                                                   << ""
                                                   << "" << R::WrongOldPassword;
        QTest::newRow("old differs in case only") << "SECRET"
                                                  << "n"
                                                  << "n"
                                                  << "h" << R::WrongOldPassword;
        QTest::newRow("empty new") << "secret"
                                   << ""
                                   << "x"
                                   << "" << R::EmptyNewPassword;
        QTest::newRow("verify differs") << "secret"
                                        << "new"
                                        << "New"
                                        << "" << R::VerifyMismatch;
        QTest::newRow("verify empty") << "secret"
                                      << "new"
                                      << ""
                                      << "h" << R::VerifyMismatch;
        QTest::newRow("hint empty") << "secret"
                                    << "new"
                                    << "new"
                                    << "" << R::EmptyHint;
        QTest::newRow("accepted") << "secret"
                                  << "new"
                                  << "new"
                                  << "h" << R::None;
    }
    void refusalsComeInTheirOrder() {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, verify);
        QFETCH(QString, hint);
        QFETCH(PasswordChangeRefusal, refusal);
        QVERIFY(replaceStoredPassword(QStringLiteral("secret")));
        QCOMPARE(checkPasswordChange(storedPasswordDigest(), {old, fresh, verify, hint}), refusal);
    }

    void aDriveVaultIsCheckedAgainstItsOwnDigest() {
        const QString driveDigest = passwordDigest(QStringLiteral("drive"));
        QCOMPARE(checkPasswordChange(driveDigest, typed("drive", "n", "n", "h")),
                 PasswordChangeRefusal::None);
        QCOMPARE(checkPasswordChange(driveDigest, typed("master", "n", "n", "h")),
                 PasswordChangeRefusal::WrongOldPassword);
    }

    void withoutAStoredPasswordNothingMatches() {
        QCOMPARE(storedPasswordDigest(), QString());
        QVERIFY(!oldPasswordMatches(storedPasswordDigest(), QString()));
        QCOMPARE(checkPasswordChange(storedPasswordDigest(), typed("", "n", "n", "h")),
                 PasswordChangeRefusal::WrongOldPassword);
    }

    void aChangeStoresTheHintAndThePassword() {
        QVERIFY(replaceStoredPassword(QStringLiteral("secret")));
        QVERIFY(storeMasterPasswordChange(typed("secret", "new one", "new one", "the hint")));
        QVERIFY(matchesStoredPassword(QStringLiteral("new one")));
        QVERIFY(!matchesStoredPassword(QStringLiteral("secret")));
        QCOMPARE(passwordHint(), QStringLiteral("the hint"));

        QVERIFY(!storeMasterPasswordChange(typed("new one", "", "", "other")));
        QVERIFY(matchesStoredPassword(QStringLiteral("new one")));
        QCOMPARE(passwordHint(), QStringLiteral("the hint"));
    }
};

VEXO_TEST_MAIN(PasswordChangeTest)
#include "tst_passwordchange.moc"
