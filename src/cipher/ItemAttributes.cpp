#include "cipher/ItemAttributes.h"

#include "cipher/Aes.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "cipher/ItemStore.h"
#include "cipher/KeyText.h"
#include "cipher/PosixFiles.h"
#include "platform/Log.h"
#include "platform/UniqueFd.h"
#include "store/VaultPaths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::cipher {
namespace {

using Kind = EntryAttributes::Kind;

const QString kAttributesName = QStringLiteral(".attributes");
constexpr int kDocumentVersion = 1;
// Far more than a folder of a million files needs; a planted file past it
// is not read into memory.
constexpr qint64 kLongestDocument = qint64(128) * 1024 * 1024;
// The permission bits kept: read, write and execute for owner, group and
// others, and the sticky bit. Set-user and set-group bits are never given
// back to a file that left the computer's care.
constexpr mode_t kKeptModeBits = 01777;

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::File:
        return QStringLiteral("file");
    case Kind::Folder:
        return QStringLiteral("folder");
    case Kind::Link:
        return QStringLiteral("link");
    }
    return {};
}

std::optional<Kind> kindNamed(const QString& name) {
    for (const Kind kind : {Kind::File, Kind::Folder, Kind::Link}) {
        if (kindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

// A link's target as text, when the text names exactly the bytes the link
// holds.
std::optional<QString> linkTargetAt(const QByteArray& place, qint64 length, QString* error) {
    QByteArray target(length + 1, Qt::Uninitialized);
    const ssize_t read = ::readlink(place.constData(), target.data(), target.size());
    if (read < 0 || read > length) {
        *error = failureAt(QFile::decodeName(place), read < 0 ? errno : EAGAIN);
        return std::nullopt;
    }
    target.truncate(read);
    const QString text = QFile::decodeName(target);
    if (read == 0 || QFile::encodeName(text) != target) {
        *error = QFile::decodeName(place) +
                 QStringLiteral(": the link's target is not a name this computer's text can hold");
        return std::nullopt;
    }
    return text;
}

QJsonObject entryObject(const EntryAttributes& entry) {
    QJsonObject object{
        {QStringLiteral("path"), entry.path},
        {QStringLiteral("kind"), kindName(entry.kind)},
        {QStringLiteral("modified"), static_cast<qint64>(entry.modified.tv_sec)},
        {QStringLiteral("modifiedNanoseconds"), static_cast<qint64>(entry.modified.tv_nsec)}};
    if (entry.kind == Kind::Link)
        object.insert(QStringLiteral("target"), entry.linkTarget);
    else
        object.insert(QStringLiteral("mode"), static_cast<qint64>(entry.mode));
    return object;
}

// Text that names exactly one file name: no zero character, which would cut
// the name short, and nothing the file system's encoding would turn into
// the same bytes as other text (a lone surrogate becomes U+FFFD), so two
// entries the checks tell apart are never one file.
bool namesOneFile(const QString& text) {
    return !text.contains(QChar(0)) && QFile::decodeName(QFile::encodeName(text)) == text;
}

// The path exactly as the walks spell it: components joined by single
// slashes, none of them "." or "..".
bool isCanonicalPath(const QString& path) {
    return namesOneFile(path) && isPlainRelativePath(path) &&
           path.split(u'/', Qt::SkipEmptyParts).join(u'/') == path;
}

std::optional<EntryAttributes> entryFrom(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    EntryAttributes entry;
    entry.path = object.value(QStringLiteral("path")).toString();
    const auto kind = kindNamed(object.value(QStringLiteral("kind")).toString());
    const qint64 nanoseconds = object.value(QStringLiteral("modifiedNanoseconds")).toInteger(-1);
    const qint64 mode = object.value(QStringLiteral("mode")).toInteger(0);
    if (!kind || !isCanonicalPath(entry.path) || nanoseconds < 0 || nanoseconds > 999'999'999 ||
        mode < 0 || mode > kKeptModeBits)
        return std::nullopt;
    entry.kind = *kind;
    entry.modified = {static_cast<time_t>(object.value(QStringLiteral("modified")).toInteger()),
                      static_cast<long>(nanoseconds)};
    entry.mode = static_cast<mode_t>(mode);
    entry.linkTarget = object.value(QStringLiteral("target")).toString();
    if ((entry.kind == Kind::Link) == entry.linkTarget.isEmpty() ||
        (entry.kind == Kind::Link && entry.path.isEmpty()) || !namesOneFile(entry.linkTarget))
        return std::nullopt;
    return entry;
}

// A link holds nothing: a path below one would lead the restore through it.
bool liesBelowALink(const QString& path, const QSet<QString>& links) {
    for (qsizetype slash = path.indexOf(u'/'); slash > 0; slash = path.indexOf(u'/', slash + 1)) {
        if (links.contains(path.left(slash)))
            return true;
    }
    return false;
}

bool wellFormed(const ItemAttributes& attributes) {
    QSet<QString> paths;
    QSet<QString> links;
    for (const EntryAttributes& entry : attributes) {
        if (paths.contains(entry.path))
            return false;
        paths.insert(entry.path);
        if (entry.kind == Kind::Link)
            links.insert(entry.path);
    }
    return std::none_of(attributes.cbegin(), attributes.cend(),
                        [&links](const auto& entry) { return liesBelowALink(entry.path, links); });
}

std::optional<QByteArray> enciphered(const QString& keyText, const ItemAttributes& attributes,
                                     QString* error) {
    const auto body =
        runAes(bodyKeyOf(keyText), AesStream::Direction::Encrypt, encodeAttributes(attributes));
    if (!body)
        *error = QStringLiteral("the cipher failed");
    return body;
}

// The deciphered document of the stored file at path.
std::optional<QByteArray> documentAt(const QString& path, QString* error) {
    const auto input = openRegularFile(path, error);
    if (!input)
        return std::nullopt;
    const auto envelope = readEnvelope(input->fd.get(), path, input->size, error);
    if (!envelope)
        return std::nullopt;
    const qint64 length = input->size - envelope->headerLength - envelope->footerLength;
    if (length > kLongestDocument) {
        *error = path + QStringLiteral(": too long to hold an item's attributes");
        return std::nullopt;
    }
    QByteArray body(length, Qt::Uninitialized);
    if (!readExactly(input->fd.get(), path, body.data(), length, envelope->headerLength, error))
        return std::nullopt;
    const QString bodyKey = bodyKeyOf(envelope->keyText);
    auto document =
        bodyKey.isEmpty() ? std::nullopt : runAes(bodyKey, AesStream::Direction::Decrypt, body);
    if (!document)
        *error = path + QStringLiteral(": does not decipher");
    return document;
}

QByteArray encodedBelow(const QString& root, const QString& path) {
    return QFile::encodeName(store::joinPath(root, path));
}

bool makeEntry(const QString& root, const EntryAttributes& entry, QString* error) {
    const QByteArray place = encodedBelow(root, entry.path);
    if (entry.kind == Kind::Folder && isDirectory(QFile::decodeName(place)))
        return true;
    const int made =
        entry.kind == Kind::Folder
            ? ::mkdir(place.constData(), 0700)
            : ::symlink(QFile::encodeName(entry.linkTarget).constData(), place.constData());
    if (made == 0)
        return true;
    *error = failureAt(QFile::decodeName(place), errno);
    return false;
}

void logUnset(const QByteArray& place, const char* what) {
    qCWarning(lcVexo, "could not give %s back its %s: %s", place.constData(), what,
              strerror(errno));
}

bool isKind(mode_t mode, Kind kind) {
    switch (kind) {
    case Kind::File:
        return S_ISREG(mode);
    case Kind::Folder:
        return S_ISDIR(mode);
    case Kind::Link:
        return S_ISLNK(mode);
    }
    return false;
}

// A link gets its own time. A file or folder is opened without following a
// final link and changed through that descriptor, so what is changed is what
// was checked to be of the entry's kind.
void setAttributes(const QString& root, const EntryAttributes& entry) {
    const QByteArray place = encodedBelow(root, entry.path);
    const timespec times[2] = {{0, UTIME_OMIT}, entry.modified};
    if (entry.kind == Kind::Link) {
        if (!isLink(QFile::decodeName(place)) ||
            ::utimensat(AT_FDCWD, place.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
            logUnset(place, "modification time");
        return;
    }
    const platform::UniqueFd fd(
        ::open(place.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !isKind(info.st_mode, entry.kind)) {
        logUnset(place, "attributes");
        return;
    }
    if (::fchmod(fd.get(), entry.mode) != 0)
        logUnset(place, "permissions");
    if (::futimens(fd.get(), times) != 0)
        logUnset(place, "modification time");
}

} // namespace

bool EntryAttributes::operator==(const EntryAttributes& other) const {
    return path == other.path && kind == other.kind && mode == other.mode &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           linkTarget == other.linkTarget;
}

std::optional<EntryAttributes> entryAttributesAt(const QString& place, const QString& itemPath,
                                                 QString* error) {
    const QByteArray encoded = QFile::encodeName(place);
    struct stat info {};
    if (::lstat(encoded.constData(), &info) != 0) {
        *error = failureAt(place, errno);
        return std::nullopt;
    }
    EntryAttributes entry{itemPath, Kind::File, info.st_mode & kKeptModeBits, info.st_mtim, {}};
    if (S_ISDIR(info.st_mode)) {
        entry.kind = Kind::Folder;
    } else if (S_ISLNK(info.st_mode)) {
        const auto target =
            linkTargetAt(encoded, info.st_size > 0 ? info.st_size : PATH_MAX, error);
        if (!target)
            return std::nullopt;
        entry = {itemPath, Kind::Link, 0, info.st_mtim, *target};
    }
    return entry;
}

QString attributesPathOf(const QString& itemStore, const store::FileModel& item) {
    if (AESPath(itemLeafName(item)) == kAttributesName)
        return {};
    return store::joinPath(itemStore, kAttributesName);
}

QByteArray encodeAttributes(const ItemAttributes& attributes) {
    QJsonArray entries;
    for (const EntryAttributes& entry : attributes)
        entries.append(entryObject(entry));
    const QJsonObject document{{QStringLiteral("version"), kDocumentVersion},
                               {QStringLiteral("entries"), entries}};
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

std::optional<ItemAttributes> decodeAttributes(const QByteArray& document, QString* error) {
    const QJsonObject object = QJsonDocument::fromJson(document).object();
    ItemAttributes attributes;
    if (object.value(QStringLiteral("version")).toInteger() == kDocumentVersion) {
        const QJsonArray entries = object.value(QStringLiteral("entries")).toArray();
        for (const QJsonValue& value : entries) {
            const auto entry = entryFrom(value);
            if (!entry)
                break;
            attributes.append(*entry);
        }
        if (attributes.size() == entries.size() && wellFormed(attributes))
            return attributes;
    }
    *error = QStringLiteral("the kept permissions, times and links do not read");
    return std::nullopt;
}

bool writeAttributes(const QString& path, const QString& keyText, const Envelope& envelope,
                     const ItemAttributes& attributes, bool flush, QString* error) {
    const auto body = enciphered(keyText, attributes, error);
    if (!body)
        return false;
    auto output =
        createTemporaryFile(parentFolderOf(path), kAttributesName, S_IRUSR | S_IWUSR, error);
    if (!output)
        return false;
    const QByteArray content = envelope.header + *body + envelope.footer;
    const int fd = output->fd.get();
    const bool written = writeFully(fd, output->path, content.constData(), content.size(), error) &&
                         (!flush || flushWrittenFile(fd, output->path, error)) &&
                         closeWrittenFile(output->fd, output->path, error);
    if (written && ::rename(QFile::encodeName(output->path).constData(),
                            QFile::encodeName(path).constData()) == 0)
        return true;
    if (written)
        *error = failureAt(path, errno);
    ::unlink(QFile::encodeName(output->path).constData());
    return false;
}

AttributesRead readAttributes(const QString& path) {
    if (path.isEmpty() || !somethingExistsAt(path))
        return {};
    AttributesRead read;
    read.state = AttributesRead::State::Damaged;
    if (isLink(path)) {
        read.error = path + QStringLiteral(": a link, where the item's attributes belong");
        return read;
    }
    const auto document = documentAt(path, &read.error);
    if (!document)
        return read;
    auto attributes = decodeAttributes(*document, &read.error);
    if (!attributes) {
        read.error = path + QStringLiteral(": ") + read.error;
        return read;
    }
    return {AttributesRead::State::Read, std::move(*attributes), {}};
}

bool restoreFoldersAndLinks(const QString& root, const ItemAttributes& attributes, QString* error) {
    // Entries are kept parents first, so every folder is there before what
    // lies in it.
    for (const EntryAttributes& entry : attributes) {
        if (entry.kind != Kind::File && !entry.path.isEmpty() && !makeEntry(root, entry, error))
            return false;
    }
    return true;
}

void restoreFileAttributes(const QString& root, const ItemAttributes& attributes) {
    for (const EntryAttributes& entry : attributes) {
        if (entry.kind != Kind::Folder)
            setAttributes(root, entry);
    }
}

void restoreFolderAttributes(const QString& root, const ItemAttributes& attributes) {
    for (auto entry = attributes.crbegin(); entry != attributes.crend(); ++entry) {
        if (entry->kind == Kind::Folder)
            setAttributes(root, *entry);
    }
}

} // namespace vexo::cipher
