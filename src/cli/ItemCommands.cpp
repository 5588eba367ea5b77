// add, hide, unhide and remove: the commands that switch items.

#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "cli/Numbering.h"
#include "cli/Session.h"
#include "platform/VolumesRoot.h"

namespace vexo::cli {
namespace {

int tellCancelled() {
    tell(textOf(QStringLiteral("cli.cancelled")));
    return kFailed;
}

// Whether the item reached the state hidden with its last run.
bool reached(const store::FileModel& item, bool hidden) {
    return item.isEncrtypt == hidden && !item.isCancel;
}

// Opens the session and finds the items words name; the exit code when
// either fails.
int openWithItems(Session& session, const QStringList& words, QList<NumberedItem>* items) {
    if (const int opened = session.open(); opened != kDone)
        return opened;
    const auto found = findItems(numberedItems(session.controller), words);
    if (!found)
        return kFailed;
    *items = *found;
    return kDone;
}

// Works on the items one after the other: work starts the operation on one,
// waits for its end, tells the user how it went and returns whether it
// succeeded. A Ctrl-C ends the loop with the item it interrupted; one that
// came as that item's work was ending anyway cancels only the items after it.
int workThrough(Session& session, const QList<NumberedItem>& items,
                const std::function<bool(const store::FileModelPtr&)>& work) {
    bool failed = false;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const bool done = work(items.at(i).item);
        failed = failed || !done;
        if (session.cancelled() && (!done || i + 1 < items.size()))
            return tellCancelled();
    }
    return failed ? kFailed : kDone;
}

int switchItems(Context& context, const QString& command, const QStringList& words, bool hiding) {
    const auto options = commandOptions(command, words, {}, {}, 1, -1);
    if (!options)
        return kUsage;
    Session session(context);
    QList<NumberedItem> items;
    if (const int opened = openWithItems(session, options->positionals, &items); opened != kDone)
        return opened;
    const QString doneKey = hiding ? QStringLiteral("cli.hidden") : QStringLiteral("cli.unhidden");
    return workThrough(session, items, [&](const store::FileModelPtr& item) {
        if (item->isEncrtypt == hiding) {
            tell(textOf(hiding ? QStringLiteral("cli.alreadyHidden")
                               : QStringLiteral("cli.alreadyVisible"))
                     .arg(item->path));
            return true;
        }
        session.controller.visableChange(item);
        session.waitForRuns();
        const bool done = reached(*item, hiding);
        if (done)
            print(textOf(doneKey).arg(item->path));
        return done;
    });
}

// Leaves out the paths the vault holds already, telling the user.
QStringList pathsNotInVault(vault::MainViewController& controller, const QStringList& paths,
                            bool* someLeftOut) {
    const QList<NumberedItem> numbered = numberedItems(controller);
    QStringList kept;
    for (const QString& path : paths) {
        if (itemAtPath(numbered, path)) {
            tell(textOf(QStringLiteral("cli.alreadyInVault")).arg(path));
            *someLeftOut = true;
        } else {
            kept << path;
        }
    }
    return kept;
}

// Points the controller's selection at the group numbered by word, which
// new items join; false after telling the user.
bool selectTargetGroup(vault::MainViewController& controller, const QString& word) {
    const auto group = findGroup(numberedGroups(controller), positiveNumber(word));
    if (!group || group->section == kNotes) {
        tell(textOf(group ? QStringLiteral("cli.noteGroup") : QStringLiteral("cli.noSuchGroup"))
                 .arg(word));
        return false;
    }
    controller.selectGroupName = group->group->groupName;
    controller.selectGroupIndex = group->group->index;
    return true;
}

// How adding paths ended for each of them.
int reportAdded(vault::MainViewController& controller, const QStringList& paths) {
    const QList<NumberedItem> numbered = numberedItems(controller);
    bool failed = false;
    for (const QString& path : paths) {
        const auto item = itemAtPath(numbered, path);
        if (item && reached(*item->item, true)) {
            print(textOf(QStringLiteral("cli.hidden")).arg(path));
        } else {
            tell(textOf(QStringLiteral("cli.notHidden")).arg(path));
            failed = true;
        }
    }
    return failed ? kFailed : kDone;
}

// The drive-vault key ("USB1/Vault.vlt") of a drive vault folder.
QString driveVaultKeyOf(const QString& folder) {
    return platform::volumeNameOf(folder) + u'/' + folder.section(u'/', -1);
}

bool isDriveVaultFolder(const QString& path) {
    return platform::isOnVolumes(path) &&
           path.endsWith(QStringLiteral(".vlt"), Qt::CaseInsensitive);
}

} // namespace

int runHide(Context& context, const QStringList& words) {
    return switchItems(context, QStringLiteral("hide"), words, true);
}

int runUnhide(Context& context, const QStringList& words) {
    return switchItems(context, QStringLiteral("unhide"), words, false);
}

int runAdd(Context& context, const QStringList& words) {
    const auto options =
        commandOptions(QStringLiteral("add"), words,
                       {QStringLiteral("--group"), QStringLiteral("--vault-name")}, {}, 1, -1);
    if (!options)
        return kUsage;
    const QString groupWord = options->values.value(QStringLiteral("--group"));
    if (options->values.contains(QStringLiteral("--group")) && positiveNumber(groupWord) == 0)
        return usageError(textOf(QStringLiteral("cli.badNumber"), {groupWord}),
                          QStringLiteral("add"));
    Session session(context);
    if (const int opened = session.open(); opened != kDone)
        return opened;
    vault::MainViewController& controller = session.controller;
    if (!groupWord.isEmpty() && !selectTargetGroup(controller, groupWord))
        return kFailed;
    const bool named = options->values.contains(QStringLiteral("--vault-name"));
    if (named || !context.answers.hasTerminal()) {
        // Adding a drive's item asks for a vault on that drive: without a
        // terminal to ask on, or with its name given, a new one is made.
        context.prompt.presetAnswer(QStringLiteral("addMessage1.string"), 0);
        context.prompt.presetAnswer(QStringLiteral("addMessage.string"), 0);
    }
    if (named)
        context.prompt.presetText(QStringLiteral("createFolderMessage"),
                                  options->values.value(QStringLiteral("--vault-name")));
    QStringList paths;
    for (const QString& path : options->positionals)
        paths << absolutePath(path);
    bool someLeftOut = false;
    paths = pathsNotInVault(controller, paths, &someLeftOut);
    if (paths.isEmpty())
        return kFailed;

    int opened = -1;
    controller.AddFileActionForPaths(paths, [&opened](int result) { opened = result; });
    session.waitForRuns();
    if (isDriveVaultFolder(paths.first()) && opened >= 0) {
        if (opened != 0 || !session.catalogue.UPLibrary.contains(driveVaultKeyOf(paths.first()))) {
            tell(textOf(QStringLiteral("cli.driveVaultNotOpened"), {paths.first()}));
            return kFailed;
        }
        // Remembered, so that the next command finds it open again.
        session.catalogue.SaveGroupList(vault::ListSelector::DriveVaults,
                                        driveVaultKeyOf(paths.first()));
        print(textOf(QStringLiteral("cli.driveVaultOpened")).arg(paths.first()));
        return someLeftOut ? kFailed : kDone;
    }
    const int added = reportAdded(controller, paths);
    if (session.cancelled() && added != kDone)
        return tellCancelled();
    return someLeftOut ? kFailed : added;
}

int runRemove(Context& context, const QStringList& words) {
    const auto options =
        commandOptions(QStringLiteral("remove"), words, {}, {QStringLiteral("--yes")}, 1, -1);
    if (!options)
        return kUsage;
    Session session(context);
    QList<NumberedItem> items;
    if (const int opened = openWithItems(session, options->positionals, &items); opened != kDone)
        return opened;
    if (options->flags.contains(QStringLiteral("--yes")))
        context.prompt.presetAnswer(QStringLiteral("removeitemformlistmessage.text"), 0);
    return workThrough(session, items, [&](const store::FileModelPtr& item) {
        bool ended = false;
        session.controller.removeItemFromList(item, [&ended] { ended = true; });
        // A cancelled unhide ends the removal without calling back.
        session.waitUntil([&] { return ended || !session.catalogue.runsUnderWay(); });
        const bool removed = !itemAtPath(numberedItems(session.controller), item->path);
        if (removed)
            print(textOf(QStringLiteral("cli.removed")).arg(item->path));
        else
            tell(textOf(QStringLiteral("cli.notRemoved")).arg(item->path));
        return removed;
    });
}

} // namespace vexo::cli
