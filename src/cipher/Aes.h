#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>

struct evp_cipher_ctx_st;

namespace vexo::cipher {

inline constexpr qint64 kAesBlockSize = 16;

// The AES-128 key a text stands for: its first 16 UTF-8 bytes, up to the first
// zero byte, zero-filled when shorter.
std::array<unsigned char, 16> aesKeyOf(const QString& keyText);

// AES-128-ECB over input handed over in pieces of any size, so a large file
// passes through with one buffer of output.
class AesStream {
public:
    enum class Direction { Encrypt, Decrypt };

    AesStream(const QString& keyText, Direction direction, bool padding = true);
    ~AesStream();
    AesStream(const AesStream&) = delete;
    AesStream& operator=(const AesStream&) = delete;

    // Processes length input bytes; output needs room for length + 16 bytes.
    // Returns the bytes written to output, -1 on error.
    qint64 update(const char* input, qint64 length, char* output);

    // Ends the stream; output needs room for 16 bytes. Returns the bytes
    // written, -1 when the input did not end in a whole, well-padded block
    // (which is what a wrong key usually gives when deciphering).
    qint64 finish(char* output);

private:
    struct Free {
        void operator()(evp_cipher_ctx_st* context) const;
    };
    std::unique_ptr<evp_cipher_ctx_st, Free> context_;
};

// Frees what the cipher library keeps for the calling thread; a worker
// calls it when a job ends, so no thread leaves it behind.
void releaseThreadCipherState();

// The whole of data through a fresh stream; empty when the cipher fails.
std::optional<QByteArray> runAes(const QString& keyText, AesStream::Direction direction,
                                 const QByteArray& data, bool padding = true);

} // namespace vexo::cipher
