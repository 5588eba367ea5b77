// status and groups: what the vault holds.

#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "cli/Numbering.h"
#include "cli/Session.h"
#include "store/GroupListFile.h"
#include "store/VaultPaths.h"
#include "vault/Reconcile.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>

namespace vexo::cli {
namespace {

struct Counts {
    qint64 items = 0;
    qint64 hidden = 0;
    void count(const store::FileModel& item) {
        ++items;
        hidden += item.isEncrtypt ? 1 : 0;
    }
};

struct Status {
    QString root;
    Counts local;
    QMap<QString, Counts> driveVaults;
    bool openElsewhere = false;
};

// What the list file says, for a vault another program has open.
Counts countsInLocalList() {
    Counts counts;
    const auto groups = store::readGroupList(store::AppGroupDirListPath(), store::ListKind::Local,
                                             store::kSystemDevicName);
    for (const store::GroupModelPtr& group : groups.value_or(store::GroupList()))
        for (const store::FileModelPtr& item : group->fileModels)
            counts.count(*item);
    return counts;
}

void countSession(Status& status, Session& session) {
    for (const NumberedItem& numbered : numberedItems(session.controller)) {
        if (numbered.vault == kLocalVault)
            status.local.count(*numbered.item);
        else
            status.driveVaults[numbered.vault].count(*numbered.item);
    }
    for (const NumberedGroup& group : numberedGroups(session.controller))
        if (group.section != kLocalVault && group.section != kNotes)
            status.driveVaults[group.section]; // an empty drive vault is listed too
}

void printStatus(const Status& status, bool json) {
    if (json) {
        QJsonArray drives;
        for (auto it = status.driveVaults.cbegin(); it != status.driveVaults.cend(); ++it)
            drives.append(QJsonObject{
                {QStringLiteral("key"), it.key()},
                {QStringLiteral("items"), it->items},
                {QStringLiteral("hidden"), it->hidden},
            });
        printJson({
            {QStringLiteral("root"), status.root},
            {QStringLiteral("items"), status.local.items},
            {QStringLiteral("hidden"), status.local.hidden},
            {QStringLiteral("visible"), status.local.items - status.local.hidden},
            {QStringLiteral("driveVaults"), drives},
            {QStringLiteral("openElsewhere"), status.openElsewhere},
        });
        return;
    }
    print(textOf(QStringLiteral("cli.statusVault")).arg(status.root));
    print(textOf(QStringLiteral("cli.statusItems"))
              .arg(status.local.items)
              .arg(status.local.hidden)
              .arg(status.local.items - status.local.hidden));
    for (auto it = status.driveVaults.cbegin(); it != status.driveVaults.cend(); ++it)
        print(textOf(QStringLiteral("cli.statusDriveVault"),
                     {it.key(), QString::number(it->items), QString::number(it->hidden)}));
    print(textOf(status.openElsewhere ? QStringLiteral("cli.statusOpenElsewhere")
                                      : QStringLiteral("cli.statusNotOpenElsewhere")));
}

QString sectionTitle(const QString& section) {
    if (section == kLocalVault)
        return textOf(QStringLiteral("cli.sectionLocal"));
    if (section == kNotes)
        return textOf(QStringLiteral("cli.sectionNotes"));
    return textOf(QStringLiteral("cli.sectionDrive")).arg(section);
}

void printGroups(const QList<NumberedGroup>& groups, bool json) {
    if (json) {
        QJsonArray rows;
        for (const NumberedGroup& group : groups)
            rows.append(QJsonObject{
                {QStringLiteral("number"), group.number},
                {QStringLiteral("name"), group.title},
                {QStringLiteral("section"), group.section},
                {QStringLiteral("count"), group.count},
            });
        printJson({{QStringLiteral("groups"), rows}});
        return;
    }
    QString section;
    for (const NumberedGroup& group : groups) {
        if (group.section != section) {
            section = group.section;
            print(sectionTitle(section));
        }
        print(QStringLiteral("%1  %2  %3")
                  .arg(group.number, 4)
                  .arg(group.title, QString::number(group.count)));
    }
}

} // namespace

int runStatus(Context& context, const QStringList& words) {
    const auto options =
        commandOptions(QStringLiteral("status"), words, {}, {QStringLiteral("--json")}, 0, 0);
    if (!options)
        return kUsage;
    if (!vaultIsSetUp())
        return kFailed;
    if (const int checked = checkMasterPassword(context); checked != kDone)
        return checked;
    Status status;
    status.root = store::AppRootDirKey();
    status.openElsewhere = vault::vaultOpenElsewhere(status.root);
    if (status.openElsewhere) {
        status.local = countsInLocalList();
    } else {
        Session session(context);
        if (!session.controller.setUp())
            return kVaultInUse;
        countSession(status, session);
    }
    printStatus(status, options->flags.contains(QStringLiteral("--json")));
    return kDone;
}

int runGroups(Context& context, const QStringList& words) {
    const auto options =
        commandOptions(QStringLiteral("groups"), words, {}, {QStringLiteral("--json")}, 0, 0);
    if (!options)
        return kUsage;
    Session session(context);
    if (const int opened = session.open(); opened != kDone)
        return opened;
    printGroups(numberedGroups(session.controller),
                options->flags.contains(QStringLiteral("--json")));
    return kDone;
}

} // namespace vexo::cli
