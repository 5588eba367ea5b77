#include "notes/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace vexo::notes {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool endsText(char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int clampedToInt(qint64 value) {
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

} // namespace

RtfToken RtfTokenizer::next() {
    while (!atEnd()) {
        const char c = peek();
        if (c == '\r' || c == '\n' || c == '\0') {
            ++position_;
            continue;
        }
        if (c == '{' || c == '}') {
            ++position_;
            RtfToken token;
            token.kind = c == '{' ? RtfToken::Kind::GroupStart : RtfToken::Kind::GroupEnd;
            return token;
        }
        if (c == '\\') {
            RtfToken token;
            if (readControl(token))
                return token;
            continue;
        }
        return readText();
    }
    return {};
}

bool RtfTokenizer::readControl(RtfToken& token) {
    ++position_; // the backslash
    if (atEnd())
        return false;
    const char c = peek();
    if (isLetter(c)) {
        token = readWord();
        return true;
    }
    ++position_;
    if (c == '\'') {
        // \'hh: a byte in the current code page; a broken escape is dropped.
        const int high = position_ < rtf_.size() ? hexValue(rtf_[position_]) : -1;
        const int low = position_ + 1 < rtf_.size() ? hexValue(rtf_[position_ + 1]) : -1;
        if (high < 0 || low < 0)
            return false;
        position_ += 2;
        token.kind = RtfToken::Kind::HexByte;
        token.symbol = static_cast<char>(high * 16 + low);
        return true;
    }
    token.kind = RtfToken::Kind::ControlSymbol;
    // A backslash before a line end stands for \par.
    token.symbol = c == '\r' || c == '\n' ? '\n' : c;
    return true;
}

RtfToken RtfTokenizer::readWord() {
    const qsizetype start = position_;
    while (!atEnd() && isLetter(peek()))
        ++position_;
    RtfToken token;
    token.kind = RtfToken::Kind::ControlWord;
    if (position_ - start <= kLongestWord)
        token.word = rtf_.sliced(start, position_ - start);

    bool negative = false;
    if (!atEnd() && peek() == '-' && position_ + 1 < rtf_.size() && isDigit(rtf_[position_ + 1])) {
        negative = true;
        ++position_;
    }
    qint64 value = 0;
    qsizetype digits = 0;
    while (!atEnd() && isDigit(peek())) {
        if (digits < kLongestParameter)
            value = value * 10 + (peek() - '0');
        ++digits;
        ++position_;
    }
    if (digits > 0) {
        token.hasParameter = true;
        token.parameter = clampedToInt(negative ? -value : value);
    }
    if (!atEnd() && peek() == ' ')
        ++position_;

    if (token.word == "bin" && token.hasParameter && token.parameter > 0)
        position_ += std::min<qsizetype>(token.parameter, rtf_.size() - position_);
    return token;
}

RtfToken RtfTokenizer::readText() {
    const qsizetype start = position_;
    while (!atEnd() && !endsText(peek()))
        ++position_;
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    token.text = rtf_.sliced(start, position_ - start);
    return token;
}

} // namespace vexo::notes
