#include "notes/RtfWriter.h"

#include "notes/PictureNames.h"
#include "notes/RtfListFamilies.h"
#include "notes/RtfText.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace vexo::notes {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTwipsPerLevel = 720;

QByteArray number(qint64 value) {
    return QByteArray::number(value);
}

QString familyOf(const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        return families.front();
    return format.hasProperty(QTextFormat::FontFamily)
               ? format.stringProperty(QTextFormat::FontFamily)
               : QString();
}

QByteArray underlineWord(QTextCharFormat::UnderlineStyle style) {
    switch (style) {
    case QTextCharFormat::SingleUnderline:
        return "\\ul";
    case QTextCharFormat::DashUnderline:
        return "\\uldash";
    case QTextCharFormat::DotLine:
        return "\\uld";
    case QTextCharFormat::DashDotLine:
        return "\\uldashd";
    case QTextCharFormat::DashDotDotLine:
        return "\\uldashdd";
    case QTextCharFormat::WaveUnderline:
        return "\\ulwave";
    default:
        return {};
    }
}

// RTF alignment is what the paragraph shows: a right-to-left paragraph's
// "left" without Qt::AlignAbsolute lies on the right.
QByteArray alignmentWord(const QTextBlockFormat& format) {
    if (!format.hasProperty(QTextFormat::BlockAlignment))
        return {};
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignJustify)
        return "\\qj";
    if (alignment & Qt::AlignHCenter)
        return "\\qc";
    const bool mirrored =
        format.layoutDirection() == Qt::RightToLeft && !(alignment & Qt::AlignAbsolute);
    return bool(alignment & Qt::AlignRight) != mirrored ? "\\qr" : "\\ql";
}

int twips(qreal pixels) {
    return std::clamp(qRound(pixels * kTwipsPerPixel), 1, 32767 * kTwipsPerPixel);
}

// Writes one document; the tables fill while the paragraphs are written and
// go in front of them at the end.
class RtfWriter {
public:
    RtfWriter(const QTextDocument& document, const PictureNamer& pictureFileName)
        : document_(document), pictureFileName_(pictureFileName) {}

    QByteArray write() {
        body_.reserve(document_.characterCount() * 2);
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
            writeBlock(block);
        return header() + body_ + "}\n";
    }

private:
    QByteArray header() const {
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (int index = 0; index < fonts_.size(); ++index) {
            rtf += "{\\f" + number(index) + "\\fnil\\fcharset0 ";
            appendRtfText(rtf, QString(fonts_[index]).remove(u';'));
            rtf += ";}";
        }
        rtf += "}\n{\\colortbl;";
        for (const QColor& color : colors_) {
            rtf += "\\red" + number(color.red()) + "\\green" + number(color.green()) + "\\blue" +
                   number(color.blue()) + ';';
        }
        return rtf + "}\n" + lists_.tables();
    }

    void writeBlock(const QTextBlock& block) {
        const QTextBlockFormat format = block.blockFormat();
        body_ += "\\pard\\plain";
        if (const QTextList* list = block.textList())
            writeListItem(list, block);
        body_ += alignmentWord(format);
        if (format.layoutDirection() == Qt::RightToLeft)
            body_ += "\\rtlpar";
        body_ += ' ';
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            writeFragment(fragment.fragment());
        body_ += "\\par\n";
    }

    void writeListItem(const QTextList* list, const QTextBlock& block) {
        const ListPlace place = lists_.place(list);
        const QTextListFormat::Style style = list->format().style();
        body_ += "{\\pntext ";
        appendRtfText(body_,
                      isBulletStyle(style) ? QString(bulletOf(style)) : list->itemText(block));
        body_ += "\\tab }\\ls" + number(place.family) + "\\ilvl" + number(place.level) +
                 "\\fi-360\\li" + number(kTwipsPerLevel * (place.level + 1));
    }

    void writeFragment(const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            for (qsizetype i = fragment.text().count(QChar::ObjectReplacementCharacter); i > 0; --i)
                writePicture(format.toImageFormat());
            return;
        }
        const QByteArray words = characterWords(format);
        if (words.isEmpty()) {
            appendRtfText(body_, fragment.text());
            return;
        }
        body_ += '{' + words + ' ';
        appendRtfText(body_, fragment.text());
        body_ += '}';
    }

    void writePicture(const QTextImageFormat& image) {
        const QString fileName = pictureFileName_ ? pictureFileName_(image) : QString();
        if (fileName.isEmpty() || !isPlainFileName(fileName))
            return;
        body_ += "{\\field{\\*\\fldinst{";
        appendRtfText(body_, pictureInstruction(fileName));
        body_ += "}}{\\fldrslt";
        if (image.width() > 0 || image.height() > 0) {
            body_ += "{\\pict";
            if (image.width() > 0)
                body_ += "\\picwgoal" + number(twips(image.width()));
            if (image.height() > 0)
                body_ += "\\pichgoal" + number(twips(image.height()));
            body_ += '}';
        }
        body_ += "}}";
    }

    QByteArray characterWords(const QTextCharFormat& format) {
        QByteArray words;
        if (const QString family = familyOf(format); !family.isEmpty())
            words += "\\f" + number(fontIndex(family));
        if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
            words += "\\fs" + number(qRound(format.fontPointSize() * 2));
        if (format.fontWeight() >= QFont::DemiBold)
            words += "\\b";
        if (format.fontItalic())
            words += "\\i";
        words += underlineWord(format.underlineStyle());
        if (format.fontStrikeOut())
            words += "\\strike";
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            words += "\\super";
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            words += "\\sub";
        if (format.hasProperty(QTextFormat::ForegroundBrush) &&
            format.foreground().style() != Qt::NoBrush)
            words += "\\cf" + number(colorIndex(format.foreground().color()));
        if (format.hasProperty(QTextFormat::BackgroundBrush) &&
            format.background().style() != Qt::NoBrush) {
            const QByteArray index = number(colorIndex(format.background().color()));
            words += "\\chcbpat" + index + "\\cb" + index;
        }
        return words;
    }

    // Font 0 is the document's default font, which runs without a family of
    // their own use; every family a run names gets a number from 1.
    int fontIndex(const QString& family) {
        const auto known = fontIndexes_.constFind(family);
        if (known != fontIndexes_.cend())
            return *known;
        fonts_.append(family);
        fontIndexes_.insert(family, int(fonts_.size() - 1));
        return int(fonts_.size() - 1);
    }

    // Colour 0 is "automatic"; every colour used gets a number from 1.
    int colorIndex(const QColor& color) {
        const QRgb rgb = color.rgb();
        const auto known = colorIndexes_.constFind(rgb);
        if (known != colorIndexes_.cend())
            return *known;
        colors_.append(QColor(rgb));
        colorIndexes_.insert(rgb, int(colors_.size()));
        return int(colors_.size());
    }

    const QTextDocument& document_;
    const PictureNamer& pictureFileName_;
    QByteArray body_;
    QStringList fonts_{document_.defaultFont().family()};
    QHash<QString, int> fontIndexes_;
    QList<QColor> colors_;
    QHash<QRgb, int> colorIndexes_;
    RtfListFamilies lists_;
};

} // namespace

QByteArray writeRtf(const QTextDocument& document, const PictureNamer& pictureFileName) {
    return RtfWriter(document, pictureFileName).write();
}

} // namespace vexo::notes
