#include "cipher/FileTransfer.h"

#include "cipher/FileTypes.h"
#include "cipher/HiddenFile.h"
#include "cipher/ItemStore.h"
#include "cipher/KeyText.h"
#include "cipher/PosixFiles.h"
#include "cipher/StoredForm.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "store/VaultPaths.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vexo::cipher {
namespace {

using store::FileModelPtr;

enum class Direction { Hiding, Restoring };

CopyResult failed(const QString& reason) {
    return {CopyStatus::Failed, reason};
}

QString nameOf(const QString& path) {
    return path.section(u'/', -1, -1);
}

// Removes a temporary file unless it was moved into place.
class TemporaryGuard {
public:
    explicit TemporaryGuard(QString path) : path_(std::move(path)) {}
    ~TemporaryGuard() {
        if (!path_.isEmpty())
            ::unlink(QFile::encodeName(path_).constData());
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;
    void release() { path_.clear(); }

private:
    QString path_;
};

ChunkHooks chunkHooksFor(const FileModelPtr& item, const ProgressCallback& progressBlock,
                         Direction direction, qint64 startOffset) {
    auto offset = std::make_shared<qint64>(startOffset);
    auto chunkCopied = [item, progressBlock, direction, offset](qint64 bytes, bool last) {
        *offset += bytes;
        if (direction == Direction::Hiding)
            qCDebug(lcVexo, "加密读取中:%lld", *offset);
        else
            qCDebug(lcVexo, "解密读取中:%lld", *offset);
        item->currentEncryptSize += bytes;
        item->encryptDuration = platform::currentMilliseconds();
        if (progressBlock)
            progressBlock(0, static_cast<float>(item->currentEncryptSize.load()));
        if (last)
            qCDebug(lcVexo, "读取完成");
        else
            qCDebug(lcVexo, "继续");
    };
    return {[item] { return runStopped(*item); }, chunkCopied};
}

// A single text-like item's content is stored enciphered as a whole; every
// other file's content is stored as it is.
bool isWholeFileMode(const store::FileModel& item, const QString& itemPath) {
    return itemPath.isEmpty() && iswenbenwenjian(item.path);
}

CopyResult copyBody(const ChunkSource& body, const ChunkTarget& target, const ChunkHooks& hooks,
                    const QString* cipherKey, AesStream::Direction direction) {
    if (!cipherKey)
        return copyChunks(body, target, hooks);
    AesStream cipher(*cipherKey, direction);
    return cipherChunks(body, target, cipher, hooks);
}

// Where the file at itemPath inside the item is stored during this hide.
QString storedPathDuring(const HideSetup& setup, const store::FileModel& item,
                         const QString& itemPath) {
    if (setup.storedTop.isEmpty())
        return storedPathBelow(setup.itemStore, item, itemPath);
    return store::joinPath(setup.storedTop, AESPath(itemPath));
}

// The item's own entry must be whole on disk before its name appears: the
// name alone tells, after a crash, that the entry is complete.
bool closeFinishedFile(TemporaryFile& file, bool isItemsOwnEntry, QString* error) {
    return (!isItemsOwnEntry || flushWrittenFile(file.fd.get(), file.path, error)) &&
           closeWrittenFile(file.fd, file.path, error);
}

CopyResult storeFile(const FileModelPtr& item, HideSetup& setup, const QString& itemPath,
                     const ProgressCallback& progressBlock) {
    const store::FileModel& model = *item;
    const QString source = store::joinPath(model.path, itemPath);
    qCInfo(lcVexo, "加密Path：%s", qUtf8Printable(source));
    const QString out = storedPathDuring(setup, model, itemPath);
    const QString folder = parentFolderOf(out);
    if (!setup.preparedFolders.contains(folder)) {
        if (!platform::makePrivatePath(folder))
            return failed(folder + QStringLiteral(": cannot create this folder"));
        if (!staysInside(folder, setup.realStore))
            return failed(folder + QStringLiteral(": leads outside the item's store ") +
                          setup.realStore + QStringLiteral(" (a link inside the store?)"));
        setup.preparedFolders.insert(folder);
    }

    QString error;
    const auto input = openRegularFile(source, &error);
    if (!input) {
        qCWarning(lcVexo, "readHandle 为空");
        return failed(error);
    }
    // Written under a temporary name in the store's top folder, which unhiding
    // never reads, so a stored file is either whole or absent.
    auto output = createTemporaryFile(setup.itemStore, nameOf(out), S_IRUSR | S_IWUSR, &error);
    if (!output) {
        qCWarning(lcVexo, "writehandle 为空");
        return failed(error);
    }
    TemporaryGuard guard(output->path);
    const ChunkTarget target{output->fd.get(), output->path};
    const Envelope& envelope = setup.envelope;
    if (!writeFully(target.fd, target.path, envelope.header.constData(), envelope.header.size(),
                    &error))
        return failed(error);

    const QString bodyKey = bodyKeyOf(setup.keyText);
    const bool wholeFile = isWholeFileMode(model, itemPath);
    const CopyResult copied =
        copyBody({input->fd.get(), source, 0, input->size}, target,
                 chunkHooksFor(item, progressBlock, Direction::Hiding, 0),
                 wholeFile ? &bodyKey : nullptr, AesStream::Direction::Encrypt);
    if (copied.status == CopyStatus::Stopped)
        qCInfo(lcVexo, "当前加密进度：已取消加密：%s", qUtf8Printable(model.path));
    if (copied.status != CopyStatus::Copied)
        return copied;
    // The source is removed after the hide: a copy of a file that changed
    // while it was read would lose the change.
    if (!unchangedSinceOpened(*input, source, &error))
        return failed(error);

    if (!writeFully(target.fd, target.path, envelope.footer.constData(), envelope.footer.size(),
                    &error) ||
        !closeFinishedFile(*output, itemPath.isEmpty() && setup.flushEachFile, &error))
        return failed(error);
    qCDebug(lcVexo, "关闭文件写入句柄");
    if (::rename(QFile::encodeName(output->path).constData(), QFile::encodeName(out).constData()) !=
        0)
        return failed(failureAt(out, errno));
    guard.release();
    if (wholeFile)
        qCInfo(lcVexo, "成功");
    return {};
}

CopyResult restoreFile(const FileModelPtr& item, const RestoreSource& from,
                       const QString& storedItemPath, const QString& placeRoot,
                       const ProgressCallback& progressBlock, RestoreJournal& journal) {
    const store::FileModel& model = *item;
    const QString storedTop = storedPathBelow(from.itemStore, model, QString());
    const QString source = store::joinPath(storedTop, storedItemPath);
    if (leadsOutside(source, from.realStore))
        return failed(linkLeadsOutsideReason(source));
    const QString dest = store::joinPath(placeRoot, AESPath(storedItemPath));
    QString error;
    if (!journal.makeFolders(parentFolderOf(dest), &error))
        return failed(error);
    qCInfo(lcVexo, "writePath:%s", qUtf8Printable(dest));

    const auto input = openRegularFile(source, &error);
    if (!input) {
        qCWarning(lcVexo, "读取文件出错,文件路径不存在:%s", qUtf8Printable(source));
        return failed(error);
    }
    const auto envelope = readEnvelope(input->fd.get(), source, input->size, &error);
    if (!envelope)
        return failed(error);
    // The content key comes from the stored header, so a file hidden under
    // another master password or on another computer comes back too.
    const QString bodyKey = bodyKeyOf(envelope->keyText);
    const bool wholeFile = isWholeFileMode(model, storedItemPath);
    if (wholeFile && bodyKey.isEmpty())
        return failed(source + QStringLiteral(": its header carries no key for the content"));
    if (somethingExistsAt(dest))
        return failed(failureAt(dest, EEXIST));

    auto output = createTemporaryFile(parentFolderOf(dest), nameOf(dest), 0666, &error);
    if (!output) {
        qCWarning(lcVexo, "储存文件出错，文件路径不存在：%s", qUtf8Printable(dest));
        return failed(error);
    }
    TemporaryGuard guard(output->path);
    const qint64 headerLength = envelope->headerLength;
    const ChunkSource body{input->fd.get(), source, headerLength,
                           input->size - headerLength - envelope->footerLength};
    const CopyResult copied =
        copyBody(body, {output->fd.get(), output->path},
                 chunkHooksFor(item, progressBlock, Direction::Restoring, headerLength),
                 wholeFile ? &bodyKey : nullptr, AesStream::Direction::Decrypt);
    if (copied.status != CopyStatus::Copied)
        return copied;
    if (!closeFinishedFile(*output, storedItemPath.isEmpty(), &error) ||
        !moveIntoFreePlace(output->path, dest, &error))
        return failed(error);
    guard.release();
    journal.fileRestored(dest);
    qCDebug(lcVexo, "关闭文件写入句柄");
    if (wholeFile)
        qCInfo(lcVexo, "成功");
    return {};
}

void logFailure(const CopyResult& result) {
    if (result.status == CopyStatus::Failed)
        qCWarning(lcVexo, "失败：error：%s", qUtf8Printable(result.error));
}

} // namespace

std::optional<HideSetup> hideSetupFor(const store::FileModel& item, const QString& itemStore,
                                      QString* error) {
    if (const auto realStore = realItemStore(item, itemStore, error)) {
        const QString keyText = getEncrtyptPassword();
        auto envelope = envelopeFor(keyText);
        if (envelope && envelope->header.size() <= kLongestHeader)
            return HideSetup{itemStore, *realStore, keyText, std::move(*envelope), {}, {}};
        *error = envelope ? QStringLiteral("the master password is too long to be stored")
                          : QStringLiteral("the cipher failed");
    }
    qCWarning(lcVexo, "失败：error：%s", qUtf8Printable(*error));
    return std::nullopt;
}

CopyResult hideOneFile(const FileModelPtr& item, HideSetup& setup, const QString& itemPath,
                       const ProgressCallback& progressBlock) {
    const CopyResult result = storeFile(item, setup, itemPath, progressBlock);
    logFailure(result);
    return result;
}

CopyResult restoreOneFile(const FileModelPtr& item, const RestoreSource& from,
                          const QString& storedItemPath, const ProgressCallback& progressBlock,
                          RestoreJournal& journal) {
    return restoreOneFileBelow(item, from, storedItemPath, item->path, progressBlock, journal);
}

CopyResult restoreOneFileBelow(const FileModelPtr& item, const RestoreSource& from,
                               const QString& storedItemPath, const QString& placeRoot,
                               const ProgressCallback& progressBlock, RestoreJournal& journal) {
    const CopyResult result =
        restoreFile(item, from, storedItemPath, placeRoot, progressBlock, journal);
    logFailure(result);
    return result;
}

} // namespace vexo::cipher
