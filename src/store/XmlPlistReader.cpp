#include "store/XmlPlistReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <utility>

namespace vexo::store {
namespace {

using namespace std::string_view_literals;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// XML name characters; every byte of a multi-byte UTF-8 sequence counts as one.
bool startsName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool continuesName(char c) {
    return startsName(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool hasZeroByte(const char* from, const char* to) {
    return std::memchr(from, '\0', static_cast<size_t>(to - from)) != nullptr;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character a reference names, given what lies between "&" and ";".
std::optional<char32_t> referencedCharacter(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, char32_t>, 5> kEntities{
        {{"amp"sv, U'&'}, {"lt"sv, U'<'}, {"gt"sv, U'>'}, {"quot"sv, U'"'}, {"apos"sv, U'\''}}};
    for (const auto& [entity, character] : kEntities) {
        if (name == entity)
            return character;
    }
    if (name.size() < 2 || name.front() != '#')
        return std::nullopt;
    name.remove_prefix(1);
    int base = 10;
    if (name.front() == 'x') {
        base = 16;
        name.remove_prefix(1);
    }
    uint32_t value = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data(), end, value, base);
    const bool scalar = value >= 1 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    if (name.empty() || error != std::errc() || stop != end || !scalar)
        return std::nullopt;
    return static_cast<char32_t>(value);
}

// Property-list integers: optional sign, decimal or "0x" hexadecimal digits,
// whitespace around. Empty content reads as 0, as property-list readers have
// always taken it. Values above the signed range but within 64 bits keep
// their bits, as an unsigned reading of the binary form gives them.
std::optional<qint64> integerValue(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return 0;
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+')
        text.remove_prefix(1);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    constexpr uint64_t kNegativeLimit = uint64_t{1} << 63;
    if (negative && magnitude > kNegativeLimit)
        return std::nullopt;
    return static_cast<qint64>(negative ? 0 - magnitude : magnitude);
}

// In the order of XmlPlistReader::Element.
constexpr std::array<std::string_view, 11> kElementNames{
    "plist"sv, "array"sv, "dict"sv, "key"sv,  "string"sv, "integer"sv,
    "real"sv,  "date"sv,  "data"sv, "true"sv, "false"sv};

PlistToken token(PlistToken::Kind kind) {
    PlistToken result;
    result.kind = kind;
    return result;
}

} // namespace

XmlPlistReader::XmlPlistReader(QByteArrayView data, int maxDepth)
    : pos_(data.data()), end_(data.data() + data.size()), maxDepth_(maxDepth),
      failed_(!data.isValidUtf8()) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (rest().starts_with(kByteOrderMark))
        pos_ += kByteOrderMark.size();
}

PlistToken XmlPlistReader::next() {
    if (failed_)
        return token(PlistToken::Error);
    if (finished_)
        return token(PlistToken::DocumentEnd);
    if (closeEmptyContainer_) {
        closeEmptyContainer_ = false;
        return closeContainer();
    }
    for (;;) {
        if (!skipMisc())
            return fail();
        if (rootDone_ && frames_.empty())
            return finishDocument();
        if (pos_ == end_ || *pos_ != '<')
            return fail();
        if (end_ - pos_ > 1 && pos_[1] == '/')
            return endContainer();
        Element element{};
        bool empty = false;
        if (!readStartTag(element, empty))
            return fail();
        if (element != Element::Plist)
            return startValue(element, empty);
        if (!openPlist(empty))
            return fail();
    }
}

PlistToken XmlPlistReader::fail() {
    failed_ = true;
    return token(PlistToken::Error);
}

std::string_view XmlPlistReader::rest() const {
    return std::string_view(pos_, static_cast<size_t>(end_ - pos_));
}

bool XmlPlistReader::skipSpace() {
    const char* start = pos_;
    while (pos_ != end_ && isSpace(*pos_))
        ++pos_;
    return pos_ != start;
}

// Moves past the next occurrence of marker; false when there is none.
bool XmlPlistReader::skipPast(std::string_view marker) {
    const size_t at = rest().find(marker);
    if (at == std::string_view::npos)
        return false;
    pos_ += at + marker.size();
    return true;
}

// Whitespace, comments and processing instructions (the XML declaration among
// them) between elements, and the document type before the first element.
bool XmlPlistReader::skipMisc() {
    for (;;) {
        skipSpace();
        const std::string_view ahead = rest();
        bool sound = true;
        if (ahead.starts_with("<!--"sv)) {
            pos_ += 4;
            sound = skipPast("-->"sv);
        } else if (ahead.starts_with("<?"sv)) {
            pos_ += 2;
            sound = skipInstruction();
        } else if (!started_ && ahead.starts_with("<!DOCTYPE"sv)) {
            pos_ += 9;
            sound = skipDoctype();
        } else {
            return true;
        }
        if (!sound)
            return false;
    }
}

// A processing instruction after its "<?": a target name, then anything up
// to "?>"; the XML declaration holds pseudo-attributes.
bool XmlPlistReader::skipInstruction() {
    const std::string_view target = readName();
    if (target.empty())
        return false;
    if (target != "xml"sv) {
        if (rest().starts_with("?>"sv)) {
            pos_ += 2;
            return true;
        }
        return skipSpace() && skipPast("?>"sv);
    }
    for (;;) {
        const bool spaced = skipSpace();
        if (rest().starts_with("?>"sv)) {
            pos_ += 2;
            return true;
        }
        if (!spaced || !skipAttribute())
            return false;
    }
}

// A name, then SYSTEM "uri" or PUBLIC "id" "uri" or nothing. An internal
// subset could declare entities and elements of its own; no list has one, so
// it is refused rather than half understood.
bool XmlPlistReader::skipDoctype() {
    if (!skipSpace() || readName().empty())
        return false;
    int literals = 0;
    if (skipSpace()) {
        if (rest().starts_with("SYSTEM"sv))
            literals = 1;
        else if (rest().starts_with("PUBLIC"sv))
            literals = 2;
        pos_ += literals > 0 ? 6 : 0;
    }
    std::string_view literal;
    for (int i = 0; i < literals; ++i) {
        if (!skipSpace() || !readQuoted(literal))
            return false;
    }
    skipSpace();
    if (pos_ == end_ || *pos_ != '>')
        return false;
    ++pos_;
    return true;
}

std::string_view XmlPlistReader::readName() {
    const char* name = pos_;
    if (pos_ == end_ || !startsName(*pos_))
        return {};
    while (pos_ != end_ && continuesName(*pos_))
        ++pos_;
    return std::string_view(name, static_cast<size_t>(pos_ - name));
}

// "text" or 'text'.
bool XmlPlistReader::readQuoted(std::string_view& text) {
    if (pos_ == end_ || (*pos_ != '"' && *pos_ != '\''))
        return false;
    const char quote = *pos_++;
    const size_t close = rest().find(quote);
    if (close == std::string_view::npos)
        return false;
    text = rest().substr(0, close);
    pos_ += close + 1;
    return true;
}

bool XmlPlistReader::readStartTag(Element& element, bool& empty) {
    ++pos_;
    const auto known = std::find(kElementNames.cbegin(), kElementNames.cend(), readName());
    if (known == kElementNames.cend())
        return false;
    element = static_cast<Element>(known - kElementNames.cbegin());
    for (;;) {
        const bool spaced = skipSpace();
        if (pos_ == end_)
            return false;
        if (*pos_ == '>') {
            ++pos_;
            empty = false;
            return true;
        }
        if (*pos_ == '/') {
            ++pos_;
            empty = true;
            return pos_ != end_ && *pos_++ == '>';
        }
        if (!spaced || !skipAttribute())
            return false;
    }
}

// name="value" or name='value'; the value's references must be sound.
bool XmlPlistReader::skipAttribute() {
    if (readName().empty())
        return false;
    skipSpace();
    if (pos_ == end_ || *pos_ != '=')
        return false;
    ++pos_;
    skipSpace();
    std::string_view value;
    scratch_.clear();
    return readQuoted(value) && value.find('<') == std::string_view::npos &&
           appendDecoded(value.data(), value.data() + value.size());
}

bool XmlPlistReader::readEndTag(std::string_view name) {
    if (!rest().starts_with("</"sv) || !rest().substr(2).starts_with(name))
        return false;
    pos_ += 2 + name.size();
    skipSpace();
    if (pos_ == end_ || *pos_ != '>')
        return false;
    ++pos_;
    return true;
}

// A value element's text up to and including its end tag. Plain text stays a
// view of the data; text with references, CDATA sections or comments is
// decoded into scratch_.
bool XmlPlistReader::readContent(std::string_view name, std::string_view& content) {
    const char* start = pos_;
    const auto find = [this](char c) {
        return static_cast<const char*>(std::memchr(pos_, c, static_cast<size_t>(end_ - pos_)));
    };
    const char* markup = find('<');
    if (!markup)
        return false;
    const auto length = static_cast<size_t>(markup - start);
    if (!std::memchr(start, '&', length) && !hasZeroByte(start, markup) && markup + 1 != end_ &&
        markup[1] == '/') {
        content = std::string_view(start, length);
        pos_ = markup;
        return readEndTag(name);
    }
    scratch_.clear();
    for (;;) {
        markup = find('<');
        if (!markup || !appendDecoded(pos_, markup))
            return false;
        pos_ = markup;
        if (rest().starts_with("<![CDATA["sv)) {
            pos_ += 9;
            const char* section = pos_;
            if (!skipPast("]]>"sv) || hasZeroByte(section, pos_))
                return false;
            scratch_.append(section, static_cast<size_t>(pos_ - 3 - section));
        } else if (rest().starts_with("<!--"sv)) {
            pos_ += 4;
            if (!skipPast("-->"sv))
                return false;
        } else {
            break;
        }
    }
    content = scratch_;
    return readEndTag(name);
}

// Appends text to scratch_ with its references replaced; false at a zero
// byte or a reference that is not sound.
bool XmlPlistReader::appendDecoded(const char* from, const char* to) {
    if (hasZeroByte(from, to))
        return false;
    while (from != to) {
        const auto* ampersand =
            static_cast<const char*>(std::memchr(from, '&', static_cast<size_t>(to - from)));
        const char* plain = ampersand ? ampersand : to;
        scratch_.append(from, static_cast<size_t>(plain - from));
        if (!ampersand)
            return true;
        const auto* semicolon = static_cast<const char*>(
            std::memchr(ampersand, ';', static_cast<size_t>(to - ampersand)));
        if (!semicolon)
            return false;
        const auto character = referencedCharacter(
            std::string_view(ampersand + 1, static_cast<size_t>(semicolon - ampersand - 1)));
        if (!character)
            return false;
        appendUtf8(scratch_, *character);
        from = semicolon + 1;
    }
    return true;
}

bool XmlPlistReader::openPlist(bool empty) {
    if (started_ || empty)
        return false;
    started_ = plistOpen_ = true;
    return true;
}

PlistToken XmlPlistReader::startValue(Element element, bool empty) {
    started_ = true;
    const auto depth = static_cast<qsizetype>(frames_.size()) + (plistOpen_ ? 2 : 1);
    if (depth > maxDepth_)
        return fail();
    const bool awaitingKey = !frames_.empty() && frames_.back() == Frame::DictKey;
    if (awaitingKey != (element == Element::Key))
        return fail();
    if (element == Element::Array || element == Element::Dict) {
        frames_.push_back(element == Element::Array ? Frame::Array : Frame::DictKey);
        closeEmptyContainer_ = empty;
        return token(element == Element::Array ? PlistToken::ArrayStart : PlistToken::DictStart);
    }
    std::string_view content;
    if (!empty && !readContent(kElementNames[static_cast<size_t>(element)], content))
        return fail();
    PlistToken value;
    switch (element) {
    case Element::Key:
        frames_.back() = Frame::DictValue;
        value.kind = PlistToken::Key;
        value.text = content;
        return value;
    case Element::String:
        value.kind = PlistToken::String;
        value.text = content;
        break;
    case Element::Integer:
        if (const auto number = integerValue(content)) {
            value.kind = PlistToken::Integer;
            value.integer = *number;
        }
        break;
    case Element::True:
    case Element::False:
        if (trimmed(content).empty()) {
            value.kind = PlistToken::Boolean;
            value.boolean = element == Element::True;
        }
        break;
    default: // real, date, data
        value.kind = PlistToken::OtherValue;
        break;
    }
    if (value.kind == PlistToken::Error)
        return fail();
    valueDone();
    return value;
}

PlistToken XmlPlistReader::endContainer() {
    if (frames_.empty())
        return fail();
    const bool array = frames_.back() == Frame::Array;
    if (frames_.back() == Frame::DictValue || !readEndTag(array ? "array"sv : "dict"sv))
        return fail();
    return closeContainer();
}

PlistToken XmlPlistReader::closeContainer() {
    frames_.pop_back();
    valueDone();
    return token(PlistToken::ContainerEnd);
}

PlistToken XmlPlistReader::finishDocument() {
    if (plistOpen_) {
        if (!readEndTag("plist"sv) || !skipMisc())
            return fail();
        plistOpen_ = false;
    }
    if (pos_ != end_)
        return fail();
    finished_ = true;
    return token(PlistToken::DocumentEnd);
}

void XmlPlistReader::valueDone() {
    if (frames_.empty())
        rootDone_ = true;
    else if (frames_.back() == Frame::DictValue)
        frames_.back() = Frame::DictKey;
}

} // namespace vexo::store
