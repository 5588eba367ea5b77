#include "cipher/StreamCopy.h"

#include "cipher/HiddenFile.h"
#include "cipher/PosixFiles.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace vexo::cipher {
namespace {

// Hands a piece of output to the target's sink and file.
bool deliver(const ChunkTarget& target, const char* data, qint64 length, QString* error) {
    if (target.sink)
        target.sink(data, length);
    return target.fd < 0 || writeFully(target.fd, target.path, data, length, error);
}

// Runs step once per chunk of the length, polling for a stop before each one.
template <typename Step>
CopyResult runChunks(qint64 length, const ChunkHooks& hooks, const Step& step) {
    qint64 remaining = length;
    do {
        if (hooks.shouldStop())
            return {CopyStatus::Stopped, {}};
        const qint64 bytes = std::min(remaining, kChunkSize);
        remaining -= bytes;
        QString error;
        if (!step(bytes, remaining == 0, &error))
            return {CopyStatus::Failed, error};
        hooks.chunkCopied(bytes, remaining == 0);
    } while (remaining > 0);
    return {};
}

// Moves bytes from file to file, in the kernel while it accepts the pair of
// files, through a buffer once it does not.
class PlainTransfer {
public:
    PlainTransfer(const ChunkSource& source, const ChunkTarget& target)
        : source_(source), target_(target), offset_(source.offset),
          inKernel_(target.fd >= 0 && !target.sink) {}

    bool transfer(qint64 bytes, QString* error) {
        while (bytes > 0) {
            const qint64 moved =
                inKernel_ ? moveInKernel(bytes, error) : moveThroughBuffer(bytes, error);
            if (moved < 0)
                return false;
            bytes -= moved;
        }
        return true;
    }

private:
    // Bytes moved, 0 when the kernel refuses these files, -1 on failure.
    qint64 moveInKernel(qint64 bytes, QString* error) {
        loff_t offset = offset_;
        const ssize_t moved = ::copy_file_range(source_.fd, &offset, target_.fd, nullptr,
                                                static_cast<size_t>(bytes), 0);
        if (moved > 0) {
            offset_ += moved;
            return moved;
        }
        if (moved == 0) {
            *error = source_.path + QStringLiteral(": the file ended early");
            return -1;
        }
        if (errno == EINTR)
            return 0;
        if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
            inKernel_ = false;
            return 0;
        }
        *error = source_.path + QStringLiteral(" -> ") + failureAt(target_.path, errno);
        return -1;
    }

    qint64 moveThroughBuffer(qint64 bytes, QString* error) {
        if (buffer_.empty())
            buffer_.resize(static_cast<size_t>(kChunkSize));
        const qint64 piece = std::min<qint64>(bytes, static_cast<qint64>(buffer_.size()));
        if (!readExactly(source_.fd, source_.path, buffer_.data(), piece, offset_, error) ||
            !deliver(target_, buffer_.data(), piece, error))
            return -1;
        offset_ += piece;
        return piece;
    }

    const ChunkSource& source_;
    const ChunkTarget& target_;
    qint64 offset_;
    bool inKernel_;
    std::vector<char> buffer_;
};

} // namespace

CopyResult copyChunks(const ChunkSource& source, const ChunkTarget& target,
                      const ChunkHooks& hooks) {
    PlainTransfer transfer(source, target);
    return runChunks(source.length, hooks, [&](qint64 bytes, bool, QString* error) {
        return transfer.transfer(bytes, error);
    });
}

CopyResult cipherChunks(const ChunkSource& source, const ChunkTarget& target, AesStream& cipher,
                        const ChunkHooks& hooks) {
    std::vector<char> input(static_cast<size_t>(std::min(source.length, kChunkSize)));
    std::vector<char> output(input.size() + static_cast<size_t>(kAesBlockSize));
    qint64 offset = source.offset;
    return runChunks(source.length, hooks, [&](qint64 bytes, bool last, QString* error) {
        if (!readExactly(source.fd, source.path, input.data(), bytes, offset, error))
            return false;
        offset += bytes;
        const qint64 produced = cipher.update(input.data(), bytes, output.data());
        if (produced < 0) {
            *error = source.path + QStringLiteral(": the cipher failed");
            return false;
        }
        if (!deliver(target, output.data(), produced, error))
            return false;
        if (!last)
            return true;
        const qint64 tail = cipher.finish(output.data());
        if (tail < 0) {
            *error = source.path + QStringLiteral(": the content does not decipher");
            return false;
        }
        return deliver(target, output.data(), tail, error);
    });
}

} // namespace vexo::cipher
