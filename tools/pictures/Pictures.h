#pragma once

#include <QList>
#include <QPainter>
#include <QSizeF>
#include <QString>

#include <functional>

namespace pictures {

// One picture: where it goes below resources/, its size in points, how many
// pixels a point gets (2 for "@2x" names), and how it is drawn in points.
struct Picture {
    QString path;
    QSizeF points;
    int scale = 1;
    std::function<void(QPainter&, const QRectF&)> draw;
};

QList<Picture> allPictures();

} // namespace pictures
