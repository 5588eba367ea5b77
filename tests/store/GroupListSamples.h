#pragma once

#include "store/GroupListFile.h"

#include <QStringList>

#include <optional>

// Lists and helpers shared by the tests of the list writer and readers.
namespace vexo::test {

using store::GroupList;
using store::ListKind;

inline const QString kDriveKey = QStringLiteral("NEW/MyVault.vlt");

inline QString groupNameOf(ListKind kind) {
    switch (kind) {
    case ListKind::Local:
        return store::kSystemDevicName;
    case ListKind::Notes:
        return store::kSystemDevicNoteName;
    case ListKind::Drive:
        return kDriveKey;
    }
    return {};
}

// Reads data as the list of kind; drive lists as mounted under "NEW".
inline std::optional<GroupList> parse(const QByteArray& data, ListKind kind = ListKind::Local) {
    return store::parseGroupList(data, kind, groupNameOf(kind), QStringLiteral("NEW"));
}

inline QByteArray plistDocument(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body +
           "</plist>\n";
}

// A list of one row whose dictionary holds content.
inline QByteArray rowDocument(const QByteArray& content) {
    return plistDocument("<array><dict>" + content + "</dict></array>");
}

// A list of one row holding one item whose dictionary holds content.
inline QByteArray itemDocument(const QByteArray& content) {
    return rowDocument("<key>FileModel</key><array><dict>" + content + "</dict></array>");
}

// A header, a group with a full and a bare item, and the add row. Items lie
// below itemRoot.
inline GroupList sampleList(const QString& itemRoot) {
    auto header = std::make_shared<store::GroupModel>();
    header->name = QStringLiteral("FILES");
    header->isHeader = header->isGroupDir = true;
    header->password = QStringLiteral("5F4DCC3B5AA765D61D8327DEB882CF99");
    header->macAddress = QStringLiteral("aa:bb:cc:dd:ee:ff");

    auto full = std::make_shared<store::FileModel>();
    full->path = itemRoot + QStringLiteral("/Docs/a & <b>.txt");
    full->name = QStringLiteral("a & <b>.txt");
    full->encryptedPath = QStringLiteral("247696276022519890-1700000000/6186852287238119208");
    full->macAddress = QStringLiteral("11:22:33:44:55:66");
    full->md5CodePath = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    full->createDate = -86400; // a file dated before 1970
    full->addDate = 1700000000;
    full->fileSize = 5'000'000'000;
    full->isEncrtypt = true;
    full->groupIndex = 1;
    auto bare = std::make_shared<store::FileModel>();
    bare->path = itemRoot + QStringLiteral("/Docs/密码");
    bare->name = QStringLiteral("密码");
    bare->groupIndex = 1;
    bare->fileIndex = 1;

    auto group = std::make_shared<store::GroupModel>();
    group->name = QStringLiteral("Docs \"2\"");
    group->path = QStringLiteral("247696276022519890-1700000000");
    group->index = 1;
    group->isGroupDir = true;
    group->fileModels = {full, bare};

    auto add = std::make_shared<store::GroupModel>();
    add->index = 2;
    add->isAddItem = add->isGroupDir = true;
    return {header, group, add};
}

// Every field of every row and item, one per line, for comparisons that show
// what differs.
inline QStringList describe(const GroupList& groups) {
    QStringList lines;
    for (const store::GroupModelPtr& group : groups) {
        lines << QStringLiteral("name=") + group->name << QStringLiteral("path=") + group->path
              << QStringLiteral("groupName=") + group->groupName
              << QStringLiteral("password=") + group->password
              << QStringLiteral("macAddress=") + group->macAddress
              << QStringLiteral("index=%1").arg(group->index)
              << QStringLiteral("flags=%1%2%3%4")
                     .arg(group->isHeader)
                     .arg(group->isAddItem)
                     .arg(group->isNotes)
                     .arg(group->isGroupDir);
        for (const store::FileModelPtr& item : group->fileModels) {
            lines << QStringLiteral("  path=") + item->path
                  << QStringLiteral("  name=") + item->name
                  << QStringLiteral("  encryptedPath=") + item->encryptedPath
                  << QStringLiteral("  macAddress=") + item->macAddress
                  << QStringLiteral("  md5CodePath=") + item->md5CodePath
                  << QStringLiteral("  groupName=") + item->groupName
                  << QStringLiteral("  dates=%1,%2").arg(item->createDate).arg(item->addDate)
                  << QStringLiteral("  fileSize=%1").arg(item->fileSize)
                  << QStringLiteral("  isEncrtypt=%1").arg(item->isEncrtypt.load())
                  << QStringLiteral("  position=%1,%2").arg(item->groupIndex).arg(item->fileIndex);
        }
    }
    return lines;
}

} // namespace vexo::test
