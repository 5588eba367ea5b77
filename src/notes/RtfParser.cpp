#include "notes/RtfParser.h"

#include "notes/PictureNames.h"
#include "notes/RtfListFormats.h"

#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace vexo::notes {
namespace {

// Deeper groups are counted but share the state of the deepest one kept.
constexpr std::size_t kDeepestGroup = 1024;
constexpr qsizetype kLongestName = 256;
constexpr qsizetype kLongestInstruction = 4096;
constexpr int kTwipsPerPixel = 15;
constexpr qreal kLargestPictureSide = 32767;

bool takesText(Destination destination) {
    switch (destination) {
    case Destination::Text:
    case Destination::FontTable:
    case Destination::ColorTable:
    case Destination::LevelText:
    case Destination::FieldInstruction:
    case Destination::NumberingTextBefore:
    case Destination::NumberingTextAfter:
        return true;
    default:
        return false;
    }
}

void appendCapped(QString& text, const QString& more, qsizetype cap) {
    text.append(more.left(std::max<qsizetype>(0, cap - text.size())));
}

qreal pictureSide(int twips, int scalePercent) {
    return std::clamp(qreal(twips) * scalePercent / 100 / kTwipsPerPixel, qreal(1),
                      kLargestPictureSide);
}

} // namespace

RtfParser::RtfParser(QTextDocument* document, const PictureLoader& loadPicture)
    : document_(document), loadPicture_(loadPicture), builder_(document) {}

void RtfParser::parse(QByteArrayView rtf) {
    RtfTokenizer tokenizer(rtf);
    groups_.emplace_back(); // outside the document's group
    for (RtfToken token = tokenizer.next(); token.kind != RtfToken::Kind::End && !finished_;
         token = tokenizer.next()) {
        if (fallbackToSkip_ > 0 && skipFallback(token))
            continue;
        const bool ignorable = std::exchange(ignorableNext_, false);
        switch (token.kind) {
        case RtfToken::Kind::Text:
            for (const char byte : token.text)
                textByte(byte, false);
            break;
        case RtfToken::Kind::HexByte:
            textByte(token.symbol, true);
            break;
        case RtfToken::Kind::GroupStart:
            flushBytes();
            startGroup();
            break;
        case RtfToken::Kind::GroupEnd:
            flushBytes();
            endGroup();
            break;
        case RtfToken::Kind::ControlSymbol:
            flushBytes();
            controlSymbol(token.symbol);
            break;
        case RtfToken::Kind::ControlWord:
            flushBytes();
            controlWord(token, ignorable);
            break;
        case RtfToken::Kind::End:
            break;
        }
    }
    flushBytes();
    flushRun();
    builder_.finish(paragraphOf(group().paragraph));
}

// The characters standing in for a \u character are passed over: each
// character, \'hh or control counts one; a group boundary ends them.
bool RtfParser::skipFallback(RtfToken& token) {
    switch (token.kind) {
    case RtfToken::Kind::GroupStart:
    case RtfToken::Kind::GroupEnd:
        fallbackToSkip_ = 0;
        return false;
    case RtfToken::Kind::Text: {
        const qsizetype skipped = std::min<qsizetype>(fallbackToSkip_, token.text.size());
        fallbackToSkip_ -= static_cast<int>(skipped);
        token.text = token.text.sliced(skipped);
        return token.text.isEmpty();
    }
    default:
        --fallbackToSkip_;
        return true;
    }
}

void RtfParser::startGroup() {
    if (groups_.size() > kDeepestGroup) {
        ++groupsPastLimit_;
        return;
    }
    GroupState inner = group();
    inner.opensField = false;
    groups_.push_back(std::move(inner));
}

void RtfParser::endGroup() {
    if (groupsPastLimit_ > 0) {
        --groupsPastLimit_;
        return;
    }
    if (groups_.size() <= 1) {
        finished_ = true;
        return;
    }
    const GroupState closed = std::move(groups_.back());
    groups_.pop_back();
    closeGroup(closed);
    if (groups_.size() == 1) {
        finished_ = true;                     // the document's group is closed
        group().paragraph = closed.paragraph; // for its last paragraph
    }
}

void RtfParser::closeGroup(const GroupState& closed) {
    GroupState& outer = group();
    switch (closed.destination) {
    case Destination::FontTable:
        commitFont();
        break;
    case Destination::ListOverride:
        if (outer.destination == Destination::ListOverrideTable)
            commitOverride();
        break;
    case Destination::Numbering:
        if (outer.destination == Destination::Text)
            outer.paragraph.numbering = closed.paragraph.numbering;
        break;
    case Destination::NumberingTextBefore:
        outer.paragraph.numbering.before = numberingText_;
        break;
    case Destination::NumberingTextAfter:
        outer.paragraph.numbering.after = numberingText_;
        break;
    default:
        break;
    }
    if (closed.opensField)
        finishField(closed);
}

void RtfParser::controlSymbol(char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        emitText(QString(QLatin1Char(symbol)));
        break;
    case '~':
        emitText(QString(QChar(QChar::Nbsp)));
        break;
    case '-':
        emitText(QString(QChar(QChar::SoftHyphen)));
        break;
    case '_':
        emitText(QString(QChar(0x2011)));
        break;
    case '*':
        ignorableNext_ = true;
        break;
    case '\n':
        if (group().destination == Destination::Text)
            endParagraph();
        break;
    default:
        break;
    }
}

void RtfParser::controlWord(const RtfToken& token, bool ignorable) {
    if (group().destination == Destination::Skip)
        return;
    const KeywordInfo info = keywordOf(token.word);
    if (enterDestination(info.keyword))
        return;
    if (ignorable) {
        group().destination = Destination::Skip; // a destination this reader does not know
        return;
    }
    const bool inText = group().destination == Destination::Text;
    switch (info.keyword) {
    case Keyword::UnicodeSkip:
        if (token.hasParameter)
            group().unicodeSkip = std::clamp(token.parameter, 0, 100);
        break;
    case Keyword::UnicodeChar:
        unicodeCharacter(token.parameter);
        fallbackToSkip_ = group().unicodeSkip;
        break;
    case Keyword::ParagraphEnd:
        if (inText)
            endParagraph();
        break;
    case Keyword::LineBreak:
        emitText(QString(QChar(QChar::LineSeparator)));
        break;
    case Keyword::Tab:
    case Keyword::Cell:
        emitText(QStringLiteral("\t"));
        break;
    case Keyword::SpecialCharacter:
        emitText(QString(QChar(info.character)));
        break;
    default:
        tableEntry(info.keyword, token);
        if (inText) {
            characterProperty(info.keyword, token);
            paragraphProperty(info.keyword, token);
        } else if (group().destination == Destination::Numbering) {
            numberingProperty(info.keyword, token);
        } else if (group().destination == Destination::PictureResult) {
            pictureProperty(info.keyword, token.parameter);
        }
        break;
    }
}

// Turns the group into the destination keyword opens; false when keyword
// opens none. A destination out of its place is skipped whole.
bool RtfParser::enterDestination(Keyword keyword) {
    GroupState& current = group();
    const Destination here = current.destination;
    auto enterIf = [&](bool fits, Destination destination) {
        current.destination = fits ? destination : Destination::Skip;
        return true;
    };
    switch (keyword) {
    case Keyword::SkippedDestination:
        return enterIf(false, Destination::Skip);
    case Keyword::FontTable:
        return enterIf(true, Destination::FontTable);
    case Keyword::ColorTable:
        return enterIf(true, Destination::ColorTable);
    case Keyword::ListTable:
        return enterIf(true, Destination::ListTable);
    case Keyword::List:
        listLevels_.clear();
        return enterIf(here == Destination::ListTable, Destination::List);
    case Keyword::ListLevel:
        if (here == Destination::List && listLevels_.size() < kListLevels)
            listLevels_.emplace_back();
        return enterIf(here == Destination::List && !listLevels_.empty(), Destination::ListLevel);
    case Keyword::LevelText:
        return enterIf(here == Destination::ListLevel, Destination::LevelText);
    case Keyword::ListOverrideTable:
        return enterIf(true, Destination::ListOverrideTable);
    case Keyword::ListOverride:
        overrideListId_ = overrideNumber_ = 0;
        return enterIf(here == Destination::ListOverrideTable, Destination::ListOverride);
    case Keyword::Field:
        if (here == Destination::Text && !current.opensField) {
            current.opensField = true;
            current.field = static_cast<int>(fields_.size());
            fields_.emplace_back();
        }
        return true;
    case Keyword::FieldInstruction:
        return enterIf(here == Destination::Text && current.field >= 0,
                       Destination::FieldInstruction);
    case Keyword::FieldResult: {
        const bool picture = current.field >= 0 &&
                             !includedPictureName(fields_[current.field].instruction).isEmpty();
        return enterIf(here == Destination::Text,
                       picture ? Destination::PictureResult : Destination::Text);
    }
    case Keyword::Picture:
        return enterIf(here == Destination::PictureResult, Destination::PictureResult);
    case Keyword::ParagraphNumbering:
        current.paragraph.numbering = {};
        current.paragraph.numbering.active = true;
        return enterIf(here == Destination::Text, Destination::Numbering);
    case Keyword::NumberingTextBefore:
    case Keyword::NumberingTextAfter:
        numberingText_.clear();
        return enterIf(here == Destination::Numbering, keyword == Keyword::NumberingTextBefore
                                                           ? Destination::NumberingTextBefore
                                                           : Destination::NumberingTextAfter);
    default:
        return false;
    }
}

// Bytes of text in the current code page gather until something else comes,
// so that double-byte characters split over \'hh escapes decode whole.
void RtfParser::textByte(char byte, bool escaped) {
    const Destination here = group().destination;
    if (!takesText(here))
        return;
    const auto value = static_cast<unsigned char>(byte);
    if (here == Destination::LevelText && escaped && value < 0x20) {
        // The level text's length and its number placeholders.
        flushBytes();
        emitText(QString(QChar(char16_t(value))));
        return;
    }
    bytes_.append(byte);
}

void RtfParser::flushBytes() {
    if (bytes_.isEmpty())
        return;
    const QString text = decoder_.decode(bytes_, codePageNow());
    bytes_.clear();
    emitText(text);
}

void RtfParser::unicodeCharacter(int value) {
    // A signed 16-bit number, or (as some writers do) an unsigned one.
    const int unit = value < 0 ? value + 0x10000 : value;
    if (value < -0x8000 || unit > 0xFFFF) {
        highSurrogate_ = 0;
        return;
    }
    const auto code = static_cast<char16_t>(unit);
    if (QChar::isHighSurrogate(code)) {
        highSurrogate_ = code;
        return;
    }
    if (QChar::isLowSurrogate(code)) {
        // Only a pair makes a character; a lone half is dropped.
        if (highSurrogate_ != 0) {
            const QChar pair[] = {QChar(highSurrogate_), QChar(code)};
            emitText(QString(pair, 2));
        }
        highSurrogate_ = 0;
        return;
    }
    emitText(QString(QChar(code)));
}

void RtfParser::emitText(const QString& text) {
    highSurrogate_ = 0;
    switch (group().destination) {
    case Destination::Text:
        if (!run_.isEmpty() && !(runState_ == group().characters))
            flushRun();
        runState_ = group().characters;
        run_.append(text);
        break;
    case Destination::FontTable:
        for (const QChar c : text) {
            if (c == u';')
                commitFont();
            else if (fontName_.size() < kLongestName)
                fontName_.append(c);
        }
        break;
    case Destination::ColorTable:
        for (qsizetype i = text.count(u';'); i > 0; --i)
            commitColor();
        break;
    case Destination::LevelText: {
        ListLevelDefinition& level = listLevels_.back();
        for (const QChar c : text) {
            level.levelTextDone = level.levelTextDone || c == u';';
            if (!level.levelTextDone && level.levelText.size() < kLongestName)
                level.levelText.append(c);
        }
        break;
    }
    case Destination::FieldInstruction:
        appendCapped(fields_[group().field].instruction, text, kLongestInstruction);
        break;
    case Destination::NumberingTextBefore:
    case Destination::NumberingTextAfter:
        appendCapped(numberingText_, text, kLongestName);
        break;
    default:
        break;
    }
}

void RtfParser::flushRun() {
    if (run_.isEmpty())
        return;
    builder_.appendText(run_, formatOf(runState_));
    run_.clear();
}

void RtfParser::endParagraph() {
    flushRun();
    builder_.endParagraph(paragraphOf(group().paragraph));
}

int RtfParser::codePageNow() const {
    const GroupState& current = groups_.back();
    const int fontNumber = current.destination == Destination::FontTable ? definedFont_
                           : current.characters.font < 0                 ? defaultFont_
                                                                         : current.characters.font;
    const auto font = fonts_.find(fontNumber);
    if (font != fonts_.end()) {
        if (font->second.codePage > 0)
            return font->second.codePage;
        if (const int codePage = codePageOfCharset(font->second.charset); codePage > 0)
            return codePage;
    }
    return documentCodePage_;
}

void RtfParser::commitFont() {
    const auto font = fonts_.find(definedFont_);
    if (font != fonts_.end() && !fontName_.trimmed().isEmpty())
        font->second.name = fontName_.trimmed();
    fontName_.clear();
}

void RtfParser::commitColor() {
    if (colors_.size() < qsizetype(kMostTableEntries)) {
        const bool automatic = red_ < 0 && green_ < 0 && blue_ < 0;
        colors_.append(automatic
                           ? QColor()
                           : QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
    }
    red_ = green_ = blue_ = -1;
}

void RtfParser::commitOverride() {
    if (overrideNumber_ > 0 &&
        (overrides_.size() < kMostLists || overrides_.count(overrideNumber_)))
        overrides_[overrideNumber_] = overrideListId_;
}

void RtfParser::finishField(const GroupState& fieldGroup) {
    if (fieldGroup.field < 0 || fieldGroup.field >= static_cast<int>(fields_.size()))
        return;
    const FieldState field = fields_[fieldGroup.field];
    fields_.resize(fieldGroup.field);
    const QString name = includedPictureName(field.instruction);
    if (name.isEmpty() || !isPlainFileName(name) || !loadPicture(name))
        return;
    QTextImageFormat image;
    image.setName(name);
    if (field.goalWidth > 0)
        image.setWidth(pictureSide(field.goalWidth, field.scaleX));
    if (field.goalHeight > 0)
        image.setHeight(pictureSide(field.goalHeight, field.scaleY));
    flushRun();
    builder_.appendImage(image);
}

bool RtfParser::loadPicture(const QString& name) {
    const auto known = pictures_.constFind(name);
    if (known != pictures_.cend())
        return *known;
    const QImage image = loadPicture_ ? loadPicture_(name) : QImage();
    if (!image.isNull())
        document_->addResource(QTextDocument::ImageResource, QUrl(name), image);
    pictures_.insert(name, !image.isNull());
    return !image.isNull();
}

QTextCharFormat RtfParser::formatOf(const CharacterState& state) {
    if (state == formatState_ && format_.isValid())
        return format_;
    QTextCharFormat format;
    const int fontNumber = state.font < 0 ? defaultFont_ : state.font;
    const auto font = fonts_.find(fontNumber);
    if (fontNumber != defaultFont_ && font != fonts_.end() && !font->second.name.isEmpty())
        format.setFontFamilies(QStringList{font->second.name});
    if (state.halfPoints > 0)
        format.setFontPointSize(state.halfPoints / 2.0);
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(state.underline);
    if (state.strike)
        format.setFontStrikeOut(true);
    if (const QColor color = colorAt(state.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = colorAt(state.background); color.isValid())
        format.setBackground(color);
    if (state.verticalAlignment != QTextCharFormat::AlignNormal)
        format.setVerticalAlignment(state.verticalAlignment);
    formatState_ = state;
    format_ = format;
    return format;
}

ParagraphProperties RtfParser::paragraphOf(const ParagraphState& state) const {
    ParagraphProperties paragraph;
    paragraph.alignment = state.alignment;
    paragraph.rightToLeft = state.rightToLeft;
    paragraph.list = listItemOf(state);
    return paragraph;
}

std::optional<ListItem> RtfParser::listItemOf(const ParagraphState& state) const {
    if (state.listOverride > 0) {
        const auto override = overrides_.find(state.listOverride);
        const auto list =
            override == overrides_.end() ? lists_.end() : lists_.find(override->second);
        if (list != lists_.end() && !list->second.empty()) {
            const std::vector<ListLevelDefinition>& levels = list->second;
            const ListLevelDefinition& level =
                levels[std::min<std::size_t>(state.level, levels.size() - 1)];
            if (!showsNumber(level.numberFormat))
                return std::nullopt;
            return ListItem{state.listOverride, state.level, levelFormat(level, state.level)};
        }
    }
    if (state.numbering.active)
        return ListItem{-1, state.numbering.level, numberingFormat(state.numbering)};
    return std::nullopt;
}

QColor RtfParser::colorAt(int index) const {
    return index > 0 && index < colors_.size() ? colors_[index] : QColor();
}

} // namespace vexo::notes
