#include "ui/DialogPrompt.h"

#include "platform/Localization.h"
#include "platform/Log.h"
#include "ui/PathChooser.h"
#include "ui/TextDialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QQueue>

namespace vexo::ui {
namespace {

using vault::Prompt;

// Answers queued by tests, taken instead of showing dialogs.
struct QueuedAnswers {
    QQueue<int> alerts;
    QQueue<std::optional<QString>> texts;
    QQueue<std::optional<QString>> passwords;
    QQueue<QStringList> choices;
    QQueue<QString> savePaths;
    QList<Prompt::Alert> answeredAlerts;
};

QueuedAnswers& queued() {
    static QueuedAnswers answers;
    return answers;
}

QString informativeTextOf(const Prompt::Alert& alert) {
    const QString keyText =
        alert.informativeKey.isEmpty() ? QString() : platform::localizedText(alert.informativeKey);
    if (keyText.isEmpty() || alert.informativeText.isEmpty())
        return keyText + alert.informativeText;
    return keyText + u'\n' + alert.informativeText;
}

void logAnswer(int button) {
    // The return codes 1000, 1001 and 1002 of the first three buttons.
    switch (button) {
    case 0:
        qCInfo(lcVexo, "defaultButton clicked!");
        break;
    case 1:
        qCInfo(lcVexo, "alternateButton clicked!");
        break;
    case 2:
        qCInfo(lcVexo, "otherButton clicked!");
        break;
    default:
        break;
    }
}

int showMessageBox(const Prompt::Alert& alert, const QString& message, QWidget* parent) {
    QMessageBox box(parent);
    box.setIcon(alert.style == Prompt::Style::Error ? QMessageBox::Critical : QMessageBox::Warning);
    box.setText(message);
    box.setInformativeText(informativeTextOf(alert));
    QStringList buttonKeys = alert.buttonKeys;
    if (buttonKeys.isEmpty())
        buttonKeys << QStringLiteral("OK");
    QList<QPushButton*> buttons;
    for (const QString& key : std::as_const(buttonKeys)) {
        const auto role = buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
        buttons << box.addButton(platform::localizedText(key), role);
    }
    box.setDefaultButton(buttons.constFirst());
    box.setEscapeButton(buttons.constLast());
    box.exec();
    const auto pressed = buttons.indexOf(box.clickedButton());
    return static_cast<int>(pressed < 0 ? buttons.size() - 1 : pressed);
}

template <typename T> std::optional<T> takeQueued(QQueue<T>& answers) {
    if (answers.isEmpty())
        return std::nullopt;
    return answers.dequeue();
}

QString startFolderOr(const QString& folder, const QString& fallback) {
    return folder.isEmpty() ? fallback : folder;
}

} // namespace

int DialogPrompt::alert(const Alert& alert) {
    return runAlert(alert, __func__, __LINE__);
}

void DialogPrompt::alertErrorFirstBtnTitle(const QString& titleKey, const QString& messageKey,
                                           const QString& informativeText) {
    runAlert({Style::Warning, messageKey, {}, {}, informativeText, {titleKey}}, __func__, __LINE__);
}

int DialogPrompt::runAlert(const Alert& alert, const char* operation, int line) {
    const QString message = platform::localizedText(alert.messageKey, alert.messageArguments);
    qCInfo(lcVexo, "%s %d :%s,%s", operation, line, qUtf8Printable(message),
           qUtf8Printable(message));
    int button = 0;
    if (const auto answer = takeQueued(queued().alerts)) {
        queued().answeredAlerts << alert;
        button = *answer;
    } else {
        button = showMessageBox(alert, message, parent_);
    }
    logAnswer(button);
    return button;
}

std::optional<QString> DialogPrompt::askText(const TextRequest& request) {
    if (const auto answer = takeQueued(queued().texts))
        return *answer;
    return runTextDialog(request, false);
}

std::optional<QString> DialogPrompt::askPassword(const TextRequest& request) {
    if (const auto answer = takeQueued(queued().passwords))
        return *answer;
    return runTextDialog(request, true);
}

std::optional<QString> DialogPrompt::runTextDialog(const TextRequest& request, bool password) {
    const TextDialog::Texts texts{
        platform::localizedText(request.messageKey, request.messageArguments), request.initialText,
        request.placeholderKey.isEmpty() ? QString()
                                         : platform::localizedText(request.placeholderKey),
        platform::localizedText(request.buttonKeys.value(0, QStringLiteral("OK"))),
        platform::localizedText(request.buttonKeys.value(1, QStringLiteral("Cancel.StringValue")))};
    TextDialog dialog(texts, password, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

QStringList DialogPrompt::chooseFiles(const FileChoice& choice) {
    if (const auto answer = takeQueued(queued().choices))
        return *answer;
    PathChooser chooser({choice.chooseFiles || !choice.chooseFolders, choice.chooseFolders,
                         choice.multipleSelection},
                        parent_);
    if (!choice.messageKey.isEmpty())
        chooser.setMessage(platform::localizedText(choice.messageKey));
    chooser.setDirectory(startFolderOr(choice.startFolder, QDir::homePath()));
    QStringList filters;
    for (const QString& extension : choice.preferredExtensions)
        filters << QStringLiteral("%1 (*.%1)").arg(extension);
    filters << platform::localizedText(QStringLiteral("chooser.allFiles")) + QStringLiteral(" (*)");
    chooser.setNameFilters(filters);
    if (chooser.exec() != QDialog::Accepted)
        return {};
    return chooser.selectedFiles();
}

QString DialogPrompt::chooseSavePath(const SaveChoice& choice) {
    if (const auto answer = takeQueued(queued().savePaths))
        return *answer;
    PathChooser chooser(parent_);
    chooser.setWindowTitle(choice.title);
    if (!choice.messageKey.isEmpty())
        chooser.setMessage(platform::localizedText(choice.messageKey));
    chooser.setDirectory(startFolderOr(choice.startFolder, QDir::homePath()));
    chooser.selectFile(choice.title);
    // The caller decides what an existing name means; nothing is overwritten here.
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    chooser.setOption(QFileDialog::ReadOnly, !choice.canCreateFolders);
    if (chooser.exec() != QDialog::Accepted)
        return {};
    return chooser.selectedFiles().value(0);
}

void DialogPrompt::answerNextAlertWith(int button) {
    queued().alerts.enqueue(button);
}

void DialogPrompt::answerNextTextWith(const std::optional<QString>& text) {
    queued().texts.enqueue(text);
}

void DialogPrompt::answerNextPasswordWith(const std::optional<QString>& password) {
    queued().passwords.enqueue(password);
}

void DialogPrompt::answerNextChoiceWith(const QStringList& paths) {
    queued().choices.enqueue(paths);
}

void DialogPrompt::answerNextSavePathWith(const QString& path) {
    queued().savePaths.enqueue(path);
}

int DialogPrompt::queuedAnswers() {
    const QueuedAnswers& answers = queued();
    return static_cast<int>(answers.alerts.size() + answers.texts.size() +
                            answers.passwords.size() + answers.choices.size() +
                            answers.savePaths.size());
}

void DialogPrompt::clearQueuedAnswers() {
    queued() = QueuedAnswers();
}

QList<vault::Prompt::Alert> DialogPrompt::takeAnsweredAlerts() {
    return std::exchange(queued().answeredAlerts, {});
}

} // namespace vexo::ui
