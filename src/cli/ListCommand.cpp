// list: the items of the vault or of one group, sorted and searched as the
// file list does.

#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "cli/Numbering.h"
#include "cli/Session.h"
#include "vault/ItemOrder.h"
#include "vault/ProgressText.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

#include <array>

namespace vexo::cli {
namespace {

const QString kCommand = QStringLiteral("list");

// The names of the file list's sort orders, by their number.
constexpr std::array<const char*, 6> kSortKeys = {"added", "name",  "path",
                                                  "size",  "state", "created"};

qint64 sortTypeNamed(const QString& name) {
    for (size_t i = 0; i < kSortKeys.size(); ++i)
        if (name == QLatin1String(kSortKeys.at(i)))
            return static_cast<qint64>(i) + 1;
    return 0;
}

// What the group shows in the file list, in the order and with the search
// the controller applies.
QList<store::FileModelPtr> shownInGroup(vault::MainViewController& controller,
                                        const NumberedGroup& group, const QString& search) {
    controller.selectGroupName = group.group->groupName;
    controller.selectGroupIndex = group.group->index;
    controller.controlTextDidChange(search);
    return controller.selected_ItemList;
}

QList<store::FileModelPtr> everyItemShown(const QList<NumberedItem>& numbered,
                                          const vault::MainViewController& controller,
                                          const QString& search) {
    QList<store::FileModelPtr> items;
    for (const NumberedItem& each : numbered)
        if (search.isEmpty() || vault::nameMatchesSearch(*each.item, search))
            items << each.item;
    vault::sortItems(items, controller.sortType, controller.isAscending);
    return items;
}

QString stateText(const store::FileModel& item) {
    return textOf(item.isEncrtypt ? QStringLiteral("cli.stateHidden")
                                  : QStringLiteral("cli.stateVisible"));
}

void printItems(const QList<NumberedItem>& rows, bool json) {
    if (json) {
        QJsonArray items;
        for (const NumberedItem& row : rows) {
            const store::FileModel& item = *row.item;
            items.append(QJsonObject{
                {QStringLiteral("number"), row.number},
                {QStringLiteral("name"), item.name},
                {QStringLiteral("path"), item.path},
                {QStringLiteral("hidden"), item.isEncrtypt.load()},
                {QStringLiteral("size"), item.fileSize},
                {QStringLiteral("added"), item.addDate},
                {QStringLiteral("created"), item.createDate},
                {QStringLiteral("group"), row.groupNumber},
                {QStringLiteral("vault"), row.vault},
            });
        }
        printJson({{QStringLiteral("items"), items}});
        return;
    }
    if (rows.isEmpty())
        print(textOf(QStringLiteral("cli.noItems")));
    for (const NumberedItem& row : rows)
        print(QStringLiteral("%1  %2  %3  %4  %5")
                  .arg(row.number, 4)
                  .arg(stateText(*row.item), -7)
                  .arg(vault::sizeText(row.item->fileSize), 10)
                  .arg(row.item->name, row.item->path));
}

} // namespace

int runList(Context& context, const QStringList& words) {
    const auto options = commandOptions(
        kCommand, words,
        {QStringLiteral("--group"), QStringLiteral("--sort"), QStringLiteral("--search")},
        {QStringLiteral("--desc"), QStringLiteral("--json")}, 0, 0);
    if (!options)
        return kUsage;
    const QString sortName =
        options->values.value(QStringLiteral("--sort"), QStringLiteral("added"));
    const qint64 sortType = sortTypeNamed(sortName);
    if (sortType == 0)
        return usageError(textOf(QStringLiteral("cli.unknownSort")).arg(sortName), kCommand);
    const QString groupWord = options->values.value(QStringLiteral("--group"));
    if (options->values.contains(QStringLiteral("--group")) && positiveNumber(groupWord) == 0)
        return usageError(textOf(QStringLiteral("cli.badNumber")).arg(groupWord), kCommand);

    Session session(context);
    if (const int opened = session.open(); opened != kDone)
        return opened;
    vault::MainViewController& controller = session.controller;
    controller.sortType = sortType;
    controller.isAscending = !options->flags.contains(QStringLiteral("--desc"));
    const QString search = options->values.value(QStringLiteral("--search"));
    const QList<NumberedItem> numbered = numberedItems(controller);

    QList<store::FileModelPtr> shown;
    if (groupWord.isEmpty()) {
        shown = everyItemShown(numbered, controller, search);
    } else {
        const auto group = findGroup(numberedGroups(controller), positiveNumber(groupWord));
        if (!group) {
            tell(textOf(QStringLiteral("cli.noSuchGroup")).arg(groupWord));
            return kFailed;
        }
        if (group->section == kNotes)
            return usageError(textOf(QStringLiteral("cli.noteGroup")).arg(groupWord), kCommand);
        shown = shownInGroup(controller, *group, search);
    }
    QHash<const store::FileModel*, NumberedItem> byItem;
    for (const NumberedItem& each : numbered)
        byItem.insert(each.item.get(), each);
    QList<NumberedItem> rows;
    for (const store::FileModelPtr& item : shown)
        rows << byItem.value(item.get());
    printItems(rows, options->flags.contains(QStringLiteral("--json")));
    return kDone;
}

} // namespace vexo::cli
