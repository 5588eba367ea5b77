// The formatting and table words of RtfParser.
#include "notes/RtfParser.h"

#include <algorithm>

namespace vexo::notes {
namespace {

bool switchedOn(const RtfToken& token) {
    return !token.hasParameter || token.parameter != 0;
}

} // namespace

// Entries of the document's tables and its code page.
void RtfParser::tableEntry(Keyword keyword, const RtfToken& token) {
    const Destination here = group().destination;
    const int value = token.parameter;
    switch (keyword) {
    case Keyword::Ansi:
        documentCodePage_ = 1252;
        break;
    case Keyword::Mac:
        documentCodePage_ = 10000;
        break;
    case Keyword::Pc:
        documentCodePage_ = 437;
        break;
    case Keyword::Pca:
        documentCodePage_ = 850;
        break;
    case Keyword::AnsiCodePage:
        if (value > 0)
            documentCodePage_ = value;
        break;
    case Keyword::DefaultFont:
        defaultFont_ = value;
        break;
    case Keyword::Font:
        if (here == Destination::FontTable) {
            commitFont();
            if (fonts_.size() < kMostTableEntries || fonts_.count(value) != 0) {
                definedFont_ = value;
                fonts_[value];
            }
        }
        break;
    case Keyword::FontCharset:
    case Keyword::FontCodePage:
        if (here == Destination::FontTable && fonts_.count(definedFont_) != 0) {
            FontEntry& font = fonts_[definedFont_];
            (keyword == Keyword::FontCharset ? font.charset : font.codePage) = value;
        }
        break;
    case Keyword::Red:
    case Keyword::Green:
    case Keyword::Blue:
        if (here == Destination::ColorTable) {
            int& component = keyword == Keyword::Red     ? red_
                             : keyword == Keyword::Green ? green_
                                                         : blue_;
            component = std::clamp(value, 0, 255);
        }
        break;
    case Keyword::ListId:
        if (here == Destination::List && (lists_.size() < kMostLists || lists_.count(value) != 0))
            lists_[value] = listLevels_;
        else if (here == Destination::ListOverride)
            overrideListId_ = value;
        break;
    case Keyword::LevelNumberFormat:
        if (here == Destination::ListLevel && !listLevels_.empty())
            listLevels_.back().numberFormat = value;
        break;
    case Keyword::ListOverrideNumber:
        if (here == Destination::ListOverride)
            overrideNumber_ = value;
        break;
    default:
        break;
    }
}

void RtfParser::characterProperty(Keyword keyword, const RtfToken& token) {
    CharacterState& state = group().characters;
    const bool on = switchedOn(token);
    switch (keyword) {
    case Keyword::Plain:
        state = {};
        break;
    case Keyword::Font:
        state.font = token.parameter;
        break;
    case Keyword::FontSize:
        state.halfPoints = token.hasParameter && token.parameter > 0
                               ? std::clamp(token.parameter, 2, kLargestHalfPoints)
                               : 24;
        break;
    case Keyword::Bold:
        state.bold = on;
        break;
    case Keyword::Italic:
        state.italic = on;
        break;
    case Keyword::Strike:
    case Keyword::DoubleStrike:
        state.strike = on;
        break;
    case Keyword::Underline:
    case Keyword::UnderlineDotted:
    case Keyword::UnderlineDashed:
    case Keyword::UnderlineDashDot:
    case Keyword::UnderlineDashDotDot:
    case Keyword::UnderlineWave: {
        static const std::map<Keyword, QTextCharFormat::UnderlineStyle> styles = {
            {Keyword::Underline, QTextCharFormat::SingleUnderline},
            {Keyword::UnderlineDotted, QTextCharFormat::DotLine},
            {Keyword::UnderlineDashed, QTextCharFormat::DashUnderline},
            {Keyword::UnderlineDashDot, QTextCharFormat::DashDotLine},
            {Keyword::UnderlineDashDotDot, QTextCharFormat::DashDotDotLine},
            {Keyword::UnderlineWave, QTextCharFormat::WaveUnderline}};
        state.underline = on ? styles.at(keyword) : QTextCharFormat::NoUnderline;
        break;
    }
    case Keyword::UnderlineNone:
        state.underline = QTextCharFormat::NoUnderline;
        break;
    case Keyword::ForegroundColor:
        state.foreground = std::max(token.parameter, 0);
        break;
    case Keyword::BackgroundColor:
        state.background = std::max(token.parameter, 0);
        break;
    case Keyword::Superscript:
    case Keyword::Subscript: {
        const auto raised = keyword == Keyword::Superscript ? QTextCharFormat::AlignSuperScript
                                                            : QTextCharFormat::AlignSubScript;
        state.verticalAlignment = on ? raised : QTextCharFormat::AlignNormal;
        break;
    }
    case Keyword::NoSuperSub:
        state.verticalAlignment = QTextCharFormat::AlignNormal;
        break;
    default:
        break;
    }
}

void RtfParser::paragraphProperty(Keyword keyword, const RtfToken& token) {
    ParagraphState& state = group().paragraph;
    switch (keyword) {
    case Keyword::ParagraphDefaults:
        state = {};
        break;
    case Keyword::AlignLeft:
        state.alignment = Qt::AlignLeft | Qt::AlignAbsolute;
        break;
    case Keyword::AlignCenter:
        state.alignment = Qt::AlignHCenter;
        break;
    case Keyword::AlignRight:
        state.alignment = Qt::AlignRight | Qt::AlignAbsolute;
        break;
    case Keyword::AlignJustify:
        state.alignment = Qt::AlignJustify;
        break;
    case Keyword::RightToLeft:
    case Keyword::LeftToRight:
        state.rightToLeft = keyword == Keyword::RightToLeft;
        break;
    case Keyword::ListOverrideNumber:
        state.listOverride = std::max(token.parameter, 0);
        break;
    case Keyword::ListLevelNumber:
        state.level = std::clamp(token.parameter, 0, kListLevels - 1);
        break;
    default:
        break;
    }
}

void RtfParser::numberingProperty(Keyword keyword, const RtfToken& token) {
    OldNumbering& numbering = group().paragraph.numbering;
    switch (keyword) {
    case Keyword::NumberingBullet:
    case Keyword::NumberingBody:
        numbering.bullet = keyword == Keyword::NumberingBullet;
        numbering.level = 0;
        break;
    case Keyword::NumberingLevel:
        numbering.bullet = false;
        numbering.level = std::clamp(token.parameter - 1, 0, kListLevels - 1);
        break;
    case Keyword::NumberingContinue:
        numbering.active = false;
        break;
    case Keyword::NumberingDecimal:
        numbering.style = QTextListFormat::ListDecimal;
        break;
    case Keyword::NumberingUpperLetter:
        numbering.style = QTextListFormat::ListUpperAlpha;
        break;
    case Keyword::NumberingLowerLetter:
        numbering.style = QTextListFormat::ListLowerAlpha;
        break;
    case Keyword::NumberingUpperRoman:
        numbering.style = QTextListFormat::ListUpperRoman;
        break;
    case Keyword::NumberingLowerRoman:
        numbering.style = QTextListFormat::ListLowerRoman;
        break;
    default:
        break;
    }
}

void RtfParser::pictureProperty(Keyword keyword, int value) {
    const int field = group().field;
    if (field < 0)
        return;
    FieldState& state = fields_[field];
    const int positive = std::max(value, 0);
    switch (keyword) {
    case Keyword::PictureGoalWidth:
        state.goalWidth = positive;
        break;
    case Keyword::PictureGoalHeight:
        state.goalHeight = positive;
        break;
    case Keyword::PictureScaleX:
        state.scaleX = positive;
        break;
    case Keyword::PictureScaleY:
        state.scaleY = positive;
        break;
    default:
        break;
    }
}

} // namespace vexo::notes
