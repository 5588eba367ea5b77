#pragma once

#include <QByteArrayView>

namespace vexo::notes {

// The control words the reader acts on.
enum class Keyword {
    Unknown,
    // Destinations: groups with a meaning of their own.
    SkippedDestination,
    FontTable,
    ColorTable,
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    Field,
    FieldInstruction,
    FieldResult,
    Picture,
    ParagraphNumbering,
    NumberingTextBefore,
    NumberingTextAfter,
    // Document and table entries.
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    ListId,
    LevelNumberFormat,
    ListOverrideNumber,
    ListLevelNumber,
    // Character formatting.
    Plain,
    FontSize,
    Bold,
    Italic,
    Strike,
    DoubleStrike,
    Underline,
    UnderlineDotted,
    UnderlineDashed,
    UnderlineDashDot,
    UnderlineDashDotDot,
    UnderlineWave,
    UnderlineNone,
    ForegroundColor,
    BackgroundColor,
    Superscript,
    Subscript,
    NoSuperSub,
    UnicodeSkip,
    UnicodeChar,
    // Paragraph formatting.
    ParagraphDefaults,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    RightToLeft,
    LeftToRight,
    NumberingBullet,
    NumberingBody,
    NumberingLevel,
    NumberingContinue,
    NumberingDecimal,
    NumberingUpperLetter,
    NumberingLowerLetter,
    NumberingUpperRoman,
    NumberingLowerRoman,
    // Picture size in a field result.
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    // Text.
    ParagraphEnd,
    LineBreak,
    Tab,
    Cell,
    SpecialCharacter,
};

// The keyword of a control word; the character it stands for when it is a
// SpecialCharacter (\emdash, \lquote, ...).
struct KeywordInfo {
    Keyword keyword = Keyword::Unknown;
    char16_t character = 0;
};

KeywordInfo keywordOf(QByteArrayView word);

} // namespace vexo::notes
