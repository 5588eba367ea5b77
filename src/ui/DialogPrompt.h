#pragma once

#include "vault/Prompt.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace vexo::ui {

// The vault's questions and messages as modal dialogs of the desktop
// application: alerts as message boxes, text and password questions as a
// small dialog with one line edit, file and save choices as file dialogs.
// Dialogs open above the parent window given at construction (any top-level
// window when there is none) and block until answered.
//
// Every alert writes two lines to the log: "<operation> <line> :<message>,<message>"
// before it shows, and "defaultButton clicked!", "alternateButton clicked!"
// or "otherButton clicked!" after the first, second or third button closed it.
// Escape or closing an alert's window answers with its last button, the one
// that changes nothing.
//
// Test seam: answers queued with answerNext...With() are taken, oldest first,
// instead of showing the next dialog of their kind; a kind without queued
// answers shows the real dialog. Alerts answered from the queue still write
// their log lines and are kept for takeAnsweredAlerts(). The queues belong to
// the process and are used from the main thread only.
class DialogPrompt : public vault::Prompt {
public:
    explicit DialogPrompt(QWidget* parent = nullptr) : parent_(parent) {}

    int alert(const Alert& alert) override;
    std::optional<QString> askText(const TextRequest& request) override;
    std::optional<QString> askPassword(const TextRequest& request) override;
    QStringList chooseFiles(const FileChoice& choice) override;
    QString chooseSavePath(const SaveChoice& choice) override;

    // The error alert: one button titled by the text of titleKey, the text of
    // messageKey, and informativeText shown as written; warning style.
    void alertErrorFirstBtnTitle(const QString& titleKey, const QString& messageKey,
                                 const QString& informativeText);

    static void answerNextAlertWith(int button);
    static void answerNextTextWith(const std::optional<QString>& text);
    static void answerNextPasswordWith(const std::optional<QString>& password);
    static void answerNextChoiceWith(const QStringList& paths);
    static void answerNextSavePathWith(const QString& path);
    // How many queued answers wait, of every kind together.
    static int queuedAnswers();
    // Forgets every queued answer and every kept alert.
    static void clearQueuedAnswers();
    // The alerts answered from the queue since the last call, oldest first.
    static QList<Alert> takeAnsweredAlerts();

private:
    int runAlert(const Alert& alert, const char* operation, int line);
    std::optional<QString> runTextDialog(const TextRequest& request, bool password);

    QPointer<QWidget> parent_;
};

} // namespace vexo::ui
