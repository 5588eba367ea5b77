#include "cipher/Aes.h"

#include <algorithm>
#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace vexo::cipher {
namespace {

// EVP takes int lengths; larger inputs go through in pieces of this size.
constexpr qint64 kLargestPiece = qint64(1) << 30;

} // namespace

std::array<unsigned char, 16> aesKeyOf(const QString& keyText) {
    std::array<unsigned char, 16> key{};
    const QByteArray bytes = keyText.toUtf8();
    const qsizetype zero = bytes.indexOf('\0');
    const qsizetype length = std::min<qsizetype>(zero < 0 ? bytes.size() : zero, 16);
    std::copy_n(bytes.constData(), length, key.begin());
    return key;
}

void AesStream::Free::operator()(evp_cipher_ctx_st* context) const {
    EVP_CIPHER_CTX_free(context);
}

AesStream::AesStream(const QString& keyText, Direction direction, bool padding)
    : context_(EVP_CIPHER_CTX_new()) {
    const auto key = aesKeyOf(keyText);
    const int encrypt = direction == Direction::Encrypt ? 1 : 0;
    if (context_ && (EVP_CipherInit_ex(context_.get(), EVP_aes_128_ecb(), nullptr, key.data(),
                                       nullptr, encrypt) != 1 ||
                     EVP_CIPHER_CTX_set_padding(context_.get(), padding ? 1 : 0) != 1))
        context_.reset();
}

AesStream::~AesStream() = default;

qint64 AesStream::update(const char* input, qint64 length, char* output) {
    if (!context_)
        return -1;
    qint64 written = 0;
    while (length > 0) {
        const int piece = static_cast<int>(std::min(length, kLargestPiece));
        int produced = 0;
        if (EVP_CipherUpdate(context_.get(), reinterpret_cast<unsigned char*>(output + written),
                             &produced, reinterpret_cast<const unsigned char*>(input), piece) != 1)
            return -1;
        written += produced;
        input += piece;
        length -= piece;
    }
    return written;
}

qint64 AesStream::finish(char* output) {
    int produced = 0;
    if (!context_ || EVP_CipherFinal_ex(context_.get(), reinterpret_cast<unsigned char*>(output),
                                        &produced) != 1)
        return -1;
    return produced;
}

std::optional<QByteArray> runAes(const QString& keyText, AesStream::Direction direction,
                                 const QByteArray& data, bool padding) {
    AesStream stream(keyText, direction, padding);
    QByteArray output(data.size() + kAesBlockSize, Qt::Uninitialized);
    const qint64 body = stream.update(data.constData(), data.size(), output.data());
    if (body < 0)
        return std::nullopt;
    const qint64 tail = stream.finish(output.data() + body);
    if (tail < 0)
        return std::nullopt;
    output.truncate(body + tail);
    return output;
}

void releaseThreadCipherState() {
    OPENSSL_thread_stop();
}

} // namespace vexo::cipher
