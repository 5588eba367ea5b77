#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vexo::cli {

// The tool's command line: the options that hold for every command, the
// command and the words that follow it.
struct CommandLine {
    bool passwordStdin = false;
    bool help = false;
    QString command;
    QStringList words;
};

// Reads the words after the program's name. "--password-stdin" and "--help"
// may stand anywhere before a "--".
CommandLine parseCommandLine(const QStringList& arguments);

// A command's own options and arguments.
struct Options {
    QMap<QString, QString> values; // "--group" -> "3"
    QSet<QString> flags;           // "--json"
    QStringList positionals;
    QString error; // empty when the words were understood
};

// Splits words into the options named (with a value, as "--name VALUE" or
// "--name=VALUE", or flags) and the positional arguments; everything after a
// "--" is positional.
Options parseOptions(const QStringList& words, const QStringList& valueOptions,
                     const QStringList& flagOptions);

// A whole number from 1 up written in text; 0 when text is not one.
qint64 positiveNumber(const QString& text);

} // namespace vexo::cli
