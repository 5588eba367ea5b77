#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// Solid glyphs whose holes are real holes, so they read on any background:
// each outline is drawn in a unit square and filled into the square centred
// in the box it is given.
namespace pictures {

QPainterPath gearOutline();
QPainterPath keyOutline();
QPainterPath keyboardOutline();
QPainterPath shieldOutline();
QPainterPath safeOutline();

void fillOutline(QPainter& painter, const QRectF& box, const QPainterPath& outline,
                 const QColor& color);

} // namespace pictures
