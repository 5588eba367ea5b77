#include "notes/RtfListFamilies.h"

#include "notes/RtfText.h"

#include <QTextList>

#include <algorithm>

namespace vexo::notes {
namespace {

constexpr int kLevels = 9;
constexpr int kTwipsPerLevel = 720;

int levelOf(const QTextListFormat& format) {
    return std::clamp(format.indent() - 1, 0, kLevels - 1);
}

bool sameLook(const QTextListFormat& a, const QTextListFormat& b) {
    return a.style() == b.style() && a.numberPrefix() == b.numberPrefix() &&
           numberSuffixOf(a) == numberSuffixOf(b);
}

// \levelnfc of a style: 23 bullet, 0 decimal, 1/2 upper/lower roman, 3/4
// upper/lower letter.
int numberFormatOf(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListUpperRoman:
        return 1;
    case QTextListFormat::ListLowerRoman:
        return 2;
    case QTextListFormat::ListUpperAlpha:
        return 3;
    case QTextListFormat::ListLowerAlpha:
        return 4;
    case QTextListFormat::ListDecimal:
        return 0;
    default:
        return 23;
    }
}

QByteArray hexByte(int value) {
    return "\\'" + QByteArray::number(value, 16).rightJustified(2, '0');
}

// A ";" would end the level text early.
QString levelTextPart(QString text) {
    return text.remove(u';');
}

QByteArray levelDefinition(const QTextListFormat& format, int level) {
    const QTextListFormat::Style style = format.style();
    QByteArray rtf = "{\\listlevel\\levelnfc" + QByteArray::number(numberFormatOf(style)) +
                     "\\levelnfcn" + QByteArray::number(numberFormatOf(style)) +
                     "\\leveljc0\\levelstartat1\\levelfollow0{\\leveltext";
    if (isBulletStyle(style)) {
        rtf += hexByte(1);
        appendRtfText(rtf, QString(bulletOf(style)));
        rtf += ";}{\\levelnumbers;}";
    } else {
        const QString prefix = levelTextPart(format.numberPrefix());
        const QString suffix = levelTextPart(numberSuffixOf(format));
        rtf += hexByte(int(prefix.size() + 1 + suffix.size()));
        appendRtfText(rtf, prefix);
        rtf += hexByte(level);
        appendRtfText(rtf, suffix);
        rtf += ";}{\\levelnumbers" + hexByte(int(prefix.size() + 1)) + ";}";
    }
    rtf += "\\fi-360\\li" + QByteArray::number(kTwipsPerLevel * (level + 1)) + "}\n";
    return rtf;
}

} // namespace

ListPlace RtfListFamilies::place(const QTextList* list) {
    const auto known = places_.constFind(list);
    if (known != places_.cend()) {
        paragraphAt(*known);
        return *known;
    }
    const QTextListFormat format = list->format();
    const int level = levelOf(format);
    ListPlace place{0, level};
    if (last_ && last_->level < level && canJoin(last_->family, level, format)) {
        place.family = last_->family;
    } else {
        families_.emplace_back();
        place.family = int(families_.size());
    }
    families_[place.family - 1][level] = Slot{list, format, false};
    places_.insert(list, place);
    paragraphAt(place);
    return place;
}

bool RtfListFamilies::canJoin(int family, int level, const QTextListFormat& format) const {
    const Slot& slot = families_[family - 1][level];
    return !slot.list || (slot.restarted && sameLook(slot.format, format));
}

void RtfListFamilies::paragraphAt(ListPlace place) {
    Family& family = families_[place.family - 1];
    family[place.level].restarted = false;
    for (int deeper = place.level + 1; deeper < kLevels; ++deeper)
        family[deeper].restarted = true;
    last_ = place;
}

QByteArray RtfListFamilies::tables() const {
    if (families_.empty())
        return {};
    QByteArray rtf = "{\\*\\listtable\n";
    for (int family = 1; family <= int(families_.size()); ++family)
        rtf += listDefinition(family);
    rtf += "}\n{\\*\\listoverridetable";
    for (int family = 1; family <= int(families_.size()); ++family) {
        const QByteArray number = QByteArray::number(family);
        rtf += "{\\listoverride\\listid" + number + "\\listoverridecount0\\ls" + number + "}";
    }
    return rtf + "}\n";
}

QByteArray RtfListFamilies::listDefinition(int family) const {
    const QByteArray number = QByteArray::number(family);
    QByteArray rtf = "{\\list\\listtemplateid" + number + "\\listhybrid\n";
    for (int level = 0; level < kLevels; ++level) {
        const Slot& slot = families_[family - 1][level];
        QTextListFormat format = slot.format;
        if (!slot.list)
            format.setStyle(QTextListFormat::ListDisc);
        rtf += levelDefinition(format, level);
    }
    return rtf + "\\listid" + number + "}\n";
}

QString numberSuffixOf(const QTextListFormat& format) {
    return format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix()
                                                             : QStringLiteral(".");
}

bool isBulletStyle(QTextListFormat::Style style) {
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare || style == QTextListFormat::ListStyleUndefined;
}

QChar bulletOf(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListCircle:
        return QChar(0x25E6);
    case QTextListFormat::ListSquare:
        return QChar(0x25AA);
    default:
        return QChar(0x2022);
    }
}

} // namespace vexo::notes
