#include "cipher/StoredForm.h"

#include "cipher/Aes.h"
#include "cipher/PosixFiles.h"

#include <algorithm>

namespace vexo::cipher {
namespace {

// The text before valid PKCS#7 padding that ends the first length bytes of
// plain; empty when those bytes do not end in such padding.
std::optional<QByteArray> unpadded(const QByteArray& plain, qsizetype length) {
    const int padding = static_cast<unsigned char>(plain.at(length - 1));
    if (padding < 1 || padding > kAesBlockSize)
        return std::nullopt;
    for (qsizetype i = length - padding; i < length; ++i) {
        if (static_cast<unsigned char>(plain.at(i)) != padding)
            return std::nullopt;
    }
    return plain.left(length - padding);
}

} // namespace

std::optional<Envelope> envelopeFor(const QString& keyText) {
    const QByteArray text = keyText.toUtf8();
    auto header = runAes(kHeaderKeyText, AesStream::Direction::Encrypt, text);
    auto footer = runAes(kFooterKeyText, AesStream::Direction::Encrypt, text);
    if (!header || !footer)
        return std::nullopt;
    return Envelope{*header, *footer};
}

std::optional<StoredEnvelope> readEnvelope(int fd, const QString& path, qint64 size,
                                           QString* error) {
    const qint64 longest = std::min(size / 2, kLongestHeader) / kAesBlockSize * kAesBlockSize;
    QByteArray head(longest, Qt::Uninitialized);
    QByteArray tail(longest, Qt::Uninitialized);
    if (!readExactly(fd, path, head.data(), longest, 0, error) ||
        !readExactly(fd, path, tail.data(), longest, size - longest, error))
        return std::nullopt;
    // Deciphered block by block, the header ends where valid padding ends a
    // key text that the footer carries too.
    const auto plain = runAes(kHeaderKeyText, AesStream::Direction::Decrypt, head, false);
    for (qint64 length = kAesBlockSize; plain && length <= longest; length += kAesBlockSize) {
        const auto text = unpadded(*plain, length);
        if (!text)
            continue;
        const auto footer = runAes(kFooterKeyText, AesStream::Direction::Encrypt, *text);
        if (footer && *footer == tail.right(length))
            return StoredEnvelope{QString::fromUtf8(*text), length, length};
    }
    *error = path + QStringLiteral(": not a stored file, or damaged or cut short");
    return std::nullopt;
}

} // namespace vexo::cipher
