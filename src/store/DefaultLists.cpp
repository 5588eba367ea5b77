#include "store/DefaultLists.h"

#include "platform/Digest.h"
#include "platform/HardwareAddress.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "store/GroupFolderName.h"

namespace vexo::store {
namespace {

enum class Section { Files, Notes };

// A row of a default list with the section's flags; only a Files row is a
// group folder row, only a Notes row a notes row.
GroupModelPtr row(Section section, const QString& groupName, const QString& name, qint64 index) {
    auto group = std::make_shared<GroupModel>();
    group->groupName = groupName;
    group->name = name;
    group->index = index;
    group->isGroupDir = section == Section::Files;
    group->isNotes = section == Section::Notes;
    return group;
}

GroupModelPtr headerRow(Section section, const QString& groupName, const QString& name,
                        qint64 index) {
    GroupModelPtr header = row(section, groupName, name, index);
    header->isHeader = true;
    return header;
}

// The group that holds everything; it gets a folder of its own.
GroupModelPtr allRow(Section section, const QString& groupName, const char* nameKey) {
    const QString name = platform::localizedStringForKey(QString::fromLatin1(nameKey));
    GroupModelPtr all = row(section, groupName, name, 1);
    all->path = groupFolderName(name);
    return all;
}

GroupModelPtr addRow(Section section, const QString& groupName, const QString& name) {
    GroupModelPtr add = row(section, groupName, name, 2);
    add->isAddItem = true;
    return add;
}

} // namespace

GroupList defaultLocalGroupList() {
    const Section files = Section::Files;
    return {headerRow(files, kSystemDevicName,
                      platform::localizedStringForKey(QStringLiteral("GroupFileTypeTitle")), 0),
            allRow(files, kSystemDevicName, "group_AllFiles"),
            addRow(files, kSystemDevicName, QString())};
}

GroupList defaultNoteGroupList() {
    const Section notes = Section::Notes;
    return {headerRow(notes, kSystemDevicNoteName,
                      platform::localizedStringForKey(QStringLiteral("group_SECURENOTES")), 0),
            allRow(notes, kSystemDevicNoteName, "group_Allnotes"),
            addRow(notes, kSystemDevicNoteName,
                   platform::localizedStringForKey(QStringLiteral("GroupFileTypeTitle")))};
}

GroupList defaultDriveGroupList(const QString& drive, const QString& key, qint64 headerIndex) {
    const Section files = Section::Files;
    GroupModelPtr header = headerRow(files, key, drive, headerIndex);
    header->password =
        platform::MD5_32BitUpper(platform::Settings::value(platform::keys::kSOUREPASSWORD));
    header->macAddress = platform::hardwareAddress();
    return {header, allRow(files, key, "group_AllFiles"), addRow(files, key, QString())};
}

} // namespace vexo::store
