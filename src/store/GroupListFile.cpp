#include "store/GroupListFile.h"

#include "platform/FileSystem.h"
#include "platform/HardwareAddress.h"
#include "platform/Log.h"
#include "store/DrivePaths.h"
#include "store/PlistNesting.h"

#include <QFile>

#include <limits>
#include <memory>
#include <plist/plist.h>

namespace vexo::store {
namespace {

// A list nests six elements deep in XML (plist, rows, row, items, item,
// value) and four containers in binary form; anything far deeper is hostile.
constexpr int kMaxNesting = 16;

// libplist takes the length of its input as 32 bits.
constexpr qint64 kMaxListSize = std::numeric_limits<uint32_t>::max();

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using OwnedPlist = std::unique_ptr<void, PlistFree>;

void setString(plist_t dict, const char* key, const QString& value) {
    plist_dict_set_item(dict, key, plist_new_string(value.toUtf8().constData()));
}

void setStringIfNotEmpty(plist_t dict, const char* key, const QString& value) {
    if (!value.isEmpty())
        setString(dict, key, value);
}

void setInteger(plist_t dict, const char* key, qint64 value) {
    // libplist keeps every integer as 64 unsigned bits and writes them signed.
    plist_dict_set_item(dict, key, plist_new_uint(static_cast<uint64_t>(value)));
}

void setBoolean(plist_t dict, const char* key, bool value) {
    plist_dict_set_item(dict, key, plist_new_bool(value ? 1 : 0));
}

plist_t itemDictionary(const FileModel& item, ListKind kind) {
    plist_t dict = plist_new_dict();
    setString(dict, "path", item.path);
    if (kind != ListKind::Notes)
        setStringIfNotEmpty(dict, "md5CodePath", item.md5CodePath);
    setString(dict, "name", item.name);
    setStringIfNotEmpty(dict, "encryptedPath", item.encryptedPath);
    setString(dict, "macAddress", item.macAddress);
    setInteger(dict, "createDate", item.createDate);
    setInteger(dict, "addDate", item.addDate);
    setInteger(dict, "groupIndex", item.groupIndex);
    setInteger(dict, "fileSize", item.fileSize);
    setBoolean(dict, "isEncrtypt", item.isEncrtypt.load());
    return dict;
}

plist_t groupDictionary(const GroupModel& group, ListKind kind, const QString& passwordOverride) {
    plist_t dict = plist_new_dict();
    setString(dict, "name", group.name);
    setStringIfNotEmpty(dict, "path", group.path);
    setInteger(dict, "index", group.index);
    setBoolean(dict, "isHeader", group.isHeader);
    setBoolean(dict, "isAddItem", group.isAddItem);
    setBoolean(dict, "isNotes", group.isNotes);
    setBoolean(dict, "isGroupDir", group.isGroupDir);
    setStringIfNotEmpty(dict, "password",
                        passwordOverride.isEmpty() ? group.password : passwordOverride);
    setStringIfNotEmpty(dict, "macAddress", group.macAddress);
    plist_t items = plist_new_array();
    for (const FileModelPtr& item : group.fileModels) {
        if (item)
            plist_array_append_item(items, itemDictionary(*item, kind));
    }
    plist_dict_set_item(dict, "FileModel", items);
    return dict;
}

// Typed reads from one dictionary. An absent key reads as the type's empty
// value; a key holding another type marks the dictionary as failed.
class DictionaryReader {
public:
    explicit DictionaryReader(plist_t dict) : dict_(dict) {}

    bool failed() const { return failed_; }
    bool has(const char* key) const { return plist_dict_get_item(dict_, key) != nullptr; }

    QString string(const char* key) {
        plist_t node = valueOf(key, PLIST_STRING);
        if (!node)
            return {};
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return QString::fromUtf8(text, static_cast<qsizetype>(length));
    }

    qint64 integer(const char* key) {
        uint64_t value = 0;
        if (plist_t node = valueOf(key, PLIST_UINT))
            plist_get_uint_val(node, &value);
        return static_cast<qint64>(value);
    }

    bool boolean(const char* key) {
        uint8_t value = 0;
        if (plist_t node = valueOf(key, PLIST_BOOLEAN))
            plist_get_bool_val(node, &value);
        return value != 0;
    }

    plist_t array(const char* key) { return valueOf(key, PLIST_ARRAY); }

private:
    plist_t valueOf(const char* key, plist_type type) {
        plist_t node = plist_dict_get_item(dict_, key);
        if (node && plist_get_node_type(node) != type) {
            failed_ = true;
            return nullptr;
        }
        return node;
    }

    plist_t dict_;
    bool failed_ = false;
};

// What every record read from one list shares.
struct ReadContext {
    ListKind kind;
    QString groupName;
    QString drive;
    QString currentMacAddress; // for local items stored without one
};

bool isDictionary(plist_t node) {
    return plist_get_node_type(node) == PLIST_DICT;
}

FileModelPtr readItem(plist_t node, const ReadContext& context, qint64 groupPosition,
                      qint64 position) {
    if (!isDictionary(node))
        return nullptr;
    DictionaryReader dict(node);
    auto item = std::make_shared<FileModel>();
    item->path = dict.string("path");
    item->md5CodePath = dict.string("md5CodePath");
    item->name = dict.string("name");
    item->encryptedPath = dict.string("encryptedPath");
    item->createDate = dict.integer("createDate");
    item->addDate = dict.integer("addDate");
    item->fileSize = dict.integer("fileSize");
    item->isEncrtypt = dict.boolean("isEncrtypt");
    if (context.kind == ListKind::Drive)
        item->path = rebaseDrivePath(item->path, context.drive);
    else
        item->macAddress =
            dict.has("macAddress") ? dict.string("macAddress") : context.currentMacAddress;
    item->groupIndex = groupPosition;
    item->fileIndex = position;
    item->groupName = context.groupName;
    return dict.failed() ? nullptr : item;
}

GroupModelPtr readGroup(plist_t node, const ReadContext& context, qint64 position) {
    if (!isDictionary(node))
        return nullptr;
    DictionaryReader dict(node);
    auto group = std::make_shared<GroupModel>();
    group->groupName = context.groupName;
    group->index = position;
    group->name = dict.string("name");
    group->path = dict.string("path");
    group->isHeader = dict.boolean("isHeader");
    group->isAddItem = dict.boolean("isAddItem");
    group->isNotes = dict.boolean("isNotes");
    group->isGroupDir = dict.boolean("isGroupDir");
    if (context.kind == ListKind::Drive) {
        group->password = dict.string("password");
        group->macAddress = dict.string("macAddress");
    }
    plist_t items = dict.array("FileModel");
    if (dict.failed())
        return nullptr;
    const uint32_t count = items ? plist_array_get_size(items) : 0;
    for (uint32_t j = 0; j < count; ++j) {
        FileModelPtr item = readItem(plist_array_get_item(items, j), context, position, j);
        if (!item)
            return nullptr;
        group->fileModels.append(std::move(item));
    }
    return group;
}

OwnedPlist parsePlist(const QByteArray& data) {
    if (data.isEmpty() || data.size() > kMaxListSize || !plistNestingWithin(data, kMaxNesting))
        return nullptr;
    plist_t root = nullptr;
    plist_from_memory(data.constData(), static_cast<uint32_t>(data.size()), &root);
    return OwnedPlist(root);
}

} // namespace

QByteArray groupListData(const GroupList& groups, ListKind kind, const QString& passwordOverride) {
    const OwnedPlist root(plist_new_array());
    for (const GroupModelPtr& group : groups) {
        if (group)
            plist_array_append_item(root.get(), groupDictionary(*group, kind, passwordOverride));
    }
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    const QByteArray data(xml, static_cast<qsizetype>(xml ? length : 0));
    plist_to_xml_free(xml);
    return data;
}

std::optional<GroupList> parseGroupList(const QByteArray& data, ListKind kind,
                                        const QString& groupName, const QString& drive) {
    const OwnedPlist root = parsePlist(data);
    if (!root || plist_get_node_type(root.get()) != PLIST_ARRAY)
        return std::nullopt;
    const ReadContext context{kind, groupName, drive,
                              kind == ListKind::Drive ? QString() : platform::hardwareAddress()};
    GroupList groups;
    const uint32_t count = plist_array_get_size(root.get());
    for (uint32_t i = 0; i < count; ++i) {
        GroupModelPtr group = readGroup(plist_array_get_item(root.get(), i), context, i);
        if (!group)
            return std::nullopt;
        groups.append(std::move(group));
    }
    return groups;
}

bool writeGroupList(const QString& path, const GroupList& groups, ListKind kind,
                    const QString& passwordOverride) {
    const QByteArray data = groupListData(groups, kind, passwordOverride);
    return !data.isEmpty() && platform::writeFileAtomically(path, data);
}

std::optional<GroupList> readGroupList(const QString& path, ListKind kind, const QString& groupName,
                                       const QString& drive) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > kMaxListSize)
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    auto groups = parseGroupList(data, kind, groupName, drive);
    if (!groups)
        qCWarning(lcVexo, "unreadable group list %s", qUtf8Printable(path));
    return groups;
}

} // namespace vexo::store
