#include "platform/DesktopTraces.h"

#include "platform/FileSystem.h"
#include "platform/Log.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace vexo::platform {
namespace {

// The characters GLib leaves as they are in a file URI's path.
bool glibKeeps(char c) {
    static const QByteArray kept = QByteArrayLiteral("!$&'()*+,-./:=@_~");
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           kept.contains(c);
}

QString glibUri(const QString& path) {
    QByteArray uri = QByteArrayLiteral("file://");
    for (const char c : QFile::encodeName(path)) {
        if (glibKeeps(c))
            uri += c;
        else
            uri += '%' +
                   QByteArray::number(static_cast<uchar>(c), 16).toUpper().rightJustified(2, '0');
    }
    return QString::fromLatin1(uri);
}

QString homeFolderOr(const char* variable, const QString& underHome) {
    const QString set = qEnvironmentVariable(variable);
    return set.isEmpty() ? QDir::homePath() + underHome : set;
}

QString thumbnailsFolder() {
    return homeFolderOr("XDG_CACHE_HOME", QStringLiteral("/.cache")) +
           QStringLiteral("/thumbnails");
}

QString recentlyUsedFile() {
    return homeFolderOr("XDG_DATA_HOME", QStringLiteral("/.local/share")) +
           QStringLiteral("/recently-used.xbel");
}

bool removeThumbnails(const QSet<QString>& uris) {
    QSet<QString> names;
    for (const QString& uri : uris)
        names << QString::fromLatin1(
                     QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex()) +
                     QStringLiteral(".png");
    bool removed = true;
    // Size folders ("normal", "large", ...) and the failure folders of each
    // thumbnailer ("fail/<name>").
    QDirIterator folders(thumbnailsFolder(), QDir::Dirs | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (folders.hasNext()) {
        QDir folder(folders.next());
        const QStringList present = folder.entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : present) {
            if (!names.contains(name) || folder.remove(name))
                continue;
            qCWarning(lcVexo, "could not remove the thumbnail %s",
                      qUtf8Printable(folder.filePath(name)));
            removed = false;
        }
    }
    return removed;
}

// The list without the bookmarks of uris; nothing when it cannot be read or
// holds none of them.
std::optional<QByteArray> withoutBookmarks(const QByteArray& list, const QSet<QString>& uris) {
    QXmlStreamReader reader(list);
    QByteArray rewritten;
    QXmlStreamWriter writer(&rewritten);
    bool dropped = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"bookmark" &&
            uris.contains(reader.attributes().value(QLatin1String("href")).toString())) {
            reader.skipCurrentElement();
            dropped = true;
            continue;
        }
        if (!reader.hasError())
            writer.writeCurrentToken(reader);
    }
    if (reader.hasError() || !dropped)
        return std::nullopt;
    return rewritten;
}

bool removeRecentEntries(const QSet<QString>& uris) {
    // Runs of several items may end at once; each rewrites the whole list.
    static QMutex oneAtATime;
    const QMutexLocker locker(&oneAtATime);
    const QString path = recentlyUsedFile();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<QByteArray> rewritten = withoutBookmarks(file.readAll(), uris);
    file.close();
    if (!rewritten)
        return true;
    QString error;
    if (writeFileAtomically(path, *rewritten, &error))
        return true;
    qCWarning(lcVexo, "could not rewrite %s: %s", qUtf8Printable(path), qUtf8Printable(error));
    return false;
}

} // namespace

QStringList fileUrisOf(const QString& path) {
    QStringList uris{glibUri(path)};
    const QString qtUri = QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
    if (!uris.contains(qtUri))
        uris << qtUri;
    return uris;
}

QStringList pathsWithin(const QString& path) {
    QStringList paths{path};
    QDirIterator below(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (below.hasNext())
        paths << below.next();
    return paths;
}

bool forgetDesktopTraces(const QStringList& paths) {
    QSet<QString> uris;
    for (const QString& path : paths)
        for (const QString& uri : fileUrisOf(path))
            uris.insert(uri);
    const bool thumbnailsGone = removeThumbnails(uris);
    return removeRecentEntries(uris) && thumbnailsGone;
}

} // namespace vexo::platform
