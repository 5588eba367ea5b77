#pragma once

#include "store/FileModel.h"

#include <QCache>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QThreadPool>

namespace vexo::ui {

// The pictures of the file list's rows: an item's thumbnail when the vault
// has one, else the icon of its kind of file. Thumbnails are read off the
// main thread, scaled as they are read; a row asks again when ready() tells
// it its picture has come. Only the pictures of recent rows are kept, so a
// list of any length costs what is on the screen.
class ItemIcons : public QObject {
    Q_OBJECT
public:
    static constexpr int kSide = 40;

    explicit ItemIcons(QObject* parent = nullptr);
    ~ItemIcons() override;

    // The picture for item now: its thumbnail once read, the icon of its kind
    // until then (and for good when it has none).
    QPixmap iconFor(const store::FileModel& item);

    // Waits until no thumbnail is being read (tests and benchmarks).
    void waitForReads();

signals:
    // Thumbnails asked for have been read; rows redraw.
    void ready();

private:
    void startRead(const QString& key, const store::FileModel& item);
    void finishRead(const QString& key, const QImage& image);
    QPixmap kindIcon(const store::FileModel& item);

    QCache<QString, QPixmap> thumbnails_;
    QSet<QString> without_; // items known to have no thumbnail
    QSet<QString> reading_;
    int readsUnderWay_ = 0;
    QHash<QString, QPixmap> kinds_; // icon by kind of file
    QThreadPool readers_;
};

} // namespace vexo::ui
