#pragma once

#include "platform/UniqueFd.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vexo::cli {

// Where the tool's questions are answered: passwords and texts come line by
// line from standard input when the user asked for that (--password-stdin),
// else from the terminal, passwords without echo. Choices and confirmations
// are only ever taken from the terminal. nullopt means the user gave no
// answer: the end of the input, Ctrl-C, or no terminal to ask on.
class Answers {
public:
    explicit Answers(bool fromStandardInput);

    bool fromStandardInput() const { return fromStandardInput_; }
    // Whether there is a terminal to ask on.
    bool hasTerminal() const { return terminal_.valid(); }

    std::optional<QString> secret(const QString& question);
    std::optional<QString> text(const QString& question);
    // The index of the option chosen.
    std::optional<int> choice(const QString& question, const QStringList& options);

private:
    std::optional<QString> terminalLine(const QString& question, bool echo);

    bool fromStandardInput_;
    platform::UniqueFd terminal_;
};

} // namespace vexo::cli
