#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vexo::notes {

// One piece of an RTF stream.
struct RtfToken {
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };
    Kind kind = Kind::End;
    // ControlWord: the word's letters, at most kLongestWord of them; empty for
    // a longer word, which no reader knows.
    QByteArrayView word;
    bool hasParameter = false;
    int parameter = 0;
    // ControlSymbol: the character after the backslash; HexByte: the byte.
    char symbol = 0;
    // Text: a run of plain characters, never holding \ { } CR LF or NUL.
    QByteArrayView text;
};

// Splits RTF into tokens in one pass over the bytes, with bounded work per
// token: words are cut at kLongestWord letters, parameters at
// kLongestParameter digits, and the data of \binN is stepped over (at most to
// the end of the input). Line ends and NUL bytes between tokens are dropped.
class RtfTokenizer {
public:
    static constexpr qsizetype kLongestWord = 32;
    static constexpr qsizetype kLongestParameter = 10;

    explicit RtfTokenizer(QByteArrayView rtf) : rtf_(rtf) {}

    RtfToken next();

private:
    // False when the backslash starts nothing usable (a broken \'hh).
    bool readControl(RtfToken& token);
    RtfToken readWord();
    RtfToken readText();
    bool atEnd() const { return position_ >= rtf_.size(); }
    char peek() const { return rtf_[position_]; }

    QByteArrayView rtf_;
    qsizetype position_ = 0;
};

} // namespace vexo::notes
