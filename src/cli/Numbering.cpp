#include "cli/Numbering.h"

#include "cli/CommandLine.h"
#include "cli/TerminalPrompt.h"
#include "vault/MainViewController.h"
#include "vault/Sidebar.h"

#include <QDir>

namespace vexo::cli {
namespace {

QString sectionOf(const vault::SidebarRow& row) {
    if (row.isGroupNote)
        return kNotes;
    return row.groupName == store::kSystemDevicName ? kLocalVault : row.groupName;
}

qint64 itemsOfSection(const QList<vault::SidebarRow>& rows, const QString& groupName) {
    qint64 count = 0;
    for (const vault::SidebarRow& row : rows)
        if (row.canSelected && row.groupName == groupName && row.group)
            count += row.group->fileModels.size();
    return count;
}

} // namespace

QList<NumberedGroup> numberedGroups(vault::MainViewController& controller) {
    const QList<vault::SidebarRow> rows = vault::sidebarRows(controller);
    QList<NumberedGroup> groups;
    for (const vault::SidebarRow& row : rows) {
        if (!row.canSelected || !row.group)
            continue;
        const bool wholeSection = row.groupRow == 1;
        groups.append(
            {groups.size() + 1, row.group, row.title, sectionOf(row),
             wholeSection ? itemsOfSection(rows, row.groupName) : row.group->fileModels.size()});
    }
    return groups;
}

QList<NumberedItem> numberedItems(vault::MainViewController& controller) {
    QList<NumberedItem> items;
    for (const NumberedGroup& group : numberedGroups(controller)) {
        if (group.section == kNotes)
            continue;
        for (const store::FileModelPtr& item : group.group->fileModels)
            items.append({items.size() + 1, item, group.number, group.section});
    }
    return items;
}

std::optional<NumberedItem> findItem(const QList<NumberedItem>& items, const QString& word) {
    if (const qint64 number = positiveNumber(word); number > 0)
        return number <= items.size() ? std::optional(items.at(number - 1)) : std::nullopt;
    return itemAtPath(items, absolutePath(word));
}

std::optional<QList<NumberedItem>> findItems(const QList<NumberedItem>& items,
                                             const QStringList& words) {
    QList<NumberedItem> found;
    bool allFound = true;
    for (const QString& word : words) {
        if (const auto item = findItem(items, word)) {
            found << *item;
        } else {
            tell(textOf(QStringLiteral("cli.noSuchItem")).arg(word));
            allFound = false;
        }
    }
    return allFound ? std::optional(found) : std::nullopt;
}

std::optional<NumberedItem> itemAtPath(const QList<NumberedItem>& items, const QString& path) {
    for (const NumberedItem& numbered : items)
        if (numbered.item->path == path)
            return numbered;
    return std::nullopt;
}

std::optional<NumberedGroup> findGroup(const QList<NumberedGroup>& groups, qint64 number) {
    if (number < 1 || number > groups.size())
        return std::nullopt;
    return groups.at(number - 1);
}

QString absolutePath(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

} // namespace vexo::cli
