#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// The drawing vocabulary shared by every picture: one palette and a few
// flat shapes, each fitted into the rectangle it is given.
namespace pictures {

namespace palette {
inline const QColor pane(44, 44, 47);
inline const QColor raised(80, 80, 86);
inline const QColor line(100, 100, 104);
inline const QColor muted(186, 186, 189);
inline const QColor light(236, 236, 240);
inline const QColor accent(64, 156, 255);
inline const QColor accentDark(36, 104, 196);
inline const QColor positive(52, 199, 120);
inline const QColor danger(255, 95, 87);
inline const QColor caution(254, 188, 46);
// The file list's state colours: a visible item and a hidden one.
inline const QColor visibleState(0, 190, 50);
inline const QColor hiddenState(122, 124, 135);
} // namespace palette

// A pen whose width is a share of the picture's size.
QPen strokePen(const QColor& color, qreal width);

void drawPadlock(QPainter& painter, const QRectF& box, const QColor& body, const QColor& shackle,
                 bool open = false);
void drawFolder(QPainter& painter, const QRectF& box, const QColor& color);
void drawDocument(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& lines);
void drawMagnifier(QPainter& painter, const QRectF& box, const QColor& color);
void drawEye(QPainter& painter, const QRectF& box, const QColor& color, bool crossed);
void drawPlus(QPainter& painter, const QRectF& box, const QColor& color, qreal width);
void drawCross(QPainter& painter, const QRectF& box, const QColor& color, qreal width);
// An arrow pointing right (angle 0) or rotated clockwise by angle degrees.
void drawArrow(QPainter& painter, const QRectF& box, const QColor& color, qreal width,
               qreal angle = 0);
void drawText(QPainter& painter, const QRectF& box, const QString& text, const QColor& color,
              qreal pixelSize);

// A square centred in box, shrunk by margin on each side.
QRectF centredSquare(const QRectF& box, qreal margin = 0);

} // namespace pictures
