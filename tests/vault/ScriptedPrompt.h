#pragma once

#include "vault/Prompt.h"

#include <QList>
#include <QQueue>

#include <optional>

namespace vexo::test {

// Answers the vault's prompts from a script, the way a user would, and keeps
// every alert shown so tests can check what the user was told. A prompt that
// the script did not expect is answered with the first button (or cancel)
// and counted in unexpected.
class ScriptedPrompt : public vault::Prompt {
public:
    QQueue<int> alertAnswers;
    QQueue<std::optional<QString>> textAnswers;
    QQueue<std::optional<QString>> passwordAnswers;
    QQueue<QStringList> fileAnswers;
    QQueue<QString> savePathAnswers;

    QList<Alert> alerts;
    QList<TextRequest> textRequests;
    QList<TextRequest> passwordRequests;
    int unexpected = 0;

    int alert(const Alert& shown) override {
        alerts.append(shown);
        return next(alertAnswers, 0);
    }

    std::optional<QString> askText(const TextRequest& request) override {
        textRequests.append(request);
        return next(textAnswers, std::optional<QString>());
    }

    std::optional<QString> askPassword(const TextRequest& request) override {
        passwordRequests.append(request);
        return next(passwordAnswers, std::optional<QString>());
    }

    QStringList chooseFiles(const FileChoice&) override { return next(fileAnswers, QStringList()); }
    QString chooseSavePath(const SaveChoice&) override { return next(savePathAnswers, QString()); }

    // The message keys of the alerts shown, in order.
    QStringList alertKeys() const {
        QStringList keys;
        for (const Alert& shown : alerts)
            keys << shown.messageKey;
        return keys;
    }

private:
    template <typename T> T next(QQueue<T>& answers, T fallback) {
        if (answers.isEmpty()) {
            ++unexpected;
            return fallback;
        }
        return answers.dequeue();
    }
};

} // namespace vexo::test
