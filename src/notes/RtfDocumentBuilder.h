#pragma once

#include <QTextCursor>
#include <QTextListFormat>

#include <map>
#include <optional>
#include <utility>

class QTextDocument;
class QTextImageFormat;
class QTextList;

namespace vexo::notes {

// A paragraph's place in a list: family tells which paragraphs number
// together (an RTF \ls number), level how deep it is (0 to 8). Negative
// families stand for old-style numbering (\pn), which runs only while its
// paragraphs follow each other.
struct ListItem {
    int family = 0;
    int level = 0;
    QTextListFormat format;
};

struct ParagraphProperties {
    Qt::Alignment alignment; // empty when the file gives none
    bool rightToLeft = false;
    std::optional<ListItem> list;
};

// Builds a document paragraph by paragraph through a text cursor. A
// paragraph begins with its first text (or with the end of the one before),
// so a final paragraph mark adds no empty paragraph, as word processors read it.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument* document);

    // Appends text, leaving out what a note cannot hold as text: control
    // characters other than tab, paragraph separators, object marks and the
    // characters the document keeps for its own structure.
    void appendText(const QString& text, const QTextCharFormat& format);
    void appendImage(const QTextImageFormat& format);
    void endParagraph(const ParagraphProperties& paragraph);
    // Ends the last paragraph, when the file left it open.
    void finish(const ParagraphProperties& paragraph);

private:
    void startPendingParagraph();
    void applyParagraph(const ParagraphProperties& paragraph);
    void addToList(const ListItem& item);

    QTextCursor cursor_;
    bool paragraphPending_ = false;
    std::map<std::pair<int, int>, QTextList*> lists_;
};

} // namespace vexo::notes
