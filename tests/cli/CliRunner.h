#pragma once

#include "store/GroupModel.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

namespace vexo::test {

// What one run of the tool gave back; exitCode is -1 when it crashed or hung.
struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
    // Standard output read as one JSON object; empty when it is not one.
    QJsonObject json() const;
    QJsonArray items() const { return json().value(QStringLiteral("items")).toArray(); }
    // Both outputs, for failure messages.
    QByteArray transcript() const;
};

// Runs the built vexo-cli in a world of its own: a home folder, a settings
// folder and a volumes root below one temporary folder, a fixed hardware
// address, no terminal. Questions are answered on standard input.
class CliRunner {
public:
    CliRunner();

    // The temporary folder that holds the whole world of the runs.
    QString scratch() const { return scratch_.path(); }
    QString home() const { return scratch() + QStringLiteral("/home"); }
    QString volumesRoot() const { return scratch() + QStringLiteral("/Volumes"); }
    QString settingsFile() const { return settingsFolder_ + QStringLiteral("/Vexo/Vexo.conf"); }
    // The folder initVault made the vault in.
    QString vaultRoot() const { return vaultRoot_; }
    // Later runs see another settings folder and hardware address, as the
    // same drive does on another computer.
    void moveToAnotherComputer();
    // The folder relative paths are taken from; home() unless set.
    void setWorkingDirectory(const QString& folder) { workingDirectory_ = folder; }

    CliResult run(const QStringList& arguments, const QByteArray& input = {}) const;
    // Runs with --password-stdin, answering the master password and then
    // answers, one line each.
    CliResult runUnlocked(const QStringList& arguments, const QStringList& answers = {}) const;
    // Starts as runUnlocked does, not waiting for the end.
    void startUnlocked(QProcess& process, const QStringList& arguments) const;

    // Sets a vault up in folder (home / "Private" unless given; ".vlt" is
    // added) with password, which later unlocked runs give.
    CliResult initVault(const QString& password, const QString& folder = {});

    // A settings entry as the tool wrote it; invalid when absent.
    QVariant setting(const QString& key) const;
    // The item store of the local item recorded for path; empty when none.
    QString localStoreOf(const QString& path) const;

private:
    void start(QProcess& process, const QStringList& arguments, const QByteArray& input) const;

    QTemporaryDir scratch_;
    QString settingsFolder_;
    QString macAddress_;
    QString workingDirectory_;
    QString password_;
    QString vaultRoot_;
};

// The words of a command line written with single spaces.
inline QStringList words(const char* line) {
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

// Fails the test, showing what the tool said, unless result ended with code.
#define VEXO_EXPECT_EXIT(result, code)                                                             \
    do {                                                                                           \
        const vexo::test::CliResult& checkedRun = (result);                                        \
        QVERIFY2(checkedRun.exitCode == (code), checkedRun.transcript().constData());              \
    } while (false)

// The lines, each ended by "\n".
QByteArray inputLines(const QStringList& lines);

// Every entry below folder (hidden ones too) with a file's content, for
// checking that a run changed nothing there.
QMap<QString, QByteArray> snapshot(const QString& folder);

// One field of every object of array as text ("3", "true", ...), in order.
QStringList column(const QJsonArray& array, const QString& key);

} // namespace vexo::test
