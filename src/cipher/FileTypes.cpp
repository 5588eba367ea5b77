#include "cipher/FileTypes.h"

#include <QStringList>

namespace vexo::cipher {

QString pathExtension(const QString& path) {
    const QString last = path.section(u'/', -1, -1);
    const qsizetype dot = last.lastIndexOf(u'.');
    return dot < 0 ? QString() : last.mid(dot + 1);
}

bool iswenbenwenjian(const QString& path) {
    static const QStringList textKinds = {
        QStringLiteral("c"),        QStringLiteral("h"),     QStringLiteral("m"),
        QStringLiteral("rc"),       QStringLiteral("def"),   QStringLiteral("md"),
        QStringLiteral("am"),       QStringLiteral("cpp"),   QStringLiteral("pch"),
        QStringLiteral("txt"),      QStringLiteral("swift"), QStringLiteral("strings"),
        QStringLiteral("podspec"),  QStringLiteral("json"),  QStringLiteral("text"),
        QStringLiteral("html"),     QStringLiteral("lock"),  QStringLiteral("xcconfig"),
        QStringLiteral("markdown"), QStringLiteral("sh"),    QStringLiteral("doc"),
        QStringLiteral("wps"),      QStringLiteral("srt"),   QStringLiteral("rtf"),
        QStringLiteral("hlp"),      QStringLiteral("pdf"),   QStringLiteral("java"),
        QStringLiteral("yml"),      QStringLiteral("asm"),   QStringLiteral("for"),
        QStringLiteral("lib"),      QStringLiteral("lst"),   QStringLiteral("msg"),
        QStringLiteral("obj"),      QStringLiteral("pas"),   QStringLiteral("wki"),
        QStringLiteral("bas")};
    const QString extension = pathExtension(path).toLower();
    return !extension.isEmpty() && textKinds.contains(extension);
}

} // namespace vexo::cipher
