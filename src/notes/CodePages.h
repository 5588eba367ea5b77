#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace vexo::notes {

// The Windows code page a font's \fcharset stands for; 0 when the charset
// names none (ANSI default, symbol or an unknown value).
int codePageOfCharset(int charset);

// Turns the 8-bit text of an RTF file into Unicode, one code page at a time.
// Windows-1252 is built in; other code pages use the converters Qt knows and
// fall back to Latin-1. Characters that are not text (C0 controls other than
// tab, and what the converter could not map) never come out.
class CodePageDecoder {
public:
    QString decode(const QByteArray& bytes, int codePage);

private:
    QStringDecoder* decoderFor(int codePage);

    std::map<int, QStringDecoder> decoders_;
};

} // namespace vexo::notes
