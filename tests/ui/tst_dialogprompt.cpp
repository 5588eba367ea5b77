#include "UiTestMain.h"
#include "platform/Localization.h"
#include "ui/DialogPrompt.h"
#include "ui/PathChooser.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using vexo::platform::localizedText;
using vexo::ui::DialogPrompt;
using vexo::vault::Prompt;
using namespace Qt::StringLiterals;

namespace {

// Runs act on the modal dialog as soon as it is shown, from inside its own
// event loop, so the test can answer it like a user.
void whenModalShows(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
        else
            whenModalShows(std::move(act));
    });
}

QAbstractButton* buttonTitled(QWidget* dialog, const QString& title) {
    for (auto* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text() == title)
            return button;
    }
    return nullptr;
}

// Collects the lines of the log category "vexo" while it lives.
class LogCapture {
public:
    LogCapture() { previous_ = qInstallMessageHandler(&LogCapture::collect); }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    static QStringList& lines() {
        static QStringList collected;
        return collected;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (qstrcmp(context.category, "vexo") == 0)
            lines() << message;
    }
    QtMessageHandler previous_;
};

Prompt::Alert threeButtonAlert() {
    return {Prompt::Style::Warning,
            QStringLiteral("addMessage.string"),
            {QStringLiteral("USBSTICK")},
            QStringLiteral("createFolderMessage"),
            QStringLiteral("disk full"),
            {QStringLiteral("OK"), QStringLiteral("Cancel.StringValue"), QStringLiteral("third")}};
}

Prompt::TextRequest nameRequest() {
    return {QStringLiteral("createFolderMessage"),
            {},
            {QStringLiteral("OK"), QStringLiteral("Cancel.StringValue")},
            QStringLiteral("My Value"),
            QStringLiteral("the placeholder")};
}

} // namespace

class DialogPromptTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        DialogPrompt::clearQueuedAnswers();
        LogCapture::lines().clear();
    }

    void queuedAnswersAreTakenInOrderPerKind() {
        DialogPrompt::answerNextAlertWith(1);
        DialogPrompt::answerNextAlertWith(0);
        DialogPrompt::answerNextTextWith(QStringLiteral("typed"));
        DialogPrompt::answerNextTextWith(std::nullopt);
        DialogPrompt::answerNextPasswordWith(QStringLiteral("secret"));
        DialogPrompt::answerNextChoiceWith({QStringLiteral("/a"), QStringLiteral("/b")});
        DialogPrompt::answerNextSavePathWith(QStringLiteral("/home/x/My Vault"));
        QCOMPARE(DialogPrompt::queuedAnswers(), 7);

        DialogPrompt prompt;
        QCOMPARE(prompt.askPassword(nameRequest()), std::optional<QString>(u"secret"_s));
        QCOMPARE(prompt.alert(threeButtonAlert()), 1);
        QCOMPARE(prompt.askText(nameRequest()), std::optional<QString>(u"typed"_s));
        QCOMPARE(prompt.askText(nameRequest()), std::nullopt);
        QCOMPARE(prompt.chooseFiles({}), (QStringList{u"/a"_s, u"/b"_s}));
        QCOMPARE(prompt.chooseSavePath({}), QStringLiteral("/home/x/My Vault"));
        prompt.alertErrorFirstBtnTitle(QStringLiteral("OK"), QStringLiteral("NTFErrorTitle"),
                                       QStringLiteral("why"));
        QCOMPARE(DialogPrompt::queuedAnswers(), 0);

        const QList<Prompt::Alert> answered = DialogPrompt::takeAnsweredAlerts();
        QCOMPARE(answered.size(), 2);
        QCOMPARE(answered.at(0).messageKey, QStringLiteral("addMessage.string"));
        QCOMPARE(answered.at(1).messageKey, QStringLiteral("NTFErrorTitle"));
        QCOMPARE(answered.at(1).informativeText, QStringLiteral("why"));
        QCOMPARE(answered.at(1).buttonKeys, QStringList{u"OK"_s});
        QVERIFY(DialogPrompt::takeAnsweredAlerts().isEmpty());
    }

    void clearingForgetsEveryQueuedAnswer() {
        DialogPrompt::answerNextAlertWith(2);
        DialogPrompt::answerNextSavePathWith(QStringLiteral("/x"));
        DialogPrompt prompt;
        QCOMPARE(prompt.alert(threeButtonAlert()), 2);
        DialogPrompt::clearQueuedAnswers();
        QCOMPARE(DialogPrompt::queuedAnswers(), 0);
        QVERIFY(DialogPrompt::takeAnsweredAlerts().isEmpty());
    }

    void alertsLogTheirMessageAndTheButton_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("answerLine");
        QTest::newRow("first") << 0 << "defaultButton clicked!";
        QTest::newRow("second") << 1 << "alternateButton clicked!";
        QTest::newRow("third") << 2 << "otherButton clicked!";
        QTest::newRow("fourth is not logged") << 3 << QString();
    }

    void alertsLogTheirMessageAndTheButton() {
        QFETCH(int, button);
        QFETCH(QString, answerLine);
        const LogCapture capture;
        DialogPrompt::answerNextAlertWith(button);
        DialogPrompt().alert(threeButtonAlert());
        const QStringList lines = LogCapture::lines();
        QCOMPARE(lines.size(), answerLine.isEmpty() ? 1 : 2);
        const QString message = localizedText(QStringLiteral("addMessage.string"), {u"USBSTICK"_s});
        const QRegularExpression first(QStringLiteral("^alert \\d+ :") +
                                       QRegularExpression::escape(message + u',' + message) + u'$');
        QVERIFY2(first.match(lines.at(0)).hasMatch(), qPrintable(lines.at(0)));
        if (!answerLine.isEmpty())
            QCOMPARE(lines.at(1), answerLine);
    }

    void theErrorAlertLogsUnderItsOwnName() {
        const LogCapture capture;
        DialogPrompt::answerNextAlertWith(0);
        DialogPrompt().alertErrorFirstBtnTitle(QStringLiteral("OK"),
                                               QStringLiteral("no.such.message"), {});
        const QStringList lines = LogCapture::lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).startsWith(u"alertErrorFirstBtnTitle "), qPrintable(lines.at(0)));
        QVERIFY(lines.at(0).endsWith(u" :no.such.message,no.such.message"));
        QCOMPARE(lines.at(1), QStringLiteral("defaultButton clicked!"));
    }

    void theRealAlertShowsItsTextsAndAnswersTheButtonClicked_data() {
        QTest::addColumn<Prompt::Style>("style");
        QTest::addColumn<int>("click");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("warning, first") << Prompt::Style::Warning << 0 << QMessageBox::Warning;
        QTest::newRow("error, second") << Prompt::Style::Error << 1 << QMessageBox::Critical;
        QTest::newRow("warning, third") << Prompt::Style::Warning << 2 << QMessageBox::Warning;
    }

    void theRealAlertShowsItsTextsAndAnswersTheButtonClicked() {
        QFETCH(Prompt::Style, style);
        QFETCH(int, click);
        QFETCH(QMessageBox::Icon, icon);
        Prompt::Alert alert = threeButtonAlert();
        alert.style = style;
        QString text, informative;
        QStringList titles;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        bool firstIsDefault = false;
        whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            text = box->text();
            informative = box->informativeText();
            shownIcon = box->icon();
            const QList<QAbstractButton*> buttons = box->buttons();
            for (auto* button : buttons)
                titles << button->text();
            firstIsDefault = box->defaultButton() == buttonTitled(box, QStringLiteral("OK"));
            QTest::mouseClick(buttonTitled(box, titles.value(click)), Qt::LeftButton);
        });
        QCOMPARE(DialogPrompt().alert(alert), click);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(text, localizedText(QStringLiteral("addMessage.string"), {u"USBSTICK"_s}));
        QCOMPARE(informative, localizedText(QStringLiteral("createFolderMessage")) +
                                  QStringLiteral("\ndisk full"));
        QVERIFY(titles.contains(QStringLiteral("OK")));
        QVERIFY(titles.contains(localizedText(QStringLiteral("Cancel.StringValue"))));
        QVERIFY(titles.contains(QStringLiteral("third")));
        QVERIFY(firstIsDefault);
    }

    void escapeAnswersWithTheLastButton() {
        whenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(DialogPrompt().alert(threeButtonAlert()), 2);
    }

    void theErrorAlertHasOneButtonAndTheTextAsWritten() {
        int buttonCount = 0;
        QString informative;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            buttonCount = static_cast<int>(box->buttons().size());
            informative = box->informativeText();
            shownIcon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        DialogPrompt().alertErrorFirstBtnTitle(QStringLiteral("OK"),
                                               QStringLiteral("NTFErrorTitle"),
                                               QStringLiteral("createFolderMessage"));
        QCOMPARE(buttonCount, 1);
        QCOMPARE(shownIcon, QMessageBox::Warning);
        QCOMPARE(informative, QStringLiteral("createFolderMessage"));
    }

    void anAlertWithoutButtonsGetsOk() {
        QStringList titles;
        whenModalShows([&](QWidget* modal) {
            for (auto* button : modal->findChildren<QPushButton*>())
                titles << button->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QCOMPARE(
            DialogPrompt().alert({Prompt::Style::Warning, QStringLiteral("m"), {}, {}, {}, {}}), 0);
        QCOMPARE(titles, QStringList{u"OK"_s});
    }

    void theTextDialogReturnsWhatWasTyped_data() {
        QTest::addColumn<bool>("password");
        QTest::newRow("text") << false;
        QTest::newRow("password") << true;
    }

    void theTextDialogReturnsWhatWasTyped() {
        QFETCH(bool, password);
        QString message, initial, placeholder;
        QLineEdit::EchoMode echo = QLineEdit::NoEcho;
        whenModalShows([&](QWidget* modal) {
            auto* field = modal->findChild<QLineEdit*>(QStringLiteral("textField"));
            QVERIFY(field != nullptr);
            message = modal->findChild<QLabel*>(QStringLiteral("messageLabel"))->text();
            initial = field->text();
            placeholder = field->placeholderText();
            echo = field->echoMode();
            QVERIFY(field->width() >= 200);
            // The initial text is selected: typing replaces it.
            QTest::keyClicks(field, QStringLiteral("Holiday"));
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("confirmButton")),
                              Qt::LeftButton);
        });
        DialogPrompt prompt;
        const auto typed =
            password ? prompt.askPassword(nameRequest()) : prompt.askText(nameRequest());
        QCOMPARE(typed, std::optional<QString>(u"Holiday"_s));
        QCOMPARE(message, localizedText(QStringLiteral("createFolderMessage")));
        QCOMPARE(initial, QStringLiteral("My Value"));
        QCOMPARE(placeholder, QStringLiteral("the placeholder"));
        QCOMPARE(echo, password ? QLineEdit::Password : QLineEdit::Normal);
    }

    void theTextDialogTitlesItsButtonsFromTheKeys() {
        QString confirm, cancel;
        whenModalShows([&](QWidget* modal) {
            confirm = modal->findChild<QPushButton*>(QStringLiteral("confirmButton"))->text();
            cancel = modal->findChild<QPushButton*>(QStringLiteral("cancelButton"))->text();
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                              Qt::LeftButton);
        });
        QCOMPARE(DialogPrompt().askText(nameRequest()), std::nullopt);
        QCOMPARE(confirm, QStringLiteral("OK"));
        QCOMPARE(cancel, localizedText(QStringLiteral("Cancel.StringValue")));
    }

    void returnConfirmsAndAnEmptyAnswerIsNotACancel() {
        whenModalShows([](QWidget* modal) {
            auto* field = modal->findChild<QLineEdit*>(QStringLiteral("textField"));
            field->clear();
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(DialogPrompt().askText(nameRequest()), std::optional<QString>(QString()));
    }

    void escapeCancelsThePasswordQuestion() {
        whenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(DialogPrompt().askPassword(nameRequest()), std::nullopt);
    }

    void theChooserTakesFilesAndFoldersTogether() {
        const QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
        QFile file(folder.filePath(QStringLiteral("a.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString message;
        QStringList filters;
        whenModalShows([&](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            QVERIFY(chooser != nullptr);
            message = chooser->findChild<QLabel*>(QStringLiteral("messageLabel"))->text();
            filters = chooser->nameFilters();
            chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("\"a.txt\" \"sub\""));
            auto* buttons = chooser->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
        });
        Prompt::FileChoice choice{QStringLiteral("selectsecurityMessage"),
                                  folder.path(),
                                  true,
                                  true,
                                  true,
                                  {QStringLiteral("vlt")}};
        QStringList chosen = DialogPrompt().chooseFiles(choice);
        chosen.sort();
        QCOMPARE(chosen, (QStringList{folder.filePath(u"a.txt"_s), folder.filePath(u"sub"_s)}));
        QCOMPARE(message, localizedText(QStringLiteral("selectsecurityMessage")));
        QCOMPARE(filters.size(), 2);
        QCOMPARE(filters.first(), QStringLiteral("vlt (*.vlt)"));
        QVERIFY(filters.last().endsWith(u"(*)"));
    }

    void aSingleFolderCanBeChosenAlone() {
        const QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Vault.vlt")));
        whenModalShows([&](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            chooser->selectFile(folder.filePath(QStringLiteral("Vault.vlt")));
            auto* buttons = chooser->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
        });
        const Prompt::FileChoice choice{{}, folder.path(), false, true, true, {}};
        QCOMPARE(DialogPrompt().chooseFiles(choice), QStringList{folder.filePath(u"Vault.vlt"_s)});
    }

    void cancellingTheChooserChoosesNothing() {
        whenModalShows([](QWidget* modal) {
            auto* buttons = modal->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        QVERIFY(DialogPrompt().chooseFiles({}).isEmpty());
    }

    void theSaveChooserProposesTheTitleInTheStartFolder_data() {
        QTest::addColumn<bool>("canCreateFolders");
        QTest::newRow("folders may be created") << true;
        QTest::newRow("read only") << false;
    }

    void theSaveChooserProposesTheTitleInTheStartFolder() {
        QFETCH(bool, canCreateFolders);
        const QTemporaryDir folder;
        QString title, proposed, directory;
        bool readOnly = false;
        whenModalShows([&](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            QVERIFY(chooser != nullptr);
            title = chooser->windowTitle();
            proposed = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            directory = chooser->directory().absolutePath();
            readOnly = chooser->testOption(QFileDialog::ReadOnly);
            auto* buttons = chooser->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        });
        const Prompt::SaveChoice choice{QStringLiteral("My Vault"),
                                        QStringLiteral("SavePanel.message"), folder.path(), true,
                                        canCreateFolders};
        QCOMPARE(DialogPrompt().chooseSavePath(choice),
                 folder.filePath(QStringLiteral("My Vault")));
        QCOMPARE(title, QStringLiteral("My Vault"));
        QCOMPARE(proposed, QStringLiteral("My Vault"));
        QCOMPARE(directory, QDir(folder.path()).absolutePath());
        QCOMPARE(readOnly, !canCreateFolders);
    }

    void cancellingTheSaveChooserNamesNothing() {
        whenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(DialogPrompt().chooseSavePath({QStringLiteral("My Vault"), {}, {}, true, true}),
                 QString());
    }
};

VEXO_UI_TEST_MAIN(DialogPromptTest)
#include "tst_dialogprompt.moc"
