#include "cli/TerminalPrompt.h"

#include "cli/Answers.h"
#include "platform/Localization.h"

#include <cstdio>
#include <unistd.h>

namespace vexo::cli {
namespace {

void writeLine(FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

QString messageOf(const vault::Prompt::Alert& alert) {
    QString message = textOf(alert.messageKey, alert.messageArguments);
    QString detail = alert.informativeKey.isEmpty() ? QString() : textOf(alert.informativeKey);
    if (!alert.informativeText.isEmpty())
        detail += (detail.isEmpty() ? QString() : QStringLiteral("\n")) + alert.informativeText;
    if (!detail.isEmpty())
        message += u'\n' + detail;
    return message;
}

} // namespace

QString textOf(const QString& key, const QStringList& arguments) {
    return platform::localizedText(key, arguments);
}

void tell(const QString& line) {
    // A progress bar may be drawn on the terminal's last line: start afresh.
    static const bool onTerminal = ::isatty(STDERR_FILENO) == 1;
    writeLine(stderr, onTerminal ? QStringLiteral("\r\x1b[K") + line : line);
}

void print(const QString& line) {
    writeLine(stdout, line);
}

int TerminalPrompt::alert(const Alert& alert) {
    const QString message = messageOf(alert);
    if (alert.buttonKeys.size() <= 1) {
        tell(message);
        return 0;
    }
    if (buttons_.contains(alert.messageKey))
        return buttons_.value(alert.messageKey);
    QStringList options;
    for (const QString& key : alert.buttonKeys)
        options << textOf(key);
    if (const auto picked = answers_.choice(message, options))
        return *picked;
    tell(message);
    tell(textOf(QStringLiteral("cli.answeredNo")).arg(options.constLast()));
    return static_cast<int>(alert.buttonKeys.size() - 1);
}

std::optional<QString> TerminalPrompt::askText(const TextRequest& request) {
    if (texts_.contains(request.messageKey))
        return texts_.value(request.messageKey);
    if (!answers_.fromStandardInput() && !answers_.hasTerminal())
        return QString(); // the caller's proposal stands
    return answers_.text(textOf(request.messageKey, request.messageArguments));
}

std::optional<QString> TerminalPrompt::askPassword(const TextRequest& request) {
    return answers_.secret(textOf(request.messageKey, request.messageArguments));
}

QStringList TerminalPrompt::chooseFiles(const FileChoice& choice) {
    // Standard input carries passwords; a path is only taken from a terminal.
    if (!answers_.hasTerminal() || answers_.fromStandardInput())
        return {};
    const auto path = answers_.text(textOf(choice.messageKey));
    if (!path || path->trimmed().isEmpty())
        return {};
    return {path->trimmed()};
}

} // namespace vexo::cli
