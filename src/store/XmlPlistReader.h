#pragma once

#include "store/PlistTokens.h"

#include <QByteArrayView>

#include <string>
#include <vector>

namespace vexo::store {

// Reads the XML form of a property list in one pass over its bytes, handing
// out tokens as it goes and building no tree.
//
// It takes what property-list writers produce: an optional byte order mark,
// XML declaration, processing instructions, comments and a document type
// without internal subset; a <plist> element (or a bare root value) holding
// one value; <array>, <dict>, <key>, <string>, <integer>, <true/>, <false/>,
// <real>, <date> and <data>, written out or empty ("<string/>"); the five
// predefined entity references and numeric character references; CDATA
// sections and comments inside text; whitespace between elements. Text is
// UTF-8 and kept as it stands, control characters and line ends included.
//
// Anything else ends the stream with Error: bytes that are not UTF-8, a
// malformed declaration or document type, unknown or mismatched elements,
// stray text, a key without value or outside a dictionary, a bad reference, a
// zero byte, an integer with stray characters or beyond 64 bits, text inside
// <true/> or <false/>, a second root value, truncated input, and elements
// nested deeper than maxDepth (the <plist> element and the values counted).
// The reader needs no recursion whatever the input.
class XmlPlistReader final : public PlistTokenSource {
public:
    // data must stay unchanged while the reader lives.
    XmlPlistReader(QByteArrayView data, int maxDepth);

    PlistToken next() override;

private:
    enum class Element { Plist, Array, Dict, Key, String, Integer, Real, Date, Data, True, False };
    enum class Frame { Array, DictKey, DictValue }; // a dictionary awaits a key or its value

    PlistToken fail();
    std::string_view rest() const;
    bool skipSpace();
    bool skipPast(std::string_view marker);
    bool skipMisc();
    bool skipInstruction();
    bool skipDoctype();
    std::string_view readName();
    bool readQuoted(std::string_view& text);
    bool readStartTag(Element& element, bool& empty);
    bool skipAttribute();
    bool readEndTag(std::string_view name);
    bool readContent(std::string_view name, std::string_view& content);
    bool appendDecoded(const char* from, const char* to);
    bool openPlist(bool empty);
    PlistToken startValue(Element element, bool empty);
    PlistToken endContainer();
    PlistToken closeContainer();
    PlistToken finishDocument();
    void valueDone();

    const char* pos_;
    const char* end_;
    int maxDepth_;
    bool failed_;
    std::vector<Frame> frames_;
    std::string scratch_; // decoded text when it holds references or sections
    bool started_ = false;
    bool plistOpen_ = false;
    bool rootDone_ = false;
    bool closeEmptyContainer_ = false;
    bool finished_ = false;
};

} // namespace vexo::store
