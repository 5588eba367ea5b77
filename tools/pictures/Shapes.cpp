#include "Shapes.h"

#include <QFont>
#include <QPainterPath>

#include <algorithm>

namespace pictures {

QPen strokePen(const QColor& color, qreal width) {
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QRectF centredSquare(const QRectF& box, qreal margin) {
    const qreal side = std::min(box.width(), box.height()) - 2 * margin;
    QRectF square(0, 0, side, side);
    square.moveCenter(box.center());
    return square;
}

void drawPadlock(QPainter& painter, const QRectF& box, const QColor& body, const QColor& shackle,
                 bool open) {
    const QRectF square = centredSquare(box);
    const qreal s = square.width();
    const QRectF bodyRect(square.left() + 0.16 * s, square.top() + 0.44 * s, 0.68 * s, 0.52 * s);
    const qreal shackleWidth = 0.1 * s;
    QRectF arc(square.left() + 0.28 * s, square.top() + 0.08 * s, 0.44 * s, 0.5 * s);
    if (open)
        arc.translate(0.16 * s, -0.06 * s);
    QPainterPath shacklePath;
    shacklePath.moveTo(arc.left(), bodyRect.top() + (open ? -0.06 * s : 0.02 * s));
    shacklePath.lineTo(arc.left(), arc.center().y());
    shacklePath.arcTo(arc, 180, -180);
    shacklePath.lineTo(arc.right(), bodyRect.top() + 0.02 * s);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(shackle, shackleWidth));
    painter.drawPath(shacklePath);

    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(bodyRect, 0.1 * s, 0.1 * s);

    // The keyhole: a round head over a short stem, cut into the body.
    const QPointF hole(bodyRect.center().x(), bodyRect.top() + 0.42 * bodyRect.height());
    painter.setBrush(palette::pane);
    painter.drawEllipse(hole, 0.07 * s, 0.07 * s);
    painter.drawRoundedRect(QRectF(hole.x() - 0.03 * s, hole.y(), 0.06 * s, 0.14 * s), 0.02 * s,
                            0.02 * s);
}

void drawFolder(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath tab;
    tab.addRoundedRect(QRectF(box.left(), box.top(), 0.42 * w, 0.3 * h), 0.05 * w, 0.05 * w);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color.darker(125));
    painter.drawPath(tab);
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(box.left(), box.top() + 0.14 * h, w, 0.86 * h), 0.06 * w,
                            0.06 * w);
}

void drawDocument(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& lines) {
    const qreal w = box.width();
    const qreal fold = 0.28 * w;
    QPainterPath page;
    page.moveTo(box.left(), box.top());
    page.lineTo(box.right() - fold, box.top());
    page.lineTo(box.right(), box.top() + fold);
    page.lineTo(box.right(), box.bottom());
    page.lineTo(box.left(), box.bottom());
    page.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawPath(page);
    painter.setBrush(paper.darker(130));
    QPainterPath corner;
    corner.moveTo(box.right() - fold, box.top());
    corner.lineTo(box.right() - fold, box.top() + fold);
    corner.lineTo(box.right(), box.top() + fold);
    corner.closeSubpath();
    painter.drawPath(corner);
    painter.setPen(strokePen(lines, 0.06 * w));
    for (int row = 0; row < 4; ++row) {
        const qreal y = box.top() + (0.42 + 0.14 * row) * box.height();
        const qreal end = row == 3 ? 0.55 : 0.8;
        painter.drawLine(QPointF(box.left() + 0.18 * w, y), QPointF(box.left() + end * w, y));
    }
}

void drawMagnifier(QPainter& painter, const QRectF& box, const QColor& color) {
    const QRectF square = centredSquare(box);
    const qreal s = square.width();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(color, 0.13 * s));
    const QRectF lens(square.left() + 0.1 * s, square.top() + 0.1 * s, 0.56 * s, 0.56 * s);
    painter.drawEllipse(lens);
    painter.drawLine(QPointF(square.left() + 0.6 * s, square.top() + 0.6 * s),
                     QPointF(square.left() + 0.9 * s, square.top() + 0.9 * s));
}

void drawEye(QPainter& painter, const QRectF& box, const QColor& color, bool crossed) {
    const QRectF square = centredSquare(box);
    const qreal s = square.width();
    QPainterPath lid;
    const QPointF left(square.left() + 0.05 * s, square.center().y());
    const QPointF right(square.right() - 0.05 * s, square.center().y());
    lid.moveTo(left);
    lid.quadTo(QPointF(square.center().x(), square.top() + 0.1 * s), right);
    lid.quadTo(QPointF(square.center().x(), square.bottom() - 0.1 * s), left);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(color, 0.08 * s));
    painter.drawPath(lid);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(square.center(), 0.13 * s, 0.13 * s);
    if (crossed) {
        painter.setPen(strokePen(color, 0.08 * s));
        painter.drawLine(QPointF(square.left() + 0.15 * s, square.bottom() - 0.15 * s),
                         QPointF(square.right() - 0.15 * s, square.top() + 0.15 * s));
    }
}

void drawPlus(QPainter& painter, const QRectF& box, const QColor& color, qreal width) {
    painter.setPen(strokePen(color, width));
    painter.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
    painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
}

void drawCross(QPainter& painter, const QRectF& box, const QColor& color, qreal width) {
    painter.setPen(strokePen(color, width));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
}

void drawArrow(QPainter& painter, const QRectF& box, const QColor& color, qreal width,
               qreal angle) {
    painter.save();
    painter.translate(box.center());
    painter.rotate(angle);
    const qreal half = std::min(box.width(), box.height()) / 2;
    painter.setPen(strokePen(color, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(-half, 0), QPointF(half, 0));
    QPainterPath head;
    head.moveTo(half * 0.2, -half * 0.7);
    head.lineTo(half, 0);
    head.lineTo(half * 0.2, half * 0.7);
    painter.drawPath(head);
    painter.restore();
}

void drawText(QPainter& painter, const QRectF& box, const QString& text, const QColor& color,
              qreal pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixelSize));
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace pictures
