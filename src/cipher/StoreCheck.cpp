#include "cipher/StoreCheck.h"

#include "cipher/Aes.h"
#include "cipher/FileTypes.h"
#include "cipher/FolderWalk.h"
#include "cipher/ItemAttributes.h"
#include "cipher/ItemStore.h"
#include "cipher/KeyText.h"
#include "cipher/PosixFiles.h"
#include "cipher/StoredForm.h"
#include "cipher/StreamCopy.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"

#include <QCryptographicHash>

namespace vexo::cipher {
namespace {

using store::FileModelPtr;

// One check over an item's store.
struct Check {
    FileModelPtr item;
    ProgressCallback progress;
    QString realStore;  // the item's store, links resolved
    qint64 ordinal = 0; // stored files reached so far
};

// How the body of one stored file is read back.
struct BodyForm {
    bool wholeFile = false;               // enciphered as a whole under the header's key
    QCryptographicHash* digest = nullptr; // receives the restored content when set
};

StoreCheck damaged(const QString& reason) {
    qCWarning(lcVexo, "stored copy damaged: %s", qUtf8Printable(reason));
    return {StoreState::Damaged, reason};
}

StoreCheck missing(const store::FileModel& item, const QString& storedTop) {
    const QString reason = item.path + QStringLiteral(": the vault holds no stored copy of it (") +
                           storedTop + QStringLiteral(" is missing)");
    qCWarning(lcVexo, "stored copy missing: %s", qUtf8Printable(reason));
    return {StoreState::Missing, reason};
}

StoreCheck stopped() {
    return {StoreState::Stopped, {}};
}

StoreCheck resultOf(const CopyResult& read) {
    switch (read.status) {
    case CopyStatus::Copied:
        return {};
    case CopyStatus::Stopped:
        return stopped();
    case CopyStatus::Failed:
        break;
    }
    return damaged(read.error);
}

ChunkHooks hooksFor(Check& check) {
    const qint64 ordinal = check.ordinal;
    return {[&check] { return runStopped(*check.item); },
            [&check, ordinal](qint64 bytes, bool) {
                store::FileModel& item = *check.item;
                item.currentEncryptSize += bytes;
                item.encryptDuration = platform::currentMilliseconds();
                if (check.progress)
                    check.progress(ordinal, static_cast<float>(item.currentEncryptSize.load()));
            }};
}

// Reads the stored file whole, as an unhide would restore it, into no file.
StoreCheck checkStoredFile(Check& check, const QString& path, const BodyForm& form) {
    ++check.ordinal;
    QString error;
    const auto input = openRegularFile(path, &error);
    if (!input)
        return damaged(error);
    const auto envelope = readEnvelope(input->fd.get(), path, input->size, &error);
    if (!envelope)
        return damaged(error);
    const ChunkSource body{input->fd.get(), path, envelope->headerLength,
                           input->size - envelope->headerLength - envelope->footerLength};
    ChunkTarget target{-1, path, {}};
    if (form.digest)
        target.sink = [digest = form.digest](const char* data, qint64 length) {
            digest->addData(QByteArrayView(data, length));
        };
    if (!form.wholeFile)
        return resultOf(copyChunks(body, target, hooksFor(check)));
    // The content key comes from the stored header, as an unhide takes it.
    const QString bodyKey = bodyKeyOf(envelope->keyText);
    if (bodyKey.isEmpty())
        return damaged(path + QStringLiteral(": its header carries no key for the content"));
    AesStream cipher(bodyKey, AesStream::Direction::Decrypt);
    return resultOf(cipherChunks(body, target, cipher, hooksFor(check)));
}

// A single file item: its content must also be what was hidden, when the
// record says what that was.
StoreCheck checkSingleFile(Check& check, const QString& path) {
    const store::FileModel& item = *check.item;
    const bool hasDigest = !item.md5CodePath.isEmpty();
    QCryptographicHash digest(QCryptographicHash::Md5);
    const StoreCheck found =
        checkStoredFile(check, path, {iswenbenwenjian(item.path), hasDigest ? &digest : nullptr});
    if (found.state != StoreState::Intact || !hasDigest)
        return found;
    const QString content = QString::fromLatin1(digest.result().toHex().toUpper());
    if (content.compare(item.md5CodePath, Qt::CaseInsensitive) == 0)
        return found;
    return damaged(path + QStringLiteral(": its content (MD5 %1) is not what was hidden (MD5 %2)")
                              .arg(content, item.md5CodePath));
}

StoreCheck checkEntry(Check& check, const QString& path, bool isItemsOwnEntry);

// The same entries, in the same order, as the restore walk reads.
StoreCheck checkFolder(Check& check, const QString& folder) {
    QString error;
    const auto entries = folderEntries(folder, &error);
    if (!entries)
        return damaged(error);
    for (const QString& name : *entries) {
        if (runStopped(*check.item))
            return stopped();
        const StoreCheck found = checkEntry(check, store::joinPath(folder, name), false);
        if (found.state != StoreState::Intact)
            return found;
    }
    return {};
}

StoreCheck checkEntry(Check& check, const QString& path, bool isItemsOwnEntry) {
    if (isDirectory(path)) {
        // Only a file gets a digest: an unhide of a folder in its place would
        // find the digest wrong.
        if (isItemsOwnEntry && !check.item->md5CodePath.isEmpty())
            return damaged(path + QStringLiteral(": a folder, where a file was hidden"));
        return checkFolder(check, path);
    }
    if (leadsOutside(path, check.realStore))
        return damaged(linkLeadsOutsideReason(path));
    return isItemsOwnEntry ? checkSingleFile(check, path) : checkStoredFile(check, path, {});
}

} // namespace

StoreCheck checkItemStore(const FileModelPtr& item, const ProgressCallback& progress) {
    // The cancel button stops the item the engine works on.
    store::HelpClass::sharedInstance().setEditModel(item);
    QString error;
    const auto itemStore = checkedItemStore(*item, &error);
    if (!itemStore)
        return damaged(error);
    const QString storedTop = storedPathBelow(*itemStore, *item, QString());
    if (!somethingExistsAt(*itemStore))
        return missing(*item, storedTop);
    const auto realStore = realExistingItemStore(*item, *itemStore, &error);
    if (!realStore)
        return damaged(error);
    // Leftovers of interrupted runs, the restore mark and the attributes lie beside the
    // stored top entry; only the entry itself is the stored copy.
    if (!somethingExistsAt(storedTop))
        return missing(*item, storedTop);
    if (runStopped(*item))
        return stopped();
    if (const AttributesRead attributes = readAttributes(attributesPathOf(*itemStore, *item));
        attributes.state == AttributesRead::State::Damaged)
        return damaged(attributes.error);
    Check check{item, progress, *realStore};
    return checkEntry(check, storedTop, true);
}

} // namespace vexo::cipher
