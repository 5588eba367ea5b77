#include "Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

// Writes every picture below the folder given as the only argument (the
// repository's resources/ folder).
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: vexo-pictures RESOURCES_FOLDER\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const pictures::Picture& picture : pictures::allPictures()) {
        const QSize pixels = (picture.points * picture.scale).toSize();
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.scale(picture.scale, picture.scale);
            picture.draw(painter, QRectF(QPointF(0, 0), picture.points));
        }
        const QString path = root.filePath(picture.path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
