#include "store/GroupListFile.h"

#include "platform/FileSystem.h"
#include "platform/HardwareAddress.h"
#include "platform/Log.h"
#include "store/DrivePaths.h"
#include "store/PlistNesting.h"
#include "store/PlistTreeReader.h"
#include "store/XmlPlistReader.h"

#include <QFile>

#include <atomic>
#include <limits>
#include <memory>
#include <plist/plist.h>
#include <string_view>
#include <variant>

namespace vexo::store {
namespace {

// A list nests six elements deep in XML (plist, rows, row, items, item,
// value) and four containers in binary form; anything far deeper is hostile.
// Both readers refuse it without recursing.
constexpr int kMaxNesting = 16;

// libplist takes the length of its input as 32 bits; XML lists keep the same
// bound so both forms read alike.
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

// What every record read from one list shares.
struct ReadContext {
    ListKind kind;
    QString groupName;
    QString drive;
    QString currentMacAddress; // for local items stored without one
};

// Where the value of one dictionary key goes: a record field, or nowhere for
// a key that this kind of list does not read.
using Field = std::variant<std::monostate, QString*, qint64*, bool*, std::atomic<bool>*>;

Field itemField(FileModel& item, std::string_view key, ListKind kind) {
    if (key == "path")
        return &item.path;
    if (key == "md5CodePath")
        return &item.md5CodePath;
    if (key == "name")
        return &item.name;
    if (key == "encryptedPath")
        return &item.encryptedPath;
    if (key == "macAddress" && kind != ListKind::Drive)
        return &item.macAddress;
    if (key == "createDate")
        return &item.createDate;
    if (key == "addDate")
        return &item.addDate;
    if (key == "fileSize")
        return &item.fileSize;
    if (key == "isEncrtypt")
        return &item.isEncrtypt;
    return {};
}

Field groupField(GroupModel& group, std::string_view key, ListKind kind) {
    if (key == "name")
        return &group.name;
    if (key == "path")
        return &group.path;
    if (key == "isHeader")
        return &group.isHeader;
    if (key == "isAddItem")
        return &group.isAddItem;
    if (key == "isNotes")
        return &group.isNotes;
    if (key == "isGroupDir")
        return &group.isGroupDir;
    if (key == "password" && kind == ListKind::Drive)
        return &group.password;
    if (key == "macAddress" && kind == ListKind::Drive)
        return &group.macAddress;
    return {};
}

// Passes over the value that starts with the token of kind first, a whole
// container when it opens one.
bool skipValue(PlistTokenSource& tokens, PlistToken::Kind first) {
    int open = 0;
    for (PlistToken::Kind kind = first;; kind = tokens.next().kind) {
        if (kind == PlistToken::ArrayStart || kind == PlistToken::DictStart)
            ++open;
        else if (kind == PlistToken::ContainerEnd)
            --open;
        else if (kind == PlistToken::DocumentEnd || kind == PlistToken::Error)
            return false;
        if (open <= 0)
            return open == 0;
    }
}

// Reads the next value into field; false when its type is not the field's.
bool readInto(PlistTokenSource& tokens, const Field& field) {
    const PlistToken value = tokens.next();
    if (QString* const* text = std::get_if<QString*>(&field)) {
        if (value.kind != PlistToken::String)
            return false;
        **text = QString::fromUtf8(value.text.data(), static_cast<qsizetype>(value.text.size()));
    } else if (qint64* const* number = std::get_if<qint64*>(&field)) {
        if (value.kind != PlistToken::Integer)
            return false;
        **number = value.integer;
    } else if (bool* const* flag = std::get_if<bool*>(&field)) {
        if (value.kind != PlistToken::Boolean)
            return false;
        **flag = value.boolean;
    } else if (std::atomic<bool>* const* shared = std::get_if<std::atomic<bool>*>(&field)) {
        if (value.kind != PlistToken::Boolean)
            return false;
        (*shared)->store(value.boolean);
    } else {
        return skipValue(tokens, value.kind);
    }
    return true;
}

// An item dictionary, its opening token already taken.
FileModelPtr readItem(PlistTokenSource& tokens, const ReadContext& context) {
    auto item = std::make_shared<FileModel>();
    item->macAddress = context.currentMacAddress; // stays when none is stored
    for (PlistToken token = tokens.next(); token.kind != PlistToken::ContainerEnd;
         token = tokens.next()) {
        if (token.kind != PlistToken::Key ||
            !readInto(tokens, itemField(*item, token.text, context.kind)))
            return nullptr;
    }
    if (context.kind == ListKind::Drive)
        item->path = rebaseDrivePath(item->path, context.drive);
    item->groupName = context.groupName;
    return item;
}

// A row's "FileModel" array; a later one replaces an earlier.
bool readItems(PlistTokenSource& tokens, GroupModel& group, const ReadContext& context) {
    if (tokens.next().kind != PlistToken::ArrayStart)
        return false;
    group.fileModels.clear();
    for (PlistToken token = tokens.next(); token.kind != PlistToken::ContainerEnd;
         token = tokens.next()) {
        FileModelPtr item =
            token.kind == PlistToken::DictStart ? readItem(tokens, context) : nullptr;
        if (!item)
            return false;
        item->groupIndex = group.index;
        item->fileIndex = group.fileModels.size();
        group.fileModels.append(std::move(item));
    }
    return true;
}

// A row dictionary, its opening token already taken.
GroupModelPtr readGroup(PlistTokenSource& tokens, const ReadContext& context, qint64 position) {
    auto group = std::make_shared<GroupModel>();
    group->groupName = context.groupName;
    group->index = position;
    for (PlistToken token = tokens.next(); token.kind != PlistToken::ContainerEnd;
         token = tokens.next()) {
        if (token.kind != PlistToken::Key)
            return nullptr;
        const bool read = token.text == "FileModel"
                              ? readItems(tokens, *group, context)
                              : readInto(tokens, groupField(*group, token.text, context.kind));
        if (!read)
            return nullptr;
    }
    return group;
}

std::optional<GroupList> readGroups(PlistTokenSource& tokens, const ReadContext& context) {
    if (tokens.next().kind != PlistToken::ArrayStart)
        return std::nullopt;
    GroupList groups;
    for (PlistToken token = tokens.next(); token.kind != PlistToken::ContainerEnd;
         token = tokens.next()) {
        GroupModelPtr group = token.kind == PlistToken::DictStart
                                  ? readGroup(tokens, context, groups.size())
                                  : nullptr;
        if (!group)
            return std::nullopt;
        groups.append(std::move(group));
    }
    if (tokens.next().kind != PlistToken::DocumentEnd)
        return std::nullopt;
    return groups;
}

// libplist parses and frees nested values recursively; the nesting check
// keeps a hostile binary list from exhausting the stack.
OwnedPlist parseBinaryPlist(const QByteArray& data) {
    if (!plistNestingWithin(data, kMaxNesting))
        return nullptr;
    plist_t root = nullptr;
    plist_from_bin(data.constData(), static_cast<uint32_t>(data.size()), &root);
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
    if (data.isEmpty() || data.size() > kMaxListSize)
        return std::nullopt;
    const ReadContext context{kind, groupName, drive,
                              kind == ListKind::Drive ? QString() : platform::hardwareAddress()};
    if (!data.startsWith("bplist00")) {
        XmlPlistReader tokens(data, kMaxNesting);
        return readGroups(tokens, context);
    }
    const OwnedPlist root = parseBinaryPlist(data);
    if (!root)
        return std::nullopt;
    PlistTreeReader tokens(root.get());
    return readGroups(tokens, context);
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
