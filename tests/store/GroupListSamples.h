#pragma once

#include "store/GroupListFile.h"

#include <QStringList>
#include <QVariant>

#include <optional>
#include <plist/plist.h>

// Lists and property lists shared by the tests of the list writer and readers.
namespace vexo::test {

using namespace store;
using namespace Qt::StringLiterals;

inline const QString kDriveKey = u"NEW/MyVault.vlt"_s;

inline QString groupNameOf(ListKind kind) {
    if (kind == ListKind::Drive)
        return kDriveKey;
    return kind == ListKind::Notes ? kSystemDevicNoteName : kSystemDevicName;
}

// Reads data as the list of kind; drive lists as mounted under "NEW".
inline std::optional<GroupList> parse(const QByteArray& data, ListKind kind = ListKind::Local) {
    return parseGroupList(data, kind, groupNameOf(kind), u"NEW"_s);
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

// A header, a group with a full and a bare item, and the add row; the items
// lie below itemRoot.
inline GroupList sampleList(const QString& itemRoot) {
    auto header = std::make_shared<GroupModel>();
    header->name = u"FILES"_s;
    header->isHeader = header->isGroupDir = true;
    header->password = u"5F4DCC3B5AA765D61D8327DEB882CF99"_s;
    header->macAddress = u"aa:bb:cc:dd:ee:ff"_s;
    auto full = std::make_shared<FileModel>();
    full->path = itemRoot + u"/Docs/a & <b>.txt"_s;
    full->name = u"a & <b>.txt"_s;
    full->encryptedPath = u"247696276022519890-1700000000/6186852287238119208"_s;
    full->macAddress = u"11:22:33:44:55:66"_s;
    full->md5CodePath = u"0123456789ABCDEF0123456789ABCDEF"_s;
    full->createDate = -86400; // a file dated before 1970
    full->addDate = 1700000000;
    full->fileSize = 5'000'000'000;
    full->isEncrtypt = true;
    full->groupIndex = 1;
    auto bare = std::make_shared<FileModel>();
    bare->path = itemRoot + u"/Docs/密码"_s;
    bare->name = u"密码"_s;
    bare->groupIndex = bare->fileIndex = 1;
    auto group = std::make_shared<GroupModel>();
    group->name = u"Docs \"2\""_s;
    group->path = u"247696276022519890-1700000000"_s;
    group->index = 1;
    group->isGroupDir = true;
    group->fileModels = {full, bare};
    auto add = std::make_shared<GroupModel>();
    add->index = 2;
    add->isAddItem = add->isGroupDir = true;
    return {header, group, add};
}

// The fields of one record on one line.
inline QString fieldsLine(std::initializer_list<QVariant> fields) {
    QStringList texts;
    for (const QVariant& field : fields)
        texts << field.toString();
    return texts.join(u'|');
}

// Every field of every row and item, a line per record, for comparisons that
// show what differs. A row: name|path|groupName|password|macAddress|index|
// isHeader|isAddItem|isNotes|isGroupDir; an item, indented: path|name|
// encryptedPath|macAddress|md5CodePath|groupName|createDate|addDate|fileSize|
// isEncrtypt|groupIndex|fileIndex.
inline QStringList describe(const GroupList& groups) {
    QStringList lines;
    for (const GroupModelPtr& g : groups) {
        lines << fieldsLine({g->name, g->path, g->groupName, g->password, g->macAddress, g->index,
                             g->isHeader, g->isAddItem, g->isNotes, g->isGroupDir});
        for (const FileModelPtr& i : g->fileModels)
            lines << u"  "_s + fieldsLine({i->path, i->name, i->encryptedPath, i->macAddress,
                                           i->md5CodePath, i->groupName, i->createDate, i->addDate,
                                           i->fileSize, i->isEncrtypt.load(), i->groupIndex,
                                           i->fileIndex});
    }
    return lines;
}

// The binary form libplist writes for an XML property list.
inline QByteArray binaryFromXml(const QByteArray& xml) {
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), static_cast<uint32_t>(xml.size()), &root);
    char* binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &binary, &length);
    const QByteArray data(binary, static_cast<qsizetype>(length));
    plist_to_bin_free(binary);
    plist_free(root);
    return data;
}

} // namespace vexo::test
