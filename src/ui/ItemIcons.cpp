#include "ui/ItemIcons.h"

#include "cipher/ItemStore.h"
#include "cipher/Thumbnails.h"
#include "vault/VaultCatalogue.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPointer>
#include <QStyle>

namespace vexo::ui {
namespace {

constexpr int kKeptThumbnails = 600;

QString keyOf(const store::FileModel& item) {
    return item.groupName + QLatin1Char('\n') + item.path;
}

// Reads the thumbnail of the item at path, fitted into side x side; a null
// image when it has none.
QImage readThumbnail(const QString& path, const QString& groupName, int side) {
    const QString thumbnail =
        cipher::getFileThumbImagePath(path, vault::vaultFolderOfKey(groupName));
    if (thumbnail.isEmpty() || !QFileInfo::exists(thumbnail))
        return {};
    QImageReader reader(thumbnail);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
    return reader.read();
}

// Whether the item is a folder: its place tells while it is visible, its
// stored top entry while it is hidden.
bool isFolderItem(const store::FileModel& item) {
    const QFileInfo place(item.path);
    if (place.exists())
        return place.isDir();
    QString error;
    const auto itemStore = cipher::checkedItemStore(item, &error);
    return itemStore && QFileInfo(cipher::storedPathBelow(*itemStore, item, QString())).isDir();
}

} // namespace

ItemIcons::ItemIcons(QObject* parent) : QObject(parent) {
    thumbnails_.setMaxCost(kKeptThumbnails);
    readers_.setMaxThreadCount(2);
}

ItemIcons::~ItemIcons() {
    readers_.clear();
    readers_.waitForDone();
}

QPixmap ItemIcons::iconFor(const store::FileModel& item) {
    const QString key = keyOf(item);
    if (const QPixmap* thumbnail = thumbnails_.object(key))
        return *thumbnail;
    if (!without_.contains(key) && !reading_.contains(key))
        startRead(key, item);
    return kindIcon(item);
}

void ItemIcons::finishRead(const QString& key, const QImage& image) {
    reading_.remove(key);
    --readsUnderWay_;
    if (image.isNull())
        without_.insert(key);
    else
        thumbnails_.insert(key, new QPixmap(QPixmap::fromImage(image)));
    emit ready();
}

void ItemIcons::startRead(const QString& key, const store::FileModel& item) {
    reading_.insert(key);
    ++readsUnderWay_;
    QPointer<ItemIcons> self(this);
    readers_.start([self, key, path = item.path, groupName = item.groupName] {
        const QImage image = readThumbnail(path, groupName, kSide);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, key, image] {
                if (ItemIcons* icons = self.data())
                    icons->finishRead(key, image);
            },
            Qt::QueuedConnection);
    });
}

QPixmap ItemIcons::kindIcon(const store::FileModel& item) {
    static const QMimeDatabase mimeTypes;
    const bool folder = isFolderItem(item);
    const QString kind =
        folder ? QStringLiteral("inode/directory")
               : mimeTypes.mimeTypeForFile(item.path, QMimeDatabase::MatchExtension).name();
    auto known = kinds_.constFind(kind);
    if (known != kinds_.constEnd())
        return *known;
    const QMimeType type = mimeTypes.mimeTypeForName(kind);
    const QIcon fallback =
        QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    const QIcon icon =
        QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), fallback));
    return *kinds_.insert(kind, icon.pixmap(kSide, kSide));
}

void ItemIcons::waitForReads() {
    while (readsUnderWay_ > 0) {
        readers_.waitForDone();
        QCoreApplication::processEvents();
    }
}

} // namespace vexo::ui
