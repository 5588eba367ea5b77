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

// What one run of the tool gave back.
struct CliResult {
    int exitCode = -1; // -1 when the tool crashed, aborted or ran out of time
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
    // Standard output read as one JSON object; empty when it is not one.
    QJsonObject json() const;
    // The "items" array of list --json.
    QJsonArray items() const { return json().value(QStringLiteral("items")).toArray(); }
    // Both outputs, for failure messages.
    QByteArray transcript() const;
};

// Runs the built vexo-cli in a world of its own: a home folder, a settings
// folder and a volumes root below one temporary folder per runner, a fixed
// hardware address, no terminal. Questions are answered on standard input.
class CliRunner {
public:
    CliRunner();

    // The runner's temporary folder, which holds everything below.
    QString scratch() const { return scratch_.path(); }
    QString home() const;
    QString volumesRoot() const;
    QString settingsFile() const;
    // The folder initVault made the vault in.
    QString vaultRoot() const { return vaultRoot_; }
    QString password() const { return password_; }

    // Runs after this see another settings folder (another user's, or the
    // same drive on another computer) or another hardware address.
    void useSettingsFolder(const QString& folder);
    void setMacAddress(const QString& address) { macAddress_ = address; }
    // The folder relative paths are taken from; home() unless set.
    void setWorkingDirectory(const QString& folder) { workingDirectory_ = folder; }

    // Runs the tool with input on its standard input and waits for its end.
    CliResult run(const QStringList& arguments, const QByteArray& input = {}) const;
    // Runs it with --password-stdin, answering the master password and then
    // answers, one line each.
    CliResult runUnlocked(const QStringList& arguments, const QStringList& answers = {}) const;
    // Starts it with --password-stdin and the master password, not waiting.
    void startUnlocked(QProcess& process, const QStringList& arguments) const;

    // Sets a vault up in folder (home / "Private" unless given; ".vlt" is
    // added) with password, which later runs give.
    CliResult initVault(const QString& password, const QString& folder = {});

    // A settings entry as the tool wrote it; invalid when absent.
    QVariant setting(const QString& key) const;

    // The groups of the local list file; empty when it cannot be read.
    store::GroupList localGroups() const;
    // The item store of the local item recorded for path; empty when the
    // list holds no such item.
    QString localStoreOf(const QString& path) const;

private:
    void prepare(QProcess& process, const QStringList& arguments) const;

    QTemporaryDir scratch_;
    QString settingsFolder_;
    QString macAddress_;
    QString workingDirectory_;
    QString password_;
    QString vaultRoot_;
};

// A word of a command line.
inline QString word(const char* text) {
    return QString::fromUtf8(text);
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
// checking that a run wrote nothing.
QMap<QString, QByteArray> snapshot(const QString& folder);

// Every file below folder, relative to it, with its content.
QMap<QString, QByteArray> folderContent(const QString& folder);

// One field of every object of array, in order.
QStringList stringsOf(const QJsonArray& array, const QString& key);
QList<int> numbersOf(const QJsonArray& array, const QString& key);

} // namespace vexo::test
