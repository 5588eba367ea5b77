#pragma once

#include "cli/CommandLine.h"

#include <QString>
#include <QStringList>

#include <optional>

class QJsonObject;

namespace vexo::cli {

struct Context;

// Each command takes the words after its name and returns the exit code.
int runInit(Context& context, const QStringList& words);
int runStatus(Context& context, const QStringList& words);
int runGroups(Context& context, const QStringList& words);
int runGroup(Context& context, const QStringList& words);
int runList(Context& context, const QStringList& words);
int runAdd(Context& context, const QStringList& words);
int runHide(Context& context, const QStringList& words);
int runUnhide(Context& context, const QStringList& words);
int runRemove(Context& context, const QStringList& words);
int runVerify(Context& context, const QStringList& words);
int runPasswd(Context& context, const QStringList& words);

// Tells the user what was wrong with the command line and where the
// command's help is; kUsage.
int usageError(const QString& message, const QString& command);

// The command's options and arguments, with minArguments to maxArguments
// positional ones (-1: any number); nullopt after telling the user what was
// wrong (the command then ends with kUsage).
std::optional<Options> commandOptions(const QString& command, const QStringList& words,
                                      const QStringList& valueOptions,
                                      const QStringList& flagOptions, qsizetype minArguments,
                                      qsizetype maxArguments);

// Writes a JSON document to standard output.

void printJson(const QJsonObject& object);

} // namespace vexo::cli
