#include "notes/RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextList>

namespace vexo::notes {
namespace {

bool belongsInText(QChar c) {
    const char16_t unit = c.unicode();
    if (unit < 0x20)
        return unit == u'\t';
    return unit != QChar::ObjectReplacementCharacter && unit != QChar::ParagraphSeparator &&
           !(unit >= 0xFDD0 && unit <= 0xFDEF);
}

QString textOnly(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (belongsInText(c))
            kept.append(c);
    }
    return kept;
}

// Old-style numbering names no list, so a change of numbering starts a new one.
bool sameNumbering(const QTextListFormat& a, const QTextListFormat& b) {
    return a.style() == b.style() && a.numberPrefix() == b.numberPrefix() &&
           a.numberSuffix() == b.numberSuffix();
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument* document) : cursor_(document) {}

void RtfDocumentBuilder::appendText(const QString& text, const QTextCharFormat& format) {
    const QString kept = textOnly(text);
    if (kept.isEmpty())
        return;
    startPendingParagraph();
    cursor_.insertText(kept, format);
}

void RtfDocumentBuilder::appendImage(const QTextImageFormat& format) {
    startPendingParagraph();
    cursor_.insertImage(format);
}

void RtfDocumentBuilder::endParagraph(const ParagraphProperties& paragraph) {
    startPendingParagraph();
    applyParagraph(paragraph);
    paragraphPending_ = true;
}

void RtfDocumentBuilder::finish(const ParagraphProperties& paragraph) {
    if (!paragraphPending_)
        applyParagraph(paragraph);
}

void RtfDocumentBuilder::startPendingParagraph() {
    if (!paragraphPending_)
        return;
    cursor_.insertBlock(QTextBlockFormat(), QTextCharFormat());
    paragraphPending_ = false;
}

void RtfDocumentBuilder::applyParagraph(const ParagraphProperties& paragraph) {
    QTextBlockFormat format;
    if (paragraph.alignment)
        format.setAlignment(paragraph.alignment);
    if (paragraph.rightToLeft)
        format.setLayoutDirection(Qt::RightToLeft);
    cursor_.setBlockFormat(format);
    if (paragraph.list) {
        addToList(*paragraph.list);
        return;
    }
    std::erase_if(lists_, [](const auto& entry) { return entry.first.first < 0; });
}

void RtfDocumentBuilder::addToList(const ListItem& item) {
    // An item of a shallower level ends the deeper lists of its family: the
    // next deeper item starts numbering afresh.
    std::erase_if(lists_, [&](const auto& entry) {
        return entry.first.first == item.family && entry.first.second > item.level;
    });
    const std::pair key{item.family, item.level};
    const auto found = lists_.find(key);
    if (found != lists_.end() && sameNumbering(found->second->format(), item.format))
        found->second->add(cursor_.block());
    else
        lists_[key] = cursor_.createList(item.format);
}

} // namespace vexo::notes
