#include "notes/RtfText.h"

#include <QChar>

namespace vexo::notes {
namespace {

bool isPlainAscii(char16_t unit) {
    return unit >= 0x20 && unit < 0x7F && unit != u'\\' && unit != u'{' && unit != u'}';
}

void appendUnicode(QByteArray& rtf, char16_t unit) {
    // \uN takes a signed 16-bit number.
    const int signedUnit = unit > 0x7FFF ? int(unit) - 0x10000 : int(unit);
    rtf.append("\\u").append(QByteArray::number(signedUnit)).append('?');
}

} // namespace

void appendRtfText(QByteArray& rtf, QStringView text) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (isPlainAscii(unit)) {
            rtf.append(static_cast<char>(unit));
            continue;
        }
        switch (unit) {
        case u'\\':
        case u'{':
        case u'}':
            rtf.append('\\').append(static_cast<char>(unit));
            continue;
        case u'\t':
            rtf.append("\\tab ");
            continue;
        case QChar::LineSeparator:
            rtf.append("\\line ");
            continue;
        case QChar::Nbsp:
            rtf.append("\\~");
            continue;
        case QChar::SoftHyphen:
            rtf.append("\\-");
            continue;
        case 0x2011:
            rtf.append("\\_");
            continue;
        case QChar::ObjectReplacementCharacter:
        case QChar::ParagraphSeparator:
            continue;
        default:
            break;
        }
        if (unit < 0x20 || unit == 0x7F || (unit >= 0xFDD0 && unit <= 0xFDEF))
            continue;
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 < size && text[i + 1].isLowSurrogate()) {
                appendUnicode(rtf, unit);
                appendUnicode(rtf, text[++i].unicode());
            }
            continue;
        }
        if (QChar::isLowSurrogate(unit))
            continue;
        appendUnicode(rtf, unit);
    }
}

} // namespace vexo::notes
