#pragma once

#include "vault/Prompt.h"

#include <QMap>

namespace vexo::cli {

class Answers;

// The vault's questions and messages on the terminal. Messages go to
// standard error. A question with several buttons takes the answer the
// command line gave for it (presetAnswer), else asks on the terminal; with
// no terminal it takes the last button, the one that changes nothing.
class TerminalPrompt : public vault::Prompt {
public:
    explicit TerminalPrompt(Answers& answers) : answers_(answers) {}

    // The button index to answer the alert with messageKey, or the text for
    // the question with messageKey, without asking.
    void presetAnswer(const QString& messageKey, int button) {
        buttons_.insert(messageKey, button);
    }
    void presetText(const QString& messageKey, const QString& text) {
        texts_.insert(messageKey, text);
    }

    int alert(const Alert& alert) override;
    std::optional<QString> askText(const TextRequest& request) override;
    std::optional<QString> askPassword(const TextRequest& request) override;
    QStringList chooseFiles(const FileChoice& choice) override;
    // The tool names its vault folder on the command line; nothing asks.
    QString chooseSavePath(const SaveChoice&) override { return {}; }

private:
    Answers& answers_;
    QMap<QString, int> buttons_;
    QMap<QString, QString> texts_;
};

// The text of key with its placeholders filled in order.
QString textOf(const QString& key, const QStringList& arguments = {});

// Writes a line to standard error / standard output.
void tell(const QString& line);
void print(const QString& line);

} // namespace vexo::cli
