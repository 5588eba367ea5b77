#include "Glyphs.h"

#include "Shapes.h"

#include <QPainterPathStroker>
#include <QTransform>

namespace pictures {
namespace {

QPainterPath circle(const QPointF& centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// The area a round-capped line of the given width covers along path.
QPainterPath stroke(const QPainterPath& path, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

// Turns path by degrees (clockwise) about the middle of the unit square and
// scales it by factor about the same point.
QPainterPath turned(const QPainterPath& path, qreal degrees, qreal factor = 1) {
    QTransform turn;
    turn.translate(0.5, 0.5);
    turn.rotate(degrees);
    turn.scale(factor, factor);
    turn.translate(-0.5, -0.5);
    return turn.map(path);
}

} // namespace

QPainterPath gearOutline() {
    const QPointF centre(0.5, 0.5);
    QPainterPath gear = circle(centre, 0.33);
    constexpr int teeth = 8;
    const QPainterPath tooth = roundedRect(QRectF(0.41, 0.03, 0.18, 0.2), 0.04);
    for (int i = 0; i < teeth; ++i)
        gear = gear.united(turned(tooth, 360.0 * i / teeth));
    return gear.subtracted(circle(centre, 0.14));
}

// Drawn lying down, bow on the left and bits hanging below the blade, then
// tilted so the blade points to the lower right and enlarged to fill the
// square's diagonal.
QPainterPath keyOutline() {
    QPainterPath key = circle(QPointF(0.25, 0.5), 0.22);
    key = key.united(roundedRect(QRectF(0.38, 0.435, 0.6, 0.13), 0.03));
    key = key.united(roundedRect(QRectF(0.72, 0.5, 0.09, 0.2), 0.02));
    key = key.united(roundedRect(QRectF(0.87, 0.5, 0.11, 0.24), 0.02));
    key = key.subtracted(circle(QPointF(0.2, 0.5), 0.08));
    return turned(key, 40, 1.15);
}

QPainterPath keyboardOutline() {
    const QRectF body(0.0, 0.2, 1.0, 0.62);
    QPainterPath keyboard = roundedRect(body, 0.1);
    constexpr int keysPerRow = 5;
    const qreal left = 0.1;
    const qreal gap = 0.055;
    const qreal key = (1.0 - 2 * left - (keysPerRow - 1) * gap) / keysPerRow;
    const qreal rowHeight = 0.11;
    for (int row = 0; row < 2; ++row) {
        const qreal top = body.top() + 0.1 + row * (rowHeight + gap);
        for (int column = 0; column < keysPerRow; ++column) {
            const QRectF cap(left + column * (key + gap), top, key, rowHeight);
            keyboard = keyboard.subtracted(roundedRect(cap, 0.02));
        }
    }
    const qreal spaceTop = body.top() + 0.1 + 2 * (rowHeight + gap);
    return keyboard.subtracted(roundedRect(QRectF(0.27, spaceTop, 0.46, rowHeight), 0.02));
}

QPainterPath shieldOutline() {
    QPainterPath shield;
    shield.moveTo(0.5, 0.03);
    shield.quadTo(0.68, 0.15, 0.9, 0.16);
    shield.lineTo(0.9, 0.45);
    shield.cubicTo(0.9, 0.7, 0.72, 0.87, 0.5, 0.97);
    shield.cubicTo(0.28, 0.87, 0.1, 0.7, 0.1, 0.45);
    shield.lineTo(0.1, 0.16);
    shield.quadTo(0.32, 0.15, 0.5, 0.03);
    shield.closeSubpath();
    QPainterPath tick;
    tick.moveTo(0.32, 0.5);
    tick.lineTo(0.45, 0.63);
    tick.lineTo(0.68, 0.38);
    return shield.subtracted(stroke(tick, 0.1));
}

// A strongbox seen from the front: door seam, round dial and two feet.
QPainterPath safeOutline() {
    QPainterPath safe = roundedRect(QRectF(0.06, 0.08, 0.88, 0.76), 0.12);
    safe = safe.united(roundedRect(QRectF(0.16, 0.8, 0.16, 0.12), 0.03));
    safe = safe.united(roundedRect(QRectF(0.68, 0.8, 0.16, 0.12), 0.03));
    QPainterPath seam;
    seam.addRoundedRect(QRectF(0.18, 0.2, 0.64, 0.52), 0.06, 0.06);
    safe = safe.subtracted(stroke(seam, 0.07));
    const QPointF dial(0.5, 0.46);
    safe = safe.subtracted(stroke(circle(dial, 0.13), 0.07));
    return safe;
}

void fillOutline(QPainter& painter, const QRectF& box, const QPainterPath& outline,
                 const QColor& color) {
    const QRectF square = centredSquare(box);
    QTransform toSquare;
    toSquare.translate(square.left(), square.top());
    toSquare.scale(square.width(), square.width());
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(toSquare.map(outline));
}

} // namespace pictures
