#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vexo::cipher {

// Every stored file is header | body | footer: the key text of the moment it
// was hidden, enciphered under these two fixed key texts.
inline const QString kHeaderKeyText = QStringLiteral("zupmarkhelioquant");
inline const QString kFooterKeyText = QStringLiteral("tailmarkvesperion");

// The longest header (and footer) a stored file is searched for: a key text of
// up to 64 KiB. A hide never writes a longer one.
inline constexpr qint64 kLongestHeader = 64 * 1024;

struct Envelope {
    QByteArray header;
    QByteArray footer;
};

// The header and footer that carry keyText; empty when the cipher fails.
std::optional<Envelope> envelopeFor(const QString& keyText);

// What the header and footer of a stored file say.
struct StoredEnvelope {
    QString keyText;
    qint64 headerLength = 0;
    qint64 footerLength = 0;
};

// Reads the header of the open stored file at path (size bytes long) and
// checks that its footer carries the same key text. The header's length
// follows from the key text inside it, whatever the current key text is.
// Empty, with the reason in error, for a foreign, damaged or truncated file.
std::optional<StoredEnvelope> readEnvelope(int fd, const QString& path, qint64 size,
                                           QString* error);

} // namespace vexo::cipher
