#include "Pictures.h"

#include "Glyphs.h"
#include "Shapes.h"

#include <QPainterPath>

namespace pictures {
namespace {

using namespace palette;

// The lock picture of the unlock screen and the guide: it turns about its
// centre, so it sits on a round badge.
void loginLock(QPainter& p, const QRectF& box) {
    const QRectF badge = centredSquare(box, 4);
    p.setPen(strokePen(line, 3));
    p.setBrush(raised.darker(140));
    p.drawEllipse(badge);
    drawPadlock(p, centredSquare(box, 30), accent, light);
}

void enterButton(QPainter& p, const QRectF& box) {
    const QRectF circle = centredSquare(box, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(circle);
    drawArrow(p, centredSquare(box, 8), Qt::white, 2.2);
}

void hintButton(QPainter& p, const QRectF& box) {
    p.setPen(strokePen(muted, 1.6));
    p.setBrush(raised);
    p.drawEllipse(centredSquare(box, 1.5));
    drawText(p, box, QStringLiteral("?"), light, 16);
}

void titleButton(QPainter& p, const QRectF& box, const QColor& color, int state,
                 const std::function<void(QPainter&, const QRectF&)>& glyph) {
    p.setPen(Qt::NoPen);
    p.setBrush(state == 2 ? color.darker(130) : color);
    p.drawEllipse(centredSquare(box, 0.5));
    if (state > 0)
        glyph(p, centredSquare(box, 3.6));
}

void languageBadge(QPainter& p, const QRectF& box,
                   const std::function<void(QPainter&, const QRectF&)>& glyph) {
    p.setPen(strokePen(muted, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(1.5, 3, -1.5, -3), 3, 3);
    glyph(p, box.adjusted(1.5, 3, -1.5, -3));
}

// A language badge showing the language's two letters.
std::function<void(QPainter&, const QRectF&)> letterBadge(const QString& letters) {
    return [letters](QPainter& p, const QRectF& box) {
        languageBadge(p, box, [&letters](QPainter& q, const QRectF& inner) {
            drawText(q, inner, letters, light, 9);
        });
    };
}

// The character for "middle", built from strokes so no font is needed.
void drawZhong(QPainter& p, const QRectF& box) {
    const QRectF square = centredSquare(box, 2.5);
    const qreal s = square.width();
    p.setPen(strokePen(light, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(square.left() + 0.12 * s, square.top() + 0.3 * s, 0.76 * s, 0.4 * s));
    p.drawLine(QPointF(square.center().x(), square.top()),
               QPointF(square.center().x(), square.bottom()));
}

void dropArrow(QPainter& p, const QRectF& box) {
    QPen dashed = strokePen(line, 3);
    dashed.setDashPattern({3, 2.5});
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(6, 6, -6, -6), 14, 14);
    drawArrow(p, QRectF(box.center().x() - 22, box.top() + 22, 44, 56), muted, 6, 90);
    p.setPen(strokePen(muted, 6));
    const qreal tray = box.bottom() - 26;
    p.drawLine(QPointF(box.left() + 30, tray - 12), QPointF(box.left() + 30, tray));
    p.drawLine(QPointF(box.left() + 30, tray), QPointF(box.right() - 30, tray));
    p.drawLine(QPointF(box.right() - 30, tray), QPointF(box.right() - 30, tray - 12));
}

void notesPlaceholder(QPainter& p, const QRectF& box) {
    drawDocument(p, box.adjusted(24, 12, -24, -12), raised, line);
}

void appIcon(QPainter& p, const QRectF& box) {
    QLinearGradient back(box.topLeft(), box.bottomLeft());
    back.setColorAt(0, QColor(64, 64, 70));
    back.setColorAt(1, pane);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(box.adjusted(8, 8, -8, -8), 48, 48);
    drawFolder(p, QRectF(44, 64, 168, 128), accentDark);
    drawPadlock(p, QRectF(84, 92, 88, 88), light, light);
}

// The guide's pictures share a frame: a dark card with one scene on it.
void guideCard(QPainter& p, const QRectF& box) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 58, 63));
    p.drawRoundedRect(box.adjusted(2, 2, -2, -2), 16, 16);
}

void guideWelcome(QPainter& p, const QRectF& box) {
    guideCard(p, box);
    drawFolder(p, QRectF(90, 40, 140, 106), accentDark);
    drawPadlock(p, QRectF(124, 58, 72, 72), light, light);
    for (int i = 0; i < 3; ++i)
        drawDocument(p, QRectF(28 + i * 6, 60 + i * 10, 38, 50), raised.lighter(110 + 15 * i),
                     line);
    drawArrow(p, QRectF(250, 84, 40, 24), accent, 4);
}

void guideHide(QPainter& p, const QRectF& box) {
    guideCard(p, box);
    for (int row = 0; row < 3; ++row) {
        const QRectF rowBox(40, 30 + row * 42, 240, 34);
        p.setPen(Qt::NoPen);
        p.setBrush(row == 1 ? raised.lighter(115) : raised);
        p.drawRoundedRect(rowBox, 6, 6);
        drawDocument(p, QRectF(rowBox.left() + 10, rowBox.top() + 5, 19, 24), light, line);
        p.setPen(strokePen(muted, 4));
        p.drawLine(QPointF(rowBox.left() + 42, rowBox.center().y()),
                   QPointF(rowBox.left() + 130 - row * 20, rowBox.center().y()));
        const bool hidden = row != 2;
        drawEye(p, QRectF(rowBox.right() - 38, rowBox.top() + 3, 28, 28),
                hidden ? accent : positive, hidden);
    }
}

void guideDrive(QPainter& p, const QRectF& box) {
    guideCard(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(muted);
    p.drawRoundedRect(QRectF(196, 70, 36, 40), 4, 4);
    p.setBrush(pane);
    p.drawRect(QRectF(204, 80, 7, 7));
    p.drawRect(QRectF(217, 80, 7, 7));
    p.setBrush(raised.lighter(130));
    p.drawRoundedRect(QRectF(80, 60, 122, 60), 10, 10);
    drawPadlock(p, QRectF(112, 64, 52, 52), accent, light);
    p.setPen(strokePen(positive, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(60, 130, 200, 36), 200 * 16, 140 * 16);
}

void guideNotes(QPainter& p, const QRectF& box) {
    guideCard(p, box);
    drawDocument(p, QRectF(110, 26, 100, 128), light, line);
    drawPadlock(p, QRectF(180, 96, 60, 60), accent, accent.lighter(130));
}

// The eye on the visibility toggle, drawn solid so it stays clear at its
// small size: open, an almond with the pupil cut out in the track's colour;
// closed, a lowered lid with three lashes.
void switchEye(QPainter& p, const QPointF& centre, const QColor& track, bool open) {
    if (!open) {
        QPainterPath lid;
        lid.moveTo(centre + QPointF(-6, -1.5));
        lid.quadTo(centre + QPointF(0, 5), centre + QPointF(6, -1.5));
        p.setPen(strokePen(light, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lid);
        p.drawLine(centre + QPointF(0, 2), centre + QPointF(0, 4.5));
        p.drawLine(centre + QPointF(-3.5, 1), centre + QPointF(-5, 3.5));
        p.drawLine(centre + QPointF(3.5, 1), centre + QPointF(5, 3.5));
        return;
    }
    QPainterPath almond;
    almond.moveTo(centre + QPointF(-6.5, 0));
    almond.quadTo(centre + QPointF(0, -7), centre + QPointF(6.5, 0));
    almond.quadTo(centre + QPointF(0, 7), centre + QPointF(-6.5, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(almond);
    p.setBrush(track);
    p.drawEllipse(centre, 1.9, 1.9);
}

// The visibility toggle of a file row: a switch whose knob sits right and
// whose track is green while the item is visible; the free end of the track
// shows an eye, open while the item is visible and closed while it is hidden.
void visibilitySwitch(QPainter& p, const QRectF& box, bool visible) {
    const QRectF track = box.adjusted(1, 2, -1, -2);
    const qreal radius = track.height() / 2;
    const QColor trackColor = visible ? visibleState : hiddenState;
    p.setPen(Qt::NoPen);
    p.setBrush(trackColor);
    p.drawRoundedRect(track, radius, radius);
    const qreal knobX = visible ? track.right() - radius : track.left() + radius;
    p.setBrush(light);
    p.drawEllipse(QPointF(knobX, track.center().y()), radius - 2, radius - 2);
    const qreal freeEndWidth = track.width() - track.height();
    const qreal eyeX =
        visible ? track.left() + freeEndWidth / 2 + 1 : track.right() - freeEndWidth / 2 - 1;
    switchEye(p, QPointF(eyeX, track.center().y()), trackColor, visible);
}

// The preferences toolbar's pictures: a coloured tile with a white glyph,
// which reads on light and dark window backgrounds alike. A faint shadow
// below the glyph keeps it apart from the lighter tiles.
void preferenceTile(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom,
                    const QPainterPath& glyph) {
    const QRectF tile = box.adjusted(2, 2, -2, -2);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(tile, 7, 7);
    const QRectF glyphBox = centredSquare(box, 7);
    fillOutline(p, glyphBox.translated(0, 0.6), glyph, QColor(0, 0, 0, 60));
    fillOutline(p, glyphBox, glyph, Qt::white);
}

using Draw = std::function<void(QPainter&, const QRectF&)>;

Picture titleBarPicture(const QString& name, int state, const QColor& color, const Draw& glyph) {
    static const QStringList suffixes = {QString(), QStringLiteral("-hover"),
                                         QStringLiteral("-pressed")};
    return {QStringLiteral("Settings.bundle/TitleBar/") + name + suffixes.at(state) +
                QStringLiteral("@2x.png"),
            {14, 14},
            2,
            [=](QPainter& p, const QRectF& box) { titleButton(p, box, color, state, glyph); }};
}

QList<Picture> titleBarPictures() {
    const QColor glyph = QColor(40, 20, 20, 200);
    const Draw close = [glyph](QPainter& p, const QRectF& box) { drawCross(p, box, glyph, 1.3); };
    const Draw minimise = [glyph](QPainter& p, const QRectF& box) {
        p.setPen(strokePen(glyph, 1.4));
        p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    };
    const Draw zoom = [glyph](QPainter& p, const QRectF& box) { drawPlus(p, box, glyph, 1.3); };
    QList<Picture> list;
    for (int state = 0; state < 3; ++state) {
        list << titleBarPicture(QStringLiteral("close"), state, danger, close)
             << titleBarPicture(QStringLiteral("minimize"), state, caution, minimise)
             << titleBarPicture(QStringLiteral("zoom"), state, positive, zoom);
    }
    return list;
}

QString bundle(const char* name) {
    return QStringLiteral("Settings.bundle/") + QString::fromLatin1(name);
}

Picture preferencePicture(const char* name, const QColor& top, const QColor& bottom,
                          const QPainterPath& glyph) {
    return {bundle(name), {32, 32}, 2, [=](QPainter& p, const QRectF& box) {
                preferenceTile(p, box, top, bottom, glyph);
            }};
}

QList<Picture> preferencePictures() {
    return {
        preferencePicture("About/PrefGeneral@2x.png", QColor(150, 150, 156), QColor(102, 102, 108),
                          gearOutline()),
        preferencePicture("About/PrefsIconAdvanced@2x.png", accent, accentDark, shieldOutline()),
        preferencePicture("About/PrefsIconPassword@2x.png", QColor(250, 176, 40),
                          QColor(222, 124, 18), keyOutline()),
        preferencePicture("About/PrefsIconShortcuts@2x.png", QColor(60, 196, 122),
                          QColor(28, 146, 82), keyboardOutline()),
    };
}

} // namespace

QList<Picture> allPictures() {
    QList<Picture> list = {
        {bundle("About/loginLock.png"), {120, 120}, 1, loginLock},
        {bundle("About/loginOk.png"), {28, 28}, 1, enterButton},
        {bundle("About/PasswordHintIconMenu@2x.png"), {28, 28}, 2, hintButton},
        {bundle("img/step_1_x2.png"), {320, 180}, 2, guideWelcome},
        {bundle("img/step_2_x2.png"), {320, 180}, 2, guideHide},
        {bundle("img/step_3_x2.png"), {320, 180}, 2, guideDrive},
        {bundle("img/step_5_x2.png"), {320, 180}, 2, guideNotes},
        {bundle("About/LockButtonIcon.png"),
         {14, 14},
         1,
         [](QPainter& p, const QRectF& box) { drawPadlock(p, box, light, light); }},
        {bundle("About/daosanjiao.png"),
         {10, 6},
         1,
         [](QPainter& p, const QRectF& box) {
             QPainterPath down;
             down.moveTo(box.topLeft() + QPointF(1, 0.5));
             down.lineTo(box.topRight() + QPointF(-1, 0.5));
             down.lineTo(box.center().x(), box.bottom() - 0.5);
             down.closeSubpath();
             p.setPen(Qt::NoPen);
             p.setBrush(muted);
             p.drawPath(down);
         }},
        {bundle("About/searchBarIcon.png"),
         {14, 14},
         1,
         [](QPainter& p, const QRectF& box) { drawMagnifier(p, box, muted); }},
        {bundle("About/DropArrow@2x.png"), {160, 160}, 2, dropArrow},
        {bundle("About/NotesPlaceholder@2x.png"), {120, 120}, 2, notesPlaceholder},
        {bundle("About/ActivityCancel.png"),
         {14, 14},
         1,
         [](QPainter& p, const QRectF& box) {
             p.setPen(Qt::NoPen);
             p.setBrush(raised);
             p.drawEllipse(box);
             drawCross(p, box.adjusted(4.5, 4.5, -4.5, -4.5), light, 1.5);
         }},
        {bundle("About/addFileBtn.png"),
         {20, 20},
         1,
         [](QPainter& p, const QRectF& box) { drawPlus(p, box.adjusted(4, 4, -4, -4), light, 2); }},
        {bundle("About/AddGroupForUP.png"),
         {20, 20},
         1,
         [](QPainter& p, const QRectF& box) {
             drawFolder(p, box.adjusted(1, 3, -1, -2), muted);
             drawPlus(p, box.adjusted(6.5, 8, -6.5, -5), pane, 1.8);
         }},
        {bundle("About/DropDownMenuIcon.png"),
         {20, 20},
         1,
         [](QPainter& p, const QRectF& box) {
             p.setPen(Qt::NoPen);
             p.setBrush(light);
             for (int dot = 0; dot < 3; ++dot)
                 p.drawEllipse(QPointF(box.left() + 5 + 5 * dot, box.center().y()), 1.6, 1.6);
         }},
        {bundle("About/openPath.png"),
         {14, 14},
         1,
         [](QPainter& p, const QRectF& box) {
             drawFolder(p, box.adjusted(0.5, 2, -0.5, -1), muted);
             drawArrow(p, box.adjusted(4, 5.5, -4, -2.5), pane, 1.4);
         }},
        {bundle("About/AddGroupButtonCollapsed.png"),
         {14, 14},
         1,
         [](QPainter& p, const QRectF& box) {
             drawPlus(p, box.adjusted(3, 3, -3, -3), muted, 1.6);
         }},
        {bundle("LanguageIcon/en@2x.png"), {24, 20}, 2, letterBadge(QStringLiteral("EN"))},
        {bundle("LanguageIcon/fr@2x.png"), {24, 20}, 2, letterBadge(QStringLiteral("FR"))},
        {bundle("LanguageIcon/de@2x.png"), {24, 20}, 2, letterBadge(QStringLiteral("DE"))},
        {bundle("LanguageIcon/ja@2x.png"), {24, 20}, 2, letterBadge(QStringLiteral("JA"))},
        {bundle("LanguageIcon/es@2x.png"), {24, 20}, 2, letterBadge(QStringLiteral("ES"))},
        {bundle("LanguageIcon/pt@2x.png"), {24, 20}, 2, letterBadge(QStringLiteral("PT"))},
        {bundle("LanguageIcon/zh@2x.png"),
         {24, 20},
         2,
         [](QPainter& p, const QRectF& box) { languageBadge(p, box, drawZhong); }},
        {bundle("About/visableon.png"),
         {36, 20},
         1,
         [](QPainter& p, const QRectF& box) { visibilitySwitch(p, box, true); }},
        {bundle("About/visableoff.png"),
         {36, 20},
         1,
         [](QPainter& p, const QRectF& box) { visibilitySwitch(p, box, false); }},
        {bundle("About/LocalVaultIcon@2x.png"),
         {16, 16},
         2,
         [](QPainter& p, const QRectF& box) {
             fillOutline(p, box.adjusted(1, 1, -1, -1), safeOutline(), muted);
         }},
        {bundle("About/SecureNotesIcon@2x.png"),
         {16, 16},
         2,
         [](QPainter& p, const QRectF& box) {
             drawDocument(p, box.adjusted(2.5, 1, -2.5, -1), muted, pane);
         }},
        {QStringLiteral("icons/vexo.png"), {256, 256}, 1, appIcon},
    };
    // The icon theme's sizes, for installing: the icon drawn at 256 points
    // and scaled.
    for (const int side : {16, 24, 32, 48, 64, 128, 256, 512})
        list.append({QStringLiteral("linux/icons/%1x%1/app.vexo.Vexo.png").arg(side),
                     {qreal(side), qreal(side)},
                     1,
                     [side](QPainter& p, const QRectF&) {
                         p.scale(side / 256.0, side / 256.0);
                         appIcon(p, QRectF(0, 0, 256, 256));
                     }});
    list << titleBarPictures() << preferencePictures();
    return list;
}

} // namespace pictures
