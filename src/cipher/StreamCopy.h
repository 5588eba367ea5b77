#pragma once

#include "cipher/Aes.h"

#include <QString>

#include <functional>

namespace vexo::cipher {

// A range of an open file that a copy reads.
struct ChunkSource {
    int fd = -1;
    QString path;
    qint64 offset = 0;
    qint64 length = 0;
};

// Where a copy's output goes: appended to an open file at its current
// position, and handed to sink piece by piece when one is set. With fd -1 no
// file is written, so a copy that only reads its source (and digests what it
// reads) needs none.
struct ChunkTarget {
    int fd = -1;
    QString path;
    std::function<void(const char* data, qint64 length)> sink = nullptr;
};

// How a copy learns whether to go on and reports each step it made.
struct ChunkHooks {
    std::function<bool()> shouldStop;                         // polled before every chunk
    std::function<void(qint64 bytes, bool last)> chunkCopied; // input bytes of the chunk
};

enum class CopyStatus { Copied, Stopped, Failed };

struct CopyResult {
    CopyStatus status = CopyStatus::Copied;
    QString error; // when Failed: "path: what went wrong"
};

// Copies the source range to the target in chunks of kChunkSize; an empty
// range still makes one (empty) step. The data goes from file to file in the
// kernel where it can, else (and always for a target with a sink or without
// a file) through one reused chunk buffer.
CopyResult copyChunks(const ChunkSource& source, const ChunkTarget& target,
                      const ChunkHooks& hooks);

// The same, passing the data through cipher and writing its final block after
// the last chunk; a final block that does not decipher fails the copy.
CopyResult cipherChunks(const ChunkSource& source, const ChunkTarget& target, AesStream& cipher,
                        const ChunkHooks& hooks);

} // namespace vexo::cipher
