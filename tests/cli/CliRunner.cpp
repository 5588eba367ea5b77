#include "CliRunner.h"

#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QSettings>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace vexo::test {
namespace {

// Generous: a run under the sanitizers on a busy machine may be slow, and a
// tool that hangs still fails the test.
constexpr int kRunTimeoutMs = 300'000;

} // namespace

QJsonObject CliResult::json() const {
    return QJsonDocument::fromJson(out).object();
}

QByteArray CliResult::transcript() const {
    return "exit " + QByteArray::number(exitCode) + "\nstdout:\n" + out + "\nstderr:\n" + err;
}

CliRunner::CliRunner()
    : settingsFolder_(scratch() + u"/config"_s), macAddress_(kTestMacAddress),
      workingDirectory_(home()) {
    for (const QString& folder : {home(), volumesRoot(), settingsFolder_})
        QDir().mkpath(folder);
}

void CliRunner::moveToAnotherComputer() {
    settingsFolder_ = scratch() + u"/other-config"_s;
    QDir().mkpath(settingsFolder_);
    macAddress_ = u"02:00:00:00:00:09"_s;
}

void CliRunner::start(QProcess& process, const QStringList& arguments,
                      const QByteArray& input) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home());
    environment.insert(u"XDG_CONFIG_HOME"_s, settingsFolder_);
    environment.insert(u"VEXO_VOLUMES_ROOT"_s, volumesRoot());
    environment.insert(u"VEXO_MAC_ADDRESS"_s, macAddress_);
    environment.insert(u"TZ"_s, u"UTC"_s);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory_);
    // A session of its own has no controlling terminal, so the tool never
    // reaches the terminal the tests may have been started from.
    process.setChildProcessModifier([] { ::setsid(); });
    process.start(QStringLiteral(VEXO_CLI), arguments);
    if (process.waitForStarted(kRunTimeoutMs)) {
        process.write(input);
        process.closeWriteChannel();
    }
}

CliResult CliRunner::run(const QStringList& arguments, const QByteArray& input) const {
    QProcess process;
    start(process, arguments, input);
    if (!process.waitForFinished(kRunTimeoutMs))
        process.kill();
    process.waitForFinished();
    const bool ended =
        process.exitStatus() == QProcess::NormalExit && process.error() != QProcess::FailedToStart;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

CliResult CliRunner::runUnlocked(const QStringList& arguments, const QStringList& answers) const {
    return run(words("--password-stdin") + arguments, inputLines(QStringList{password_} + answers));
}

void CliRunner::startUnlocked(QProcess& process, const QStringList& arguments) const {
    start(process, words("--password-stdin") + arguments, inputLines({password_}));
}

CliResult CliRunner::initVault(const QString& password, const QString& folder) {
    const QString dir = folder.isEmpty() ? home() + u"/Private"_s : folder;
    password_ = password;
    vaultRoot_ = dir + u".vlt"_s;
    return run(words("--password-stdin init") << dir, inputLines({password, password}));
}

QVariant CliRunner::setting(const QString& key) const {
    return QSettings(settingsFile(), QSettings::IniFormat).value(key);
}

QString CliRunner::localStoreOf(const QString& path) const {
    const auto groups = store::readGroupList(store::joinPath(vaultRoot(), u"GroupDirlist.plist"_s),
                                             store::ListKind::Local, store::kSystemDevicName);
    for (const store::GroupModelPtr& group : groups.value_or(store::GroupList()))
        for (const store::FileModelPtr& item : group->fileModels)
            if (item->path == path)
                return store::joinPath(vaultRoot(), item->encryptedPath);
    return {};
}

QByteArray inputLines(const QStringList& lines) {
    QByteArray input;
    for (const QString& line : lines)
        input += line.toUtf8() + '\n';
    return input;
}

QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (it.fileInfo().isDir())
            entries.insert(path, "<folder>");
        else
            entries.insert(path, file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>");
    }
    return entries;
}

QStringList column(const QJsonArray& array, const QString& key) {
    QStringList values;
    for (const QJsonValue& value : array)
        values << value[key].toVariant().toString();
    return values;
}

} // namespace vexo::test
