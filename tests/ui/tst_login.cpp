#include "UiTestMain.h"
#include "access/PasswordStore.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "ui/KbPopoverViewController.h"
#include "ui/PictureButton.h"
#include "ui/TurningPicture.h"
#include "ui/loginViewcontroller.h"

#include <QLabel>
#include <QLineEdit>
#include <QSequentialAnimationGroup>
#include <QSignalSpy>

#include <memory>
#include <numbers>

using namespace vexo;
using platform::Settings;
namespace keys = platform::keys;

namespace {

const QString kPassword = QStringLiteral("Secret 1");
const QString kHint = QStringLiteral("the cat's name");
const QString kHintPicture = QStringLiteral("About/PasswordHintIconMenu@2x.png");
const QString kOkPicture = QStringLiteral("About/loginOk.png");

QString text(const char* key) {
    return platform::localizedStringForKey(QString::fromLatin1(key));
}

} // namespace

class LoginTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ui::loginViewcontroller> screen;
    std::unique_ptr<QSignalSpy> unlocked;

    template <typename T> T* child(const char* name) {
        return screen->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* field() { return child<QLineEdit>("passwordTextField"); }
    ui::PictureButton* enterButton() { return child<ui::PictureButton>("enterBtn"); }

    void attempt(const QString& typed) {
        field()->clear();
        QTest::keyClicks(field(), typed);
        QTest::keyClick(field(), Qt::Key_Return);
    }

private slots:
    void init() {
        test::clearSettings();
        access::replaceStoredPassword(kPassword);
        access::replacePasswordHint(kHint);
        screen = std::make_unique<ui::loginViewcontroller>();
        unlocked = std::make_unique<QSignalSpy>(screen.get(), &ui::loginViewcontroller::unlocked);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    }

    void cleanup() {
        unlocked.reset();
        screen.reset();
        platform::setLanguageCode(QStringLiteral("en"));
    }

    void onlyTheExactPasswordUnlocks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("exact") << kPassword << true;
        QTest::newRow("other case") << "secret 1" << false;
        QTest::newRow("trailing blank") << "Secret 1 " << false;
        QTest::newRow("prefix") << "Secret" << false;
        QTest::newRow("empty") << "" << false;
    }

    void onlyTheExactPasswordUnlocks() {
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        attempt(QStringLiteral("wrong"));
        attempt(typed);
        QCOMPARE(unlocked->count(), opens ? 1 : 0);
        QCOMPARE(screen->errorCount(), opens ? 0 : 2);
        QCOMPARE(field()->text(), typed);
    }

    void anAbsentStoredPasswordMatchesNothing() {
        test::clearSettings();
        attempt(QString());
        attempt(QStringLiteral("anything"));
        QCOMPARE(unlocked->count(), 0);
        QCOMPARE(screen->errorCount(), 2);
    }

    // Attempts 1 to 3 only shake; from 4 the stored hint shows, from 6 the
    // notice in its place.
    void wrongAttemptsOpenTheHintFromTheFourth_data() {
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QSize>("size");
        QTest::newRow("3") << 3 << false << QString() << QString() << QSize();
        QTest::newRow("4") << 4 << true << text("passwordhint.placeholderString") << kHint
                           << QSize(300, 79);
        QTest::newRow("6") << 6 << true << text("passwordhint1.placeholderString")
                           << text("passwordkeyphale") << QSize(300, 118);
    }

    void wrongAttemptsOpenTheHintFromTheFourth() {
        QFETCH(int, attempts);
        QFETCH(bool, shown);
        QFETCH(QString, title);
        QFETCH(QString, body);
        QFETCH(QSize, size);
        for (int i = 0; i < attempts; ++i)
            attempt(QStringLiteral("wrong"));
        QCOMPARE(screen->errorCount(), attempts);
        QCOMPARE(screen->isHintShown(), shown);
        QCOMPARE(unlocked->count(), 0);
        if (!shown)
            return;
        const ui::KbPopoverViewController* content = screen->mypopoverView();
        QCOMPARE(content->errorCount(), attempts);
        QCOMPARE(content->titleLabel()->text(), title);
        QCOMPARE(content->passwordhintLabel()->text(), body);
        QCOMPARE(content->size(), size);
    }

    void successResetsTheCount() {
        for (int i = 0; i < 5; ++i)
            attempt(QStringLiteral("wrong"));
        attempt(kPassword);
        QCOMPARE(screen->errorCount(), 0);
        QVERIFY(!screen->isHintShown());
        QCOMPARE(unlocked->count(), 1);
    }

    void anEmptyStoredHintShowsAnEmptyBody() {
        access::replacePasswordHint(QString());
        for (int i = 0; i < 4; ++i)
            attempt(QStringLiteral("wrong"));
        QVERIFY(screen->isHintShown());
        QCOMPARE(screen->mypopoverView()->passwordhintLabel()->text(), QString());
    }

    void returnOnAnEmptyFieldCountsAndShakes() {
        auto* frame = child<QWidget>("passwordBackGroundView");
        const QPoint rest = frame->pos();
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(screen->errorCount(), 1);
        QCOMPARE(child<QSequentialAnimationGroup>("passwordShake")->state(),
                 QAbstractAnimation::Running);
        QCOMPARE(frame->pos(), rest + QPoint(10, 0));
        QTRY_COMPARE(child<QSequentialAnimationGroup>("passwordShake")->state(),
                     QAbstractAnimation::Stopped);
        QCOMPARE(frame->pos(), rest);
    }

    void theEnterButtonOnAnEmptyFieldOnlyOpensTheHint() {
        QTest::mouseClick(enterButton(), Qt::LeftButton);
        QVERIFY(screen->isHintShown());
        QCOMPARE(screen->errorCount(), 0);
        QCOMPARE(screen->mypopoverView()->passwordhintLabel()->text(), kHint);
        QCOMPARE(child<QSequentialAnimationGroup>("passwordShake")->state(),
                 QAbstractAnimation::Stopped);
    }

    void theEnterButtonSubmitsTypedText() {
        QTest::keyClicks(field(), QStringLiteral("wrong"));
        QTest::mouseClick(enterButton(), Qt::LeftButton);
        QCOMPARE(screen->errorCount(), 1);
        field()->clear();
        QTest::keyClicks(field(), kPassword);
        QTest::mouseClick(enterButton(), Qt::LeftButton);
        QCOMPARE(unlocked->count(), 1);
    }

    void aMouseReleaseClosesTheHint() {
        QTest::mouseClick(enterButton(), Qt::LeftButton);
        QVERIFY(screen->isHintShown());
        QTest::mouseClick(screen.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!screen->isHintShown());
    }

    void theEnterPictureFollowsTheField() {
        QCOMPARE(enterButton()->pictureName(), kHintPicture);
        QTest::keyClicks(field(), QStringLiteral("ab"));
        QCOMPARE(enterButton()->pictureName(), kOkPicture);
        QTest::keyClick(field(), Qt::Key_Backspace);
        QCOMPARE(enterButton()->pictureName(), kOkPicture);
        QTest::keyClick(field(), Qt::Key_Backspace);
        QCOMPARE(enterButton()->pictureName(), kHintPicture);
    }

    void everyChangeTurnsTheLockToANewDivisor() {
        auto* lock = child<ui::TurningPicture>("loginView");
        QCOMPARE(lock->pictureName(), QStringLiteral("About/loginLock.png"));
        qint64 previous = screen->flagValue();
        for (int i = 0; i < 30; ++i) {
            QTest::keyClicks(field(), QStringLiteral("x"));
            const qint64 divisor = screen->flagValue();
            QVERIFY(divisor >= 1 && divisor <= 3);
            QVERIFY(divisor != previous);
            QCOMPARE(screen->animationFlagValue(),
                     static_cast<float>(2 * std::numbers::pi / static_cast<double>(divisor)));
            previous = divisor;
        }
        QTRY_VERIFY(!lock->isTurning());
        QCOMPARE(static_cast<float>(lock->angle()), screen->animationFlagValue());
    }

    void aLanguageSwitchRereadsEveryText() {
        for (int i = 0; i < 6; ++i)
            attempt(QStringLiteral("wrong"));
        // A language without a table shows the keys themselves.
        platform::setLanguageCode(QStringLiteral("xx"));
        screen->langeuageAction();
        QCOMPARE(field()->placeholderText(), QStringLiteral("passwordTextField.placeholderString"));
        QStringList labels;
        for (const QLabel* label : screen->findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains(QStringLiteral("AppName.text")));
        QVERIFY(labels.contains(QStringLiteral("passwordtishiLabelstringValue")));
        QCOMPARE(screen->mypopoverView()->titleLabel()->text(),
                 QStringLiteral("passwordhint1.placeholderString"));
        QCOMPARE(screen->mypopoverView()->passwordhintLabel()->text(),
                 QStringLiteral("passwordkeyphale"));
        platform::setLanguageCode(QStringLiteral("en"));
        screen->langeuageAction();
        QCOMPARE(field()->placeholderText(), text("passwordTextField.placeholderString"));
        QVERIFY(field()->placeholderText() !=
                QStringLiteral("passwordTextField.placeholderString"));
    }
};

VEXO_UI_TEST_MAIN(LoginTest)
#include "tst_login.moc"
