#include "UiTestMain.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "support/TestFiles.h"
#include "ui/FieldFrame.h"
#include "ui/GuideViewController.h"
#include "ui/PageIndicator.h"
#include "ui/TurningPicture.h"
#include "vault/ScriptedPrompt.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

#include <memory>
#include <numbers>

using namespace vexo;
using platform::Settings;
namespace keys = platform::keys;

namespace {

// Keeps the save choice the guide asked for.
class RecordingPrompt : public test::ScriptedPrompt {
public:
    QList<SaveChoice> saveChoices;
    QString chooseSavePath(const SaveChoice& choice) override {
        saveChoices.append(choice);
        return ScriptedPrompt::chooseSavePath(choice);
    }
};

QString text(const char* key) {
    return platform::localizedStringForKey(QString::fromLatin1(key));
}

bool nothingStored() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vexo"),
                     QStringLiteral("Vexo"))
        .allKeys()
        .isEmpty();
}

} // namespace

class GuideTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<RecordingPrompt> prompt;
    std::unique_ptr<ui::GuideViewController> guide;
    std::unique_ptr<QSignalSpy> finished;

    void openGuide(bool tutorial) {
        guide = std::make_unique<ui::GuideViewController>(*prompt, tutorial);
        finished = std::make_unique<QSignalSpy>(guide.get(), &ui::GuideViewController::finished);
        guide->show();
        QVERIFY(QTest::qWaitForWindowExposed(guide.get()));
    }

    template <typename T> T* child(const char* name) {
        return guide->findChild<T*>(QString::fromLatin1(name));
    }

    void pressPageButton() { QTest::mouseClick(child<QPushButton>("pageButton"), Qt::LeftButton); }

    void goToCreationPage() {
        for (int page = 0; page < 4; ++page)
            pressPageButton();
        QCOMPARE(guide->pageIndex(), 4);
    }

    void type(const char* field, const QString& typed) {
        QTest::keyClicks(child<QLineEdit>(field), typed);
    }

    void fillIn(const QString& password, const QString& confirmation, const QString& hint = {}) {
        type("passwordField", password);
        type("confirmationField", confirmation);
        type("hintField", hint);
    }

    QString scratchPath(const QString& relative) {
        return test::scratchRoot() + QStringLiteral("/guide/") + relative;
    }

private slots:
    void init() {
        test::clearSettings();
        QDir(scratchPath({})).removeRecursively();
        prompt = std::make_unique<RecordingPrompt>();
        openGuide(false);
    }

    void cleanup() {
        finished.reset();
        guide.reset();
    }

    void theButtonWalksThePagesToTheCreationPage() {
        auto* dots = child<ui::PageIndicator>("pageDots");
        auto* strip = child<QWidget>("pageStrip");
        QCOMPARE(dots->count(), 5);
        for (int page = 0; page < 4; ++page) {
            QCOMPARE(guide->pageIndex(), page);
            QCOMPARE(dots->current(), page);
            QCOMPARE(strip->x(), -page * strip->parentWidget()->width());
            QCOMPARE(child<QPushButton>("pageButton")->text(), text("Next.text"));
            pressPageButton();
        }
        QCOMPARE(guide->pageIndex(), 4);
        QCOMPARE(dots->current(), 4);
        QCOMPARE(strip->x(), -4 * strip->parentWidget()->width());
        QCOMPARE(child<QPushButton>("pageButton")->text(), text("createVaultBtn.title"));
    }

    void theFifthDotJumpsToTheCreationPage() {
        auto* dots = child<ui::PageIndicator>("pageDots");
        QTest::mouseClick(dots, Qt::LeftButton, {}, dots->dotCentre(4));
        QCOMPARE(guide->pageIndex(), 4);
        QCOMPARE(child<QPushButton>("pageButton")->text(), text("createVaultBtn.title"));
        QTest::mouseClick(dots, Qt::LeftButton, {}, dots->dotCentre(1));
        QCOMPARE(guide->pageIndex(), 1);
        QCOMPARE(child<QPushButton>("pageButton")->text(), text("Next.text"));
    }

    void finishingStoresTheVaultAndPassword_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("existingFolder");
        QTest::newRow("proposed name") << "Movies/My Vault"
                                       << "Movies/My Vault.vlt" << false;
        QTest::newRow("already .vlt") << "deep/new/Box.vlt"
                                      << "deep/new/Box.vlt" << false;
        QTest::newRow("existing folder") << "Old.vlt"
                                         << "Old.vlt" << true;
    }

    void finishingStoresTheVaultAndPassword() {
        QFETCH(QString, chosen);
        QFETCH(QString, root);
        QFETCH(bool, existingFolder);
        const QString keptFile = scratchPath(root + QStringLiteral("/kept.txt"));
        if (existingFolder)
            test::writeFile(keptFile, "stays");
        goToCreationPage();
        fillIn(QStringLiteral("pa ss"), QStringLiteral("pa ss"), QStringLiteral("a hint"));
        prompt->savePathAnswers.enqueue(scratchPath(chosen));
        pressPageButton();

        QCOMPARE(finished->count(), 1);
        QVERIFY(prompt->alerts.isEmpty());
        QVERIFY(QFileInfo(scratchPath(root)).isDir());
        QVERIFY(!QFileInfo::exists(scratchPath(root) + QStringLiteral(".vlt")));
        if (existingFolder)
            QCOMPARE(test::readFile(keptFile), QByteArray("stays"));
        QCOMPARE(Settings::value(keys::kRootDirKey), scratchPath(root));
        QCOMPARE(Settings::value(keys::mainWindowSizeWidth), 800.0);
        QCOMPARE(Settings::value(keys::mainWindowSizeHeight), 500.0);
        QCOMPARE(Settings::value(keys::kPASSWORDHINTCONTENT), QStringLiteral("a hint"));
        QCOMPARE(Settings::value(keys::FirstRun), true);
        QCOMPARE(Settings::value(keys::kSOUREPASSWORD), QStringLiteral("pa ss"));
        QVERIFY(!Settings::contains(keys::rememberPasswordCopy));
    }

    void theSaveChooserIsAskedForMyVaultInMovies() {
        goToCreationPage();
        fillIn(QStringLiteral("pw"), QStringLiteral("pw"));
        prompt->savePathAnswers.enqueue(QString());
        pressPageButton();
        QCOMPARE(prompt->saveChoices.size(), 1);
        const auto& choice = prompt->saveChoices.constFirst();
        QCOMPARE(choice.title, QStringLiteral("My Vault"));
        QCOMPARE(choice.messageKey, QStringLiteral("SavePanel.message"));
        QCOMPARE(choice.startFolder, QDir::homePath() + QStringLiteral("/Movies"));
        QVERIFY(choice.showExtension);
        QVERIFY(choice.canCreateFolders);
    }

    void anEmptyHintKeepsTheOldOneAndRememberWritesTheCopy() {
        Settings::setValue(keys::kPASSWORDHINTCONTENT, QStringLiteral("old hint"));
        goToCreationPage();
        fillIn(QStringLiteral("secret"), QStringLiteral("secret"));
        child<QCheckBox>("rememberBox")->setChecked(true);
        prompt->savePathAnswers.enqueue(scratchPath(QStringLiteral("V")));
        pressPageButton();
        QCOMPARE(finished->count(), 1);
        QCOMPARE(Settings::value(keys::kPASSWORDHINTCONTENT), QStringLiteral("old hint"));
        QCOMPARE(Settings::value(keys::rememberPasswordCopy), QStringLiteral("secret"));
    }

    // Each row ends the finish step early: nothing stored, still on the last page.
    void anUnfinishedStepStoresNothing_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("confirmationAfter");
        QTest::addColumn<int>("choosersAsked");
        QTest::newRow("empty password") << ""
                                        << "typed" << QStringList() << "typed" << 0;
        QTest::newRow("mismatch") << "secret"
                                  << "Secret" << QStringList() << "" << 0;
        QTest::newRow("longer confirmation") << "secret"
                                             << "secret " << QStringList() << "" << 0;
        QTest::newRow("chooser cancelled") << "secret"
                                           << "secret" << QStringList{QString()} << "secret" << 1;
    }

    void anUnfinishedStepStoresNothing() {
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QStringList, answers);
        QFETCH(QString, confirmationAfter);
        QFETCH(int, choosersAsked);
        goToCreationPage();
        fillIn(password, confirmation);
        for (const QString& answer : answers)
            prompt->savePathAnswers.enqueue(answer);
        pressPageButton();
        QCOMPARE(prompt->saveChoices.size(), choosersAsked);
        QCOMPARE(prompt->unexpected, 0);
        QCOMPARE(child<QLineEdit>("passwordField")->text(), password);
        QCOMPARE(child<QLineEdit>("confirmationField")->text(), confirmationAfter);
        QCOMPARE(guide->pageIndex(), 4);
        QCOMPARE(finished->count(), 0);
        QVERIFY(nothingStored());
    }

    void aFolderThatCannotBeMadeIsAlertedAndNothingStored_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("below a file") << "file/Vault";
        QTest::newRow("a file in the way") << "file.vlt";
    }

    void aFolderThatCannotBeMadeIsAlertedAndNothingStored() {
        QFETCH(QString, chosen);
        test::writeFile(scratchPath(QStringLiteral("file")), "x");
        test::writeFile(scratchPath(QStringLiteral("file.vlt")), "x");
        goToCreationPage();
        fillIn(QStringLiteral("secret"), QStringLiteral("secret"));
        prompt->savePathAnswers.enqueue(scratchPath(chosen));
        pressPageButton();
        QCOMPARE(prompt->alertKeys(), QStringList{QStringLiteral("NTFErrorTitle")});
        QVERIFY(!prompt->alerts.constFirst().informativeText.isEmpty());
        QCOMPARE(prompt->alerts.constFirst().buttonKeys, QStringList{QStringLiteral("OK")});
        QCOMPARE(finished->count(), 0);
        QCOMPARE(guide->pageIndex(), 4);
        QVERIFY(nothingStored());
    }

    void theTutorialShowsFourPagesAndNeverStores() {
        int closes = 0;
        openGuide(true);
        guide->setBlackBlock([&closes] { ++closes; });
        QCOMPARE(child<ui::PageIndicator>("pageDots")->count(), 4);
        QVERIFY(!child<QLineEdit>("passwordField"));
        for (int page = 0; page < 3; ++page)
            pressPageButton();
        QCOMPARE(guide->pageIndex(), 3);
        QCOMPARE(child<QPushButton>("pageButton")->text(), text("closeBtn.title"));
        QCOMPARE(closes, 0);
        pressPageButton();
        pressPageButton();
        QCOMPARE(closes, 2);
        QCOMPARE(guide->pageIndex(), 3);
        guide->showPage(4);
        QCOMPARE(guide->pageIndex(), 3);
        QCOMPARE(prompt->saveChoices.size(), 0);
        QCOMPARE(finished->count(), 0);
        QVERIFY(nothingStored());
    }

    void returnMovesTheFocusAndTheFrameFollowsIt() {
        goToCreationPage();
        guide->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(guide.get()));
        auto* password = child<QLineEdit>("passwordField");
        auto* confirmation = child<QLineEdit>("confirmationField");
        password->setFocus();
        QCOMPARE(child<ui::FieldFrame>("passwordFieldFrame")->borderWidth(), 2.0);
        QCOMPARE(child<ui::FieldFrame>("confirmationFieldFrame")->borderWidth(), 0.5);
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(confirmation->hasFocus());
        QCOMPARE(child<ui::FieldFrame>("passwordFieldFrame")->borderWidth(), 0.5);
        QCOMPARE(child<ui::FieldFrame>("confirmationFieldFrame")->borderWidth(), 2.0);
        QCOMPARE(finished->count(), 0);
    }

    void typingAPasswordTurnsTheLock() {
        goToCreationPage();
        type("hintField", QStringLiteral("hint"));
        QCOMPARE(guide->animationFlagValue(), 0.0f);
        QList<float> possible;
        for (int n = 4; n <= 8; ++n)
            possible << static_cast<float>(2 * std::numbers::pi / n);
        for (const char* field : {"passwordField", "confirmationField"}) {
            type(field, QStringLiteral("k"));
            QVERIFY(possible.contains(guide->animationFlagValue()));
        }
        auto* lock = child<ui::TurningPicture>("lockPicture");
        QCOMPARE(lock->pictureName(), QStringLiteral("About/loginLock.png"));
        QTRY_VERIFY(!lock->isTurning());
        QCOMPARE(static_cast<float>(lock->angle()), guide->animationFlagValue());
    }
};

VEXO_UI_TEST_MAIN(GuideTest)
#include "tst_guide.moc"
