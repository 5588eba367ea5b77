#pragma once

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace vexo::test {

// One line per paragraph and per run, naming exactly what a note keeps of
// it, so two documents compare with a readable difference.
inline QString runShape(const QTextCharFormat& format, const QString& text) {
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        return QStringLiteral("  picture %1 %2x%3")
            .arg(image.name())
            .arg(image.width())
            .arg(image.height());
    }
    QStringList parts{QStringLiteral("  run \"%1\"").arg(text)};
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        parts << QStringLiteral("family=") + families.front();
    if (format.hasProperty(QTextFormat::FontPointSize))
        parts << QStringLiteral("size=%1").arg(format.fontPointSize());
    if (format.fontWeight() >= QFont::DemiBold)
        parts << QStringLiteral("bold");
    if (format.fontItalic())
        parts << QStringLiteral("italic");
    if (format.underlineStyle() != QTextCharFormat::NoUnderline)
        parts << QStringLiteral("underline=%1").arg(int(format.underlineStyle()));
    if (format.fontStrikeOut())
        parts << QStringLiteral("strike");
    if (format.verticalAlignment() != QTextCharFormat::AlignNormal)
        parts << QStringLiteral("vertical=%1").arg(int(format.verticalAlignment()));
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << QStringLiteral("color=") + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        parts << QStringLiteral("background=") + format.background().color().name();
    return parts.join(u' ');
}

inline QString listShape(const QTextList* list) {
    if (!list)
        return {};
    const QTextListFormat format = list->format();
    const QString suffix = format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix()
                                                                             : QStringLiteral(".");
    return QStringLiteral(" list style=%1 indent=%2 prefix=\"%3\" suffix=\"%4\"")
        .arg(int(format.style()))
        .arg(format.indent())
        .arg(format.numberPrefix(), suffix);
}

// Where a paragraph's lines lie: none, left, center, right or justify.
inline QString shownAlignment(const QTextBlockFormat& format) {
    if (!format.hasProperty(QTextFormat::BlockAlignment))
        return QStringLiteral("none");
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    const bool mirrored =
        format.layoutDirection() == Qt::RightToLeft && !(alignment & Qt::AlignAbsolute);
    return bool(alignment & Qt::AlignRight) != mirrored ? QStringLiteral("right")
                                                        : QStringLiteral("left");
}

inline QStringList documentShape(const QTextDocument& document) {
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        lines << QStringLiteral("paragraph align=%1 rtl=%2%3")
                     .arg(shownAlignment(format))
                     .arg(format.layoutDirection() == Qt::RightToLeft)
                     .arg(listShape(block.textList()));
        for (auto it = block.begin(); !it.atEnd(); ++it)
            lines << runShape(it.fragment().charFormat(), it.fragment().text());
    }
    return lines;
}

// The number each list item shows, in document order ("" outside lists).
inline QStringList itemNumbers(const QTextDocument& document) {
    QStringList numbers;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextList* list = block.textList();
        numbers << (list && list->format().style() <= QTextListFormat::ListDecimal
                        ? list->itemText(block)
                        : QString());
    }
    return numbers;
}

} // namespace vexo::test
