#include "notes/RtfListFormats.h"

#include <algorithm>

namespace vexo::notes {
namespace {

QTextListFormat::Style bulletStyle(QChar bullet) {
    switch (bullet.unicode()) {
    case 0x25E6: // white bullet
    case 0x25CB: // white circle
    case 0xF06F: // symbol-font circle
    case u'o':
        return QTextListFormat::ListCircle;
    case 0x25AA: // small black square
    case 0x25A0: // black square
    case 0xF0A7: // symbol-font square
    case 0x00A7: // Wingdings square read as text
    case 0xF06E:
    case u'n':
        return QTextListFormat::ListSquare;
    default:
        return QTextListFormat::ListDisc;
    }
}

std::optional<QTextListFormat::Style> numberStyle(int numberFormat) {
    switch (numberFormat) {
    case 1:
        return QTextListFormat::ListUpperRoman;
    case 2:
        return QTextListFormat::ListLowerRoman;
    case 3:
        return QTextListFormat::ListUpperAlpha;
    case 4:
        return QTextListFormat::ListLowerAlpha;
    case 255: // no number
        return std::nullopt;
    default:
        return QTextListFormat::ListDecimal;
    }
}

bool isPlaceholder(QChar c) {
    return c.unicode() < kListLevels;
}

} // namespace

bool showsNumber(int numberFormat) {
    return numberStyle(numberFormat).has_value();
}

QTextListFormat levelFormat(const ListLevelDefinition& definition, int level) {
    QTextListFormat format;
    format.setIndent(level + 1);
    const QString text = definition.levelText.mid(1); // after the length
    if (definition.numberFormat == 23) {
        format.setStyle(bulletStyle(text.isEmpty() ? QChar() : text.front()));
        return format;
    }
    format.setStyle(numberStyle(definition.numberFormat).value_or(QTextListFormat::ListDecimal));
    const auto first = std::find_if(text.cbegin(), text.cend(), isPlaceholder);
    if (first == text.cend())
        return format;
    const auto last = std::find_if(text.crbegin(), text.crend(), isPlaceholder);
    format.setNumberPrefix(QString(text.cbegin(), first - text.cbegin()));
    format.setNumberSuffix(QString(last.base(), text.cend() - last.base()));
    return format;
}

QTextListFormat numberingFormat(const OldNumbering& numbering) {
    QTextListFormat format;
    format.setIndent(numbering.level + 1);
    if (numbering.bullet) {
        format.setStyle(
            bulletStyle(numbering.before.isEmpty() ? QChar() : numbering.before.front()));
        return format;
    }
    format.setStyle(numbering.style);
    format.setNumberPrefix(numbering.before);
    format.setNumberSuffix(numbering.after);
    return format;
}

} // namespace vexo::notes
