// group add | rename | delete: the user's own groups.

#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "cli/Numbering.h"
#include "cli/Session.h"

namespace vexo::cli {
namespace {

const QString kCommand = QStringLiteral("group");

// The group numbered by word that the user may change: not an "all" group;
// nullopt after telling the user.
std::optional<NumberedGroup> changeableGroup(vault::MainViewController& controller,
                                             const QString& word) {
    const auto group = findGroup(numberedGroups(controller), positiveNumber(word));
    if (!group)
        tell(textOf(QStringLiteral("cli.noSuchGroup")).arg(word));
    else if (group->group->index <= 1)
        tell(textOf(QStringLiteral("cli.groupFixed")).arg(word));
    else
        return group;
    return std::nullopt;
}

int addGroup(vault::MainViewController& controller, const QString& name) {
    const store::GroupModelPtr group = controller.createGroup(store::kSystemDevicName);
    if (!group)
        return kFailed;
    controller.renameGroup(group, name);
    for (const NumberedGroup& numbered : numberedGroups(controller))
        if (numbered.group == group)
            print(textOf(QStringLiteral("cli.groupCreated")).arg(numbered.number).arg(name));
    return kDone;
}

int renameGroup(vault::MainViewController& controller, const QString& word, const QString& name) {
    const auto group = changeableGroup(controller, word);
    if (!group)
        return kFailed;
    controller.renameGroup(group->group, name);
    return kDone;
}

int deleteGroup(vault::MainViewController& controller, const QString& word) {
    const auto group = changeableGroup(controller, word);
    if (group && group->section == kNotes) {
        // Its notes would leave the list with it; the desktop shows them first.
        tell(textOf(QStringLiteral("cli.noteGroupKept"), {word}));
        return kFailed;
    }
    if (!group || !controller.deleteGroup(group->group->groupName, group->group->index))
        return kFailed;
    return kDone;
}

} // namespace

int runGroup(Context& context, const QStringList& words) {
    const auto options = commandOptions(kCommand, words, {}, {}, 2, 3);
    if (!options)
        return kUsage;
    const QStringList& arguments = options->positionals;
    const QString& action = arguments.first();
    const qsizetype needed = action == QStringLiteral("rename") ? 3 : 2;
    if (action != QStringLiteral("add") && action != QStringLiteral("rename") &&
        action != QStringLiteral("delete"))
        return usageError(textOf(QStringLiteral("cli.unknownGroupAction")).arg(action), kCommand);
    if (arguments.size() < needed)
        return usageError(textOf(QStringLiteral("cli.missingArgument")), kCommand);
    if (arguments.size() > needed)
        return usageError(textOf(QStringLiteral("cli.extraArgument")).arg(arguments.at(needed)),
                          kCommand);
    const QString name = arguments.constLast();
    if (action != QStringLiteral("delete") && name.trimmed().isEmpty())
        return usageError(textOf(QStringLiteral("cli.emptyGroupName")), kCommand);
    if (action != QStringLiteral("add") && positiveNumber(arguments.at(1)) == 0)
        return usageError(textOf(QStringLiteral("cli.badNumber")).arg(arguments.at(1)), kCommand);

    Session session(context);
    if (const int opened = session.open(); opened != kDone)
        return opened;
    if (action == QStringLiteral("add"))
        return addGroup(session.controller, name);
    if (action == QStringLiteral("rename"))
        return renameGroup(session.controller, arguments.at(1), name);
    return deleteGroup(session.controller, arguments.at(1));
}

} // namespace vexo::cli
