#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <cstddef>

namespace vexo::notes {

// Limits of what a file may declare, far above what documents use.
inline constexpr int kListLevels = 9;
inline constexpr std::size_t kMostTableEntries = 65536;
inline constexpr std::size_t kMostLists = 4096;
inline constexpr int kLargestHalfPoints = 3276; // 1638 pt, the word processors' limit

// What the text of a group is for.
enum class Destination {
    Text,
    Skip,
    FontTable,
    ColorTable,
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    FieldInstruction,
    PictureResult,
    Numbering,
    NumberingTextBefore,
    NumberingTextAfter,
};

struct CharacterState {
    int font = -1;      // -1: the document's default font
    int halfPoints = 0; // 0: not given
    bool bold = false;
    bool italic = false;
    bool strike = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    int foreground = 0; // colour table entries; 0 is automatic
    int background = 0;
    QTextCharFormat::VerticalAlignment verticalAlignment = QTextCharFormat::AlignNormal;
    bool operator==(const CharacterState&) const = default;
};

// Old-style paragraph numbering (\pn).
struct OldNumbering {
    bool active = false;
    bool bullet = false;
    int level = 0;
    QTextListFormat::Style style = QTextListFormat::ListDecimal;
    QString before;
    QString after;
};

struct ParagraphState {
    Qt::Alignment alignment;
    bool rightToLeft = false;
    int listOverride = 0; // \ls; 0 for none
    int level = 0;        // \ilvl
    OldNumbering numbering;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharacterState characters;
    ParagraphState paragraph;
    int unicodeSkip = 1; // \uc
    int field = -1;      // index in the open fields of the field this group is part of
    bool opensField = false;
};

struct FontEntry {
    QString name;
    int charset = -1;
    int codePage = 0;
};

struct ListLevelDefinition {
    int numberFormat = 0;       // \levelnfc
    QString levelText;          // length, then text with level placeholders 0..8
    bool levelTextDone = false; // its ";" was read
};

struct FieldState {
    QString instruction;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
};

} // namespace vexo::notes
