#include "notes/CodePages.h"

#include <array>
#include <iterator>

namespace vexo::notes {
namespace {

constexpr int kWindowsWestern = 1252;

// Windows-1252 from 0x80 to 0x9F; the five unassigned bytes map to nothing.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct CharsetCodePage {
    int charset;
    int codePage;
};

constexpr CharsetCodePage kCharsets[] = {
    {0, 1252},   {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
    {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
    {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850}};

QByteArray encodingName(int codePage) {
    switch (codePage) {
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case 437:
    case 850:
        return "IBM" + QByteArray::number(codePage);
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

bool isText(QChar c) {
    return c.unicode() >= 0x20 || c == u'\t';
}

QString windows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const char16_t unit =
            value >= 0x80 && value < 0xA0 ? kWindows1252High[value - 0x80] : value;
        if (unit != 0 && isText(QChar(unit)))
            text.append(QChar(unit));
    }
    return text;
}

// Drops controls and the substitution marks converters put for unmapped bytes.
QString onlyText(const QString& decoded) {
    QString text;
    text.reserve(decoded.size());
    for (const QChar c : decoded) {
        if (isText(c) && c != QChar::ReplacementCharacter)
            text.append(c);
    }
    return text;
}

} // namespace

int codePageOfCharset(int charset) {
    for (const CharsetCodePage& entry : kCharsets) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 0;
}

QString CodePageDecoder::decode(const QByteArray& bytes, int codePage) {
    if (codePage == kWindowsWestern || codePage <= 0)
        return windows1252(bytes);
    QStringDecoder* decoder = decoderFor(codePage);
    if (!decoder)
        return onlyText(QString::fromLatin1(bytes));
    const QString decoded = decoder->decode(bytes);
    decoder->resetState();
    return onlyText(decoded);
}

QStringDecoder* CodePageDecoder::decoderFor(int codePage) {
    auto found = decoders_.find(codePage);
    if (found == decoders_.end())
        found =
            decoders_.emplace(codePage, QStringDecoder(encodingName(codePage).constData())).first;
    return found->second.isValid() ? &found->second : nullptr;
}

} // namespace vexo::notes
