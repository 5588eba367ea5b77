#include "cli/Tool.h"

#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "platform/Localization.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cstdio>

namespace vexo::cli {
namespace {

struct Command {
    const char* name;
    int (*run)(Context&, const QStringList&);
};

constexpr std::array<Command, 11> kCommands = {{
    {"init", runInit},
    {"status", runStatus},
    {"groups", runGroups},
    {"group", runGroup},
    {"list", runList},
    {"add", runAdd},
    {"hide", runHide},
    {"unhide", runUnhide},
    {"remove", runRemove},
    {"verify", runVerify},
    {"passwd", runPasswd},
}};

const Command* commandNamed(const QString& name) {
    for (const Command& command : kCommands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

// The help of the tool, or of the command named.
QString helpText(const QString& command) {
    const QString tool = textOf(QStringLiteral("cli.help"));
    return command.isEmpty() ? tool : textOf(QStringLiteral("cli.help.") + command);
}

} // namespace

int usageError(const QString& message, const QString& command) {
    tell(QStringLiteral("vexo-cli: ") + message);
    tell(textOf(QStringLiteral("cli.seeHelp"))
             .arg(command.isEmpty()
                      ? QStringLiteral("vexo-cli --help")
                      : QStringLiteral("vexo-cli ") + command + QStringLiteral(" --help")));
    return kUsage;
}

std::optional<Options> commandOptions(const QString& command, const QStringList& words,
                                      const QStringList& valueOptions,
                                      const QStringList& flagOptions, qsizetype minArguments,
                                      qsizetype maxArguments) {
    Options options = parseOptions(words, valueOptions, flagOptions);
    const qsizetype count = options.positionals.size();
    if (options.error.isEmpty() && count < minArguments)
        options.error = textOf(QStringLiteral("cli.missingArgument"));
    if (options.error.isEmpty() && maxArguments >= 0 && count > maxArguments)
        options.error =
            textOf(QStringLiteral("cli.extraArgument")).arg(options.positionals.at(maxArguments));
    if (options.error.isEmpty())
        return options;
    usageError(options.error, command);
    return std::nullopt;
}

void printJson(const QJsonObject& object) {
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

int runTool(const QStringList& arguments) {
    // Messages are in English whatever language the desktop shows.
    platform::setLanguageCode(QStringLiteral("en"));
    CommandLine line = parseCommandLine(arguments);
    if (line.command == QStringLiteral("help")) {
        line.help = true;
        line.command = line.words.value(0);
        line.words.clear();
    }
    const Command* command = commandNamed(line.command);
    if (line.help && (line.command.isEmpty() || command)) {
        print(helpText(line.command));
        return kDone;
    }
    if (line.command.isEmpty())
        return usageError(textOf(QStringLiteral("cli.noCommand")), {});
    if (!command)
        return usageError(textOf(QStringLiteral("cli.unknownCommand")).arg(line.command), {});
    Context context(std::move(line));
    return command->run(context, context.line.words);
}

} // namespace vexo::cli
