#include "notes/PictureNames.h"

#include <algorithm>

namespace vexo::notes {
namespace {

constexpr qsizetype kLongestFileNameBytes = 255;

const QString kIncludePicture = QStringLiteral("INCLUDEPICTURE");

} // namespace

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'.') || name.contains(QLatin1String("..")))
        return false;
    const bool hasForbidden = std::any_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7F;
    });
    return !hasForbidden && name.toUtf8().size() <= kLongestFileNameBytes;
}

QString includedPictureName(const QString& instruction) {
    const QString trimmed = instruction.trimmed();
    if (!trimmed.startsWith(kIncludePicture, Qt::CaseInsensitive))
        return {};
    const QString rest = trimmed.mid(kIncludePicture.size());
    if (!rest.isEmpty() && !rest.front().isSpace() && rest.front() != u'"')
        return {};
    const QString target = rest.trimmed();
    if (target.startsWith(u'"')) {
        const qsizetype close = target.indexOf(u'"', 1);
        return close < 0 ? QString() : target.mid(1, close - 1);
    }
    const qsizetype space = target.indexOf(u' ');
    return space < 0 ? target : target.left(space);
}

QString pictureInstruction(const QString& fileName) {
    return kIncludePicture + QStringLiteral(" \"") + fileName + QStringLiteral("\" \\d");
}

} // namespace vexo::notes
