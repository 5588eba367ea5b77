#include "Shots.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace vexo::screenshots {

void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool shoot(QWidget* window, const QDir& folder, const QString& name) {
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    for (QWidget* other : QApplication::topLevelWidgets()) {
        // Only pop-ups (menus, popovers) lie above the window shot.
        const Qt::WindowType type = other->windowType();
        if (other == window || !other->isVisible() || (type != Qt::Popup && type != Qt::ToolTip))
            continue;
        painter.drawPixmap(other->geometry().topLeft() - window->geometry().topLeft(),
                           other->grab());
    }
    painter.end();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!picture.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace vexo::screenshots
