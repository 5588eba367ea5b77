#include "CliRunner.h"

#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QSettings>

#include <unistd.h>

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
    : scratch_(QDir::tempPath() + QStringLiteral("/vexo-cli-XXXXXX")),
      settingsFolder_(scratch_.path() + QStringLiteral("/config")), macAddress_(kTestMacAddress),
      workingDirectory_(home()) {
    for (const QString& folder : {home(), volumesRoot(), settingsFolder_})
        QDir().mkpath(folder);
}

QString CliRunner::home() const {
    return scratch_.path() + QStringLiteral("/home");
}

QString CliRunner::volumesRoot() const {
    return scratch_.path() + QStringLiteral("/Volumes");
}

QString CliRunner::settingsFile() const {
    return settingsFolder_ + QStringLiteral("/Vexo/Vexo.conf");
}

void CliRunner::useSettingsFolder(const QString& folder) {
    settingsFolder_ = folder;
    QDir().mkpath(folder);
}

void CliRunner::prepare(QProcess& process, const QStringList& arguments) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsFolder_);
    environment.insert(QStringLiteral("VEXO_VOLUMES_ROOT"), volumesRoot());
    environment.insert(QStringLiteral("VEXO_MAC_ADDRESS"), macAddress_);
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory_);
    // A session of its own has no controlling terminal, so the tool never
    // reaches the terminal the tests may have been started from.
    process.setChildProcessModifier([] { ::setsid(); });
    process.setProgram(QStringLiteral(VEXO_CLI));
    process.setArguments(arguments);
}

CliResult CliRunner::run(const QStringList& arguments, const QByteArray& input) const {
    QProcess process;
    prepare(process, arguments);
    process.start();
    CliResult result;
    if (!process.waitForStarted(kRunTimeoutMs))
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunTimeoutMs))
        process.kill();
    process.waitForFinished();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

CliResult CliRunner::runUnlocked(const QStringList& arguments, const QStringList& answers) const {
    return run(QStringList{QStringLiteral("--password-stdin")} + arguments,
               inputLines(QStringList{password_} + answers));
}

void CliRunner::startUnlocked(QProcess& process, const QStringList& arguments) const {
    prepare(process, QStringList{QStringLiteral("--password-stdin")} + arguments);
    process.start();
    if (process.waitForStarted(kRunTimeoutMs)) {
        process.write(inputLines({password_}));
        process.closeWriteChannel();
    }
}

CliResult CliRunner::initVault(const QString& password, const QString& folder) {
    const QString dir = folder.isEmpty() ? home() + QStringLiteral("/Private") : folder;
    password_ = password;
    vaultRoot_ = dir + QStringLiteral(".vlt");
    return run({QStringLiteral("--password-stdin"), QStringLiteral("init"), dir},
               inputLines({password, password}));
}

QVariant CliRunner::setting(const QString& key) const {
    return QSettings(settingsFile(), QSettings::IniFormat).value(key);
}

store::GroupList CliRunner::localGroups() const {
    return store::readGroupList(store::joinPath(vaultRoot(), QStringLiteral("GroupDirlist.plist")),
                                store::ListKind::Local, store::kSystemDevicName)
        .value_or(store::GroupList());
}

QString CliRunner::localStoreOf(const QString& path) const {
    for (const store::GroupModelPtr& group : localGroups())
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
        else if (file.open(QIODevice::ReadOnly))
            entries.insert(path, file.readAll());
        else
            entries.insert(path, "<unreadable>");
    }
    return entries;
}

QMap<QString, QByteArray> folderContent(const QString& folder) {
    QMap<QString, QByteArray> content;
    for (const QString& file : filesBelow(folder))
        content.insert(file, readFile(folder + u'/' + file));
    return content;
}

QStringList stringsOf(const QJsonArray& array, const QString& key) {
    QStringList values;
    for (const QJsonValue& value : array)
        values << value.toObject().value(key).toString();
    return values;
}

QList<int> numbersOf(const QJsonArray& array, const QString& key) {
    QList<int> values;
    for (const QJsonValue& value : array)
        values << value.toObject().value(key).toInt(-1);
    return values;
}

} // namespace vexo::test
