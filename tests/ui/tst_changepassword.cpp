#include "UiTestMain.h"
#include "access/PasswordStore.h"
#include "platform/Digest.h"
#include "platform/Localization.h"
#include "ui/ChangePasswordWController.h"
#include "ui/DialogPrompt.h"
#include "ui/FieldFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QSequentialAnimationGroup>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

using namespace vexo;
using Alert = vault::Prompt::Alert;

namespace {

const QString kOld = QStringLiteral("Old secret 1");
const QString kOldHint = QStringLiteral("old hint");
const QString kStrong = QStringLiteral("Tr7#qLm9!vX2wz");

QString text(const char* key) {
    return platform::localizedStringForKey(QString::fromLatin1(key));
}

// What the user types into the window's four fields.
struct Typed {
    QString old = kOld;
    QString now = kStrong;
    QString verify = kStrong;
    QString hint = QStringLiteral("new hint");
};

} // namespace

Q_DECLARE_METATYPE(Typed)

class ChangePasswordTest : public QObject {
    Q_OBJECT
private:
    ui::DialogPrompt prompt;
    std::unique_ptr<ui::ChangePasswordWController> window;

    template <typename T> T* child(const QString& name) { return window->findChild<T*>(name); }
    QLineEdit* field(const char* name) { return child<QLineEdit>(QLatin1String(name)); }
    QSequentialAnimationGroup* shakeOf(const char* name) {
        return child<QSequentialAnimationGroup>(QLatin1String(name) + QStringLiteral("Shake"));
    }
    QStringList shaking() {
        QStringList names;
        for (const char* name : {"oldPassword", "nowPassword", "verify"})
            if (shakeOf(name)->state() == QAbstractAnimation::Running)
                names << QLatin1String(name);
        return names;
    }

    void type(const Typed& typed) {
        field("oldPasswordField")->setText(typed.old);
        field("nowPasswordField")->setText(typed.now);
        field("verifyField")->setText(typed.verify);
        field("passwordHitField")->setText(typed.hint);
    }
    // Types, presses the change button and tells whether the window closed
    // with a change.
    bool change(const Typed& typed) {
        type(typed);
        QSignalSpy accepted(window.get(), &QDialog::accepted);
        QTest::mouseClick(child<QWidget>(QStringLiteral("changePasswordBtn")), Qt::LeftButton);
        return accepted.count() == 1;
    }
    static QStringList messagesOf(const QList<Alert>& alerts) {
        QStringList messages;
        for (const Alert& alert : alerts)
            messages << alert.messageKey;
        return messages;
    }

private slots:
    void init() {
        test::clearSettings();
        platform::setLanguageCode(QStringLiteral("en"));
        ui::DialogPrompt::clearQueuedAnswers();
        QVERIFY(access::replaceStoredPassword(kOld));
        access::replacePasswordHint(kOldHint);
        window = std::make_unique<ui::ChangePasswordWController>(prompt);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        QCOMPARE(ui::DialogPrompt::queuedAnswers(), 0);
    }

    void theWindowStartsOnTheOldPassword() {
        QCOMPARE(window->size(), ui::ChangePasswordWController::kSize);
        QCOMPARE(window->windowTitle(), text("changePassword"));
        QTRY_VERIFY(field("oldPasswordField")->hasFocus());
        QCOMPARE(child<ui::FieldFrame>(QStringLiteral("oldPasswordBG"))->borderColour(),
                 QColor(80, 162, 246));
        QCOMPARE(child<ui::FieldFrame>(QStringLiteral("verifyBG"))->borderWidth(), 1.0);
        QVERIFY(child<QLabel>(QStringLiteral("passwordLealLabel"))->text().isEmpty());
    }

    // The checks run in order; each refusal shakes the field to correct and
    // keeps what was typed; only a wrong old password says why.
    void refusalsShakeTheFieldToCorrect_data() {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("shaken");
        QTest::addColumn<bool>("told");
        QTest::newRow("old password in other letter case")
            << Typed{kOld.toUpper()} << "oldPassword" << true;
        QTest::newRow("wrong old before an empty new one")
            << Typed{QStringLiteral("nope"), {}, {}, {}} << "oldPassword" << true;
        QTest::newRow("empty new password") << Typed{kOld, {}, {}} << "nowPassword" << false;
        QTest::newRow("verify differs")
            << Typed{kOld, kStrong, kStrong + u'x'} << "verify" << false;
        QTest::newRow("verify empty") << Typed{kOld, kStrong, {}} << "verify" << false;
        QTest::newRow("empty hint") << Typed{kOld, kStrong, kStrong, {}} << "" << false;
    }
    void refusalsShakeTheFieldToCorrect() {
        QFETCH(Typed, typed);
        QFETCH(QString, shaken);
        QFETCH(bool, told);
        if (told)
            ui::DialogPrompt::answerNextAlertWith(0);
        QVERIFY(!change(typed));
        QCOMPARE(shaking(), shaken.isEmpty() ? QStringList() : QStringList{shaken});
        const QList<Alert> alerts = ui::DialogPrompt::takeAnsweredAlerts();
        QCOMPARE(messagesOf(alerts),
                 told ? QStringList{QStringLiteral("passwordFaileMessage.StringValue")}
                      : QStringList());
        QVERIFY(window->isVisible());
        QCOMPARE(field("verifyField")->text(), typed.verify);
        QVERIFY(access::matchesStoredPassword(kOld));
        QCOMPARE(access::passwordHint(), kOldHint);
    }

    void declinedConfirmationChangesNothing() {
        ui::DialogPrompt::answerNextAlertWith(1);
        QVERIFY(!change({}));
        QCOMPARE(messagesOf(ui::DialogPrompt::takeAnsweredAlerts()),
                 QStringList{QStringLiteral("passwordMessage.StringValue")});
        QVERIFY(window->isVisible());
        QCOMPARE(field("nowPasswordField")->text(), kStrong);
        QVERIFY(access::matchesStoredPassword(kOld));
    }

    // After the confirmation the new password and hint are stored; a weak
    // password is followed by a notice, a strong one is not.
    void confirmedChangeStoresPasswordAndHint_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("alerts");
        const QString confirm = QStringLiteral("passwordMessage.StringValue");
        QTest::newRow("strong") << kStrong << QStringList{confirm};
        QTest::newRow("weak") << QStringLiteral("abc")
                              << QStringList{confirm,
                                             QStringLiteral("passwordSucMessage.StringValue")};
    }
    void confirmedChangeStoresPasswordAndHint() {
        QFETCH(QString, password);
        QFETCH(QStringList, alerts);
        for (int answer = 0; answer < alerts.size(); ++answer)
            ui::DialogPrompt::answerNextAlertWith(0);
        QVERIFY(change({kOld, password, password, QStringLiteral("new hint")}));
        QCOMPARE(messagesOf(ui::DialogPrompt::takeAnsweredAlerts()), alerts);
        QVERIFY(access::matchesStoredPassword(password));
        QVERIFY(!access::matchesStoredPassword(kOld));
        QCOMPARE(access::passwordHint(), QStringLiteral("new hint"));
        QVERIFY(!window->changedPassword());
    }

    void strengthFollowsTheNewPassword_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("empty") << QString() << QString() << QColor();
        QTest::newRow("weak") << "abc"
                              << "Weak" << QColor(254, 123, 123);
        QTest::newRow("moderate") << "kq7!mzv"
                                  << "Moderate" << QColor(255, 190, 50);
        QTest::newRow("strong") << kStrong << "Strong" << QColor(180, 225, 35);
    }
    void strengthFollowsTheNewPassword() {
        QFETCH(QString, password);
        QFETCH(QString, label);
        QFETCH(QColor, colour);
        QTest::keyClicks(field("nowPasswordField"), kStrong + u'!');
        field("nowPasswordField")->clear();
        QTest::keyClicks(field("nowPasswordField"), password);
        auto* strength = child<QLabel>(QStringLiteral("passwordLealLabel"));
        QCOMPARE(strength->text(), label);
        if (colour.isValid())
            QCOMPARE(strength->palette().color(QPalette::WindowText), colour);
    }

    // Drive mode checks the old password against the vault's stored digest
    // and only hands the new one back.
    void driveModeHandsTheNewPasswordBack_data() {
        QTest::addColumn<QString>("storedDigest");
        QTest::addColumn<QString>("old");
        QTest::addColumn<bool>("changed");
        const QString digest = platform::MD5_32BitUpper(QStringLiteral("drive pass"));
        QTest::newRow("right old password") << digest << "drive pass" << true;
        QTest::newRow("the master password") << digest << kOld << false;
        QTest::newRow("vault without a password") << QString() << QString() << true;
    }
    void driveModeHandsTheNewPasswordBack() {
        QFETCH(QString, storedDigest);
        QFETCH(QString, old);
        QFETCH(bool, changed);
        window->setDriveVault(QStringLiteral("Vault.vlt"), storedDigest);
        QCOMPARE(window->windowTitle(), platform::localizedText(QStringLiteral("changeVltPassword"),
                                                                {QStringLiteral("Vault.vlt")}));
        QCOMPARE(field("oldPasswordField")->isEnabled(), !storedDigest.isEmpty());
        if (!changed)
            ui::DialogPrompt::answerNextAlertWith(0);
        QCOMPARE(change({old}), changed);
        QCOMPARE(window->changedPassword(), changed ? std::optional(kStrong) : std::nullopt);
        QCOMPARE(ui::DialogPrompt::takeAnsweredAlerts().size(), changed ? 0 : 1);
        QVERIFY(access::matchesStoredPassword(kOld));
    }

    void cancellingChangesNothing() {
        window->setDriveVault(QStringLiteral("Vault.vlt"), QString());
        type({});
        QSignalSpy rejected(window.get(), &QDialog::rejected);
        QTest::mouseClick(child<QWidget>(QStringLiteral("cancelBtn")), Qt::LeftButton);
        QCOMPARE(rejected.count(), 1);
        QVERIFY(!window->changedPassword());
        QVERIFY(access::matchesStoredPassword(kOld));
    }
};

VEXO_UI_TEST_MAIN(ChangePasswordTest)
#include "tst_changepassword.moc"
