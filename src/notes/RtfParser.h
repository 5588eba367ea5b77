#pragma once

#include "notes/CodePages.h"
#include "notes/RtfDocumentBuilder.h"
#include "notes/RtfKeywords.h"
#include "notes/RtfReader.h"
#include "notes/RtfReaderState.h"
#include "notes/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QList>

#include <map>
#include <vector>

namespace vexo::notes {

// Reads one RTF stream into a document; see readRtf.
class RtfParser {
public:
    RtfParser(QTextDocument* document, const PictureLoader& loadPicture);
    void parse(QByteArrayView rtf);

private:
    GroupState& group() { return groups_.back(); }
    bool skipFallback(RtfToken& token);
    void startGroup();
    void endGroup();
    void closeGroup(const GroupState& closed);
    void controlSymbol(char symbol);
    void controlWord(const RtfToken& token, bool ignorable);
    bool enterDestination(Keyword keyword);
    void tableEntry(Keyword keyword, const RtfToken& token);
    void characterProperty(Keyword keyword, const RtfToken& token);
    void paragraphProperty(Keyword keyword, const RtfToken& token);
    void numberingProperty(Keyword keyword, const RtfToken& token);
    void pictureProperty(Keyword keyword, int value);
    void textByte(char byte, bool escaped);
    void flushBytes();
    void unicodeCharacter(int value);
    void emitText(const QString& text);
    void flushRun();
    void endParagraph();
    int codePageNow() const;
    void commitFont();
    void commitColor();
    void commitOverride();
    void finishField(const GroupState& fieldGroup);
    bool loadPicture(const QString& name);
    QTextCharFormat formatOf(const CharacterState& state);
    ParagraphProperties paragraphOf(const ParagraphState& state) const;
    std::optional<ListItem> listItemOf(const ParagraphState& state) const;
    QColor colorAt(int index) const;

    QTextDocument* document_;
    PictureLoader loadPicture_;
    RtfDocumentBuilder builder_;
    CodePageDecoder decoder_;

    std::vector<GroupState> groups_;
    int groupsPastLimit_ = 0;
    bool finished_ = false;
    bool ignorableNext_ = false;
    int fallbackToSkip_ = 0;
    char16_t highSurrogate_ = 0;
    QByteArray bytes_;
    QString run_;
    CharacterState runState_;
    CharacterState formatState_;
    QTextCharFormat format_;

    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    int definedFont_ = 0;
    QString fontName_;
    QList<QColor> colors_;
    int red_ = -1;
    int green_ = -1;
    int blue_ = -1;
    std::vector<ListLevelDefinition> listLevels_;
    std::map<int, std::vector<ListLevelDefinition>> lists_;
    int overrideListId_ = 0;
    int overrideNumber_ = 0;
    std::map<int, int> overrides_;
    std::vector<FieldState> fields_;
    QString numberingText_;
    QHash<QString, bool> pictures_;
};

} // namespace vexo::notes
