#include "cli/CommandLine.h"

#include "platform/Localization.h"

#include <algorithm>

namespace vexo::cli {
namespace {

const QString kEndOfOptions = QStringLiteral("--");

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (const QString& word : arguments) {
        if (!optionsEnded && word == QStringLiteral("--password-stdin"))
            line.passwordStdin = true;
        else if (!optionsEnded &&
                 (word == QStringLiteral("--help") || word == QStringLiteral("-h")))
            line.help = true;
        else if (line.command.isEmpty() && !optionsEnded && !word.startsWith(u'-'))
            line.command = word;
        else {
            optionsEnded = optionsEnded || word == kEndOfOptions;
            line.words << word;
        }
    }
    return line;
}

Options parseOptions(const QStringList& words, const QStringList& valueOptions,
                     const QStringList& flagOptions) {
    Options options;
    for (qsizetype i = 0; i < words.size() && options.error.isEmpty(); ++i) {
        const QString& word = words.at(i);
        if (word == kEndOfOptions) {
            options.positionals += words.mid(i + 1);
            break;
        }
        if (!word.startsWith(QStringLiteral("--")) || word.size() == 2) {
            options.positionals << word;
            continue;
        }
        const qsizetype equals = word.indexOf(u'=');
        const QString name = equals < 0 ? word : word.left(equals);
        if (flagOptions.contains(name) && equals < 0) {
            options.flags.insert(name);
        } else if (valueOptions.contains(name) && equals >= 0) {
            options.values.insert(name, word.mid(equals + 1));
        } else if (valueOptions.contains(name) && i + 1 < words.size()) {
            options.values.insert(name, words.at(++i));
        } else {
            options.error = platform::localizedStringForKey(
                                valueOptions.contains(name) ? QStringLiteral("cli.optionNeedsValue")
                                                            : QStringLiteral("cli.unknownOption"))
                                .arg(name);
        }
    }
    return options;
}

qint64 positiveNumber(const QString& text) {
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                                           [](QChar c) { return c.isDigit(); });
    return ok && digitsOnly && number > 0 ? number : 0;
}

} // namespace vexo::cli
